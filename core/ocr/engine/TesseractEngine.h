#pragma once

#include <memory>
#include <string>

#include "detection/Result.h"

namespace tesseract {
class TessBaseAPI;
}

namespace tarnveil {

/// A started Tesseract instance (LSTM, English, dictionaries off), borrowed from a small pool:
/// starting one reads the language model and takes a noticeable fraction of a pass, so
/// instances are kept for the next pass. An instance is used by one thread at a time; it goes
/// back to the pool when the borrower lets it go.
class TesseractEngine {
public:
    struct Release {
        void operator()(tesseract::TessBaseAPI* api) const;
    };
    using Handle = std::unique_ptr<tesseract::TessBaseAPI, Release>;

    /// An idle instance, or a newly started one; an error when Tesseract cannot start (its
    /// English model is missing, for example).
    static Result<Handle, std::string> borrow();
};

} // namespace tarnveil
