#pragma once

#include <QString>

namespace tarnveil {

/// A modal question with two answers. The cancelling answer comes first and is the default,
/// so Return or Escape never confirms by accident.
struct ModalQuestion {
    QString message;
    QString informativeText;
    QString cancelButton;
    QString confirmButton;

    friend bool operator==(const ModalQuestion&, const ModalQuestion&) = default;
};

} // namespace tarnveil
