#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace tarnveil::cli {

/// Reads a stream line by line at "\n", removing one trailing "\r". Memory stays bounded:
/// a line longer than `maxPiece` bytes comes in several pieces (cut on UTF-8 character
/// boundaries), each with its byte offset in the line.
class LineReader {
public:
    struct Piece {
        std::string text;
        std::size_t lineNumber = 0; ///< 1-based
        std::size_t offset = 0;     ///< byte offset of the piece in its line
        bool continued = false;     ///< more of the same line follows
    };

    explicit LineReader(std::FILE* stream, std::size_t maxPiece = defaultMaxPiece);

    /// The next piece, or false at the end of the stream (or on a read error).
    bool next(Piece& piece);

    /// True when the stream reported a read error.
    bool failed() const { return failed_; }

    static constexpr std::size_t defaultMaxPiece = std::size_t{8} << 20;

private:
    bool fill();

    std::FILE* stream_;
    std::size_t maxPiece_;
    std::string buffer_;
    std::size_t bufferPos_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
    std::size_t lineNumber_ = 0;
    std::size_t lineOffset_ = 0;
    bool inLine_ = false;
};

} // namespace tarnveil::cli
