#pragma once

#include <optional>
#include <string>
#include <utility>

#include "ColorRole.h"
#include "DecoyKind.h"
#include "FontRole.h"
#include "detection/DetectionCategory.h"

namespace tarnveil::leakbench {

/// One part of a line template: fixed text, a value to plant (made up for every image), a
/// decoy, or a made-up person's name. `form` picks among a category's shapes where the
/// surrounding text expects one (for example "basic" for the credential after "Basic ").
/// A piece with a column starts at that column of a table-like layout.
struct Piece {
    enum class Kind {
        literal,
        value,
        decoy,
        personName,
    };

    Kind kind = Kind::literal;
    std::string text;
    DetectionCategory category = DetectionCategory::privateKey;
    DecoyKind decoy = DecoyKind::prose;
    std::string form;
    ColorRole color = ColorRole::text;
    int column = -1;
    /// A font of its own instead of the line's.
    std::optional<FontRole> font;
    /// A value that repeats the text of the scene's last planted value of its category (the
    /// same user name in every prompt), or a fresh one when there is none yet.
    bool again = false;
    /// Drawn in the monospace font inside an inline code span (a tinted, rounded box);
    /// neighbouring span pieces share one box.
    bool span = false;
};

inline Piece lit(std::string text, ColorRole color = ColorRole::text)
{
    Piece piece;
    piece.text = std::move(text);
    piece.color = color;
    return piece;
}

inline Piece val(DetectionCategory category, ColorRole color = ColorRole::text, std::string form = {})
{
    Piece piece;
    piece.kind = Piece::Kind::value;
    piece.category = category;
    piece.color = color;
    piece.form = std::move(form);
    return piece;
}

inline Piece fake(DecoyKind decoy, ColorRole color = ColorRole::text)
{
    Piece piece;
    piece.kind = Piece::Kind::decoy;
    piece.decoy = decoy;
    piece.color = color;
    return piece;
}

inline Piece person(ColorRole color = ColorRole::text)
{
    Piece piece;
    piece.kind = Piece::Kind::personName;
    piece.color = color;
    return piece;
}

inline Piece again(Piece piece)
{
    piece.again = true;
    return piece;
}

inline Piece monospace(Piece piece)
{
    piece.font = FontRole::mono;
    return piece;
}

inline Piece inlineCode(Piece piece)
{
    piece.span = true;
    return piece;
}

inline Piece at(int column, Piece piece)
{
    piece.column = column;
    return piece;
}

} // namespace tarnveil::leakbench
