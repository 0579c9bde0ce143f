#include "detection/LineText.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/utext.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tarnveil {

namespace {

bool isAsciiText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const icu::BreakIterator& characterBreakPrototype()
{
    static const std::unique_ptr<icu::BreakIterator> prototype = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> iterator(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status) || !iterator) {
            std::fprintf(stderr, "TarnveilCore/Detector: Fatal error: no character break iterator: %s\n",
                         u_errorName(status));
            std::abort();
        }
        return iterator;
    }();
    return *prototype;
}

} // namespace

LineText::LineText(std::string_view utf8) : utf8_(utf8.substr(0, maxLength))
{
    if (isAsciiText(utf8_)) {
        utf16_.assign(utf8_.begin(), utf8_.end());
        everyIndexIsBoundary_ = utf8_.find("\r\n") == std::string_view::npos;
        return;
    }
    const auto* bytes = reinterpret_cast<const uint8_t*>(utf8_.data());
    const auto length = static_cast<int32_t>(utf8_.size());
    utf16_.reserve(utf8_.size());
    offsets_.reserve(utf8_.size() + 1);
    int32_t i = 0;
    while (i < length) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT_OR_FFFD(bytes, i, length, c);
        if (U16_LENGTH(c) == 1) {
            utf16_.push_back(static_cast<char16_t>(c));
            offsets_.push_back(static_cast<std::size_t>(start));
        } else {
            utf16_.push_back(U16_LEAD(c));
            utf16_.push_back(U16_TRAIL(c));
            offsets_.push_back(static_cast<std::size_t>(start));
            offsets_.push_back(static_cast<std::size_t>(start));
        }
    }
    offsets_.push_back(utf8_.size());
}

LineText::~LineText() = default;

std::string_view LineText::asciiLowercase() const
{
    if (!asciiLowercase_) {
        std::string lower(utf8_);
        for (auto& c : lower) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        asciiLowercase_ = std::move(lower);
    }
    return *asciiLowercase_;
}

std::size_t LineText::byteOffset(int32_t index16) const
{
    return offsets_.empty() ? static_cast<std::size_t>(index16) : offsets_[static_cast<std::size_t>(index16)];
}

icu::BreakIterator& LineText::breaks() const
{
    if (!breaks_) {
        breaks_.reset(characterBreakPrototype().clone());
        UErrorCode status = U_ZERO_ERROR;
        UText text = UTEXT_INITIALIZER;
        utext_openUChars(&text, utf16_.data(), utf16Length(), &status);
        breaks_->setText(&text, status);
        utext_close(&text);
    }
    return *breaks_;
}

bool LineText::isCharacterBoundary(int32_t index16) const
{
    if (index16 < 0 || index16 > utf16Length()) {
        return false;
    }
    if (everyIndexIsBoundary_ || index16 == 0 || index16 == utf16Length()) {
        return true;
    }
    return breaks().isBoundary(index16);
}

int32_t LineText::boundaryAtOrBefore(int32_t index16) const
{
    index16 = std::clamp(index16, 0, utf16Length());
    if (isCharacterBoundary(index16)) {
        return index16;
    }
    return breaks().preceding(index16);
}

std::vector<std::size_t> LineText::characterBoundaries() const
{
    std::vector<std::size_t> boundaries;
    if (everyIndexIsBoundary_) {
        boundaries.resize(utf8_.size() + 1);
        for (std::size_t i = 0; i <= utf8_.size(); ++i) {
            boundaries[i] = i;
        }
        return boundaries;
    }
    boundaries.push_back(0);
    auto& iterator = breaks();
    for (int32_t index = iterator.following(0); index != icu::BreakIterator::DONE; index = iterator.next()) {
        boundaries.push_back(byteOffset(index));
    }
    return boundaries;
}

std::optional<TextRange> LineText::toRange(int32_t start16, int32_t end16) const
{
    if (start16 < 0 || end16 < start16 || end16 > utf16Length()) {
        return std::nullopt;
    }
    if (!isCharacterBoundary(start16) || !isCharacterBoundary(end16)) {
        return std::nullopt;
    }
    return TextRange{byteOffset(start16), byteOffset(end16)};
}

} // namespace tarnveil
