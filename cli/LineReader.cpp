#include "LineReader.h"

#include <algorithm>
#include <cstring>

namespace tarnveil::cli {

namespace {

constexpr std::size_t readSize = 1 << 16;

/// The length of `text` without a trailing, possibly incomplete UTF-8 sequence, so that a
/// cut there never splits a character; a trailing "\r" is kept back too, since it may be
/// the first half of a "\r\n" line break.
std::size_t cutPoint(const std::string& text)
{
    std::size_t end = text.size();
    if (end > 0 && text[end - 1] == '\r') {
        return end - 1;
    }
    for (std::size_t back = 1; back <= 3 && back <= end; ++back) {
        const auto byte = static_cast<unsigned char>(text[end - back]);
        if ((byte & 0xC0) == 0xC0) {
            return end - back; // lead byte of a sequence that may continue in the next piece
        }
        if ((byte & 0x80) == 0) {
            break;
        }
    }
    return end;
}

} // namespace

LineReader::LineReader(std::FILE* stream, std::size_t maxPiece) : stream_(stream), maxPiece_(std::max<std::size_t>(maxPiece, 4)) {}

bool LineReader::fill()
{
    if (atEnd_) {
        return false;
    }
    buffer_.erase(0, bufferPos_);
    bufferPos_ = 0;
    const std::size_t old = buffer_.size();
    buffer_.resize(old + readSize);
    const std::size_t got = std::fread(buffer_.data() + old, 1, readSize, stream_);
    buffer_.resize(old + got);
    if (got == 0) {
        atEnd_ = true;
        failed_ = std::ferror(stream_) != 0;
        return false;
    }
    return true;
}

bool LineReader::next(Piece& piece)
{
    piece.text.clear();
    if (!inLine_) {
        ++lineNumber_;
        lineOffset_ = 0;
    }
    for (;;) {
        const char* begin = buffer_.data() + bufferPos_;
        const std::size_t available = buffer_.size() - bufferPos_;
        const void* newline = std::memchr(begin, '\n', available);
        const std::size_t take = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - begin) : available;
        piece.text.append(begin, take);
        bufferPos_ += take;
        if (newline) {
            ++bufferPos_;
            if (!piece.text.empty() && piece.text.back() == '\r') {
                piece.text.pop_back();
            }
            break;
        }
        if (piece.text.size() >= maxPiece_) {
            const std::size_t cut = cutPoint(piece.text);
            const std::size_t keep = cut == 0 ? piece.text.size() : cut;
            buffer_.insert(bufferPos_, piece.text, keep, std::string::npos);
            piece.text.resize(keep);
            piece.lineNumber = lineNumber_;
            piece.offset = lineOffset_;
            piece.continued = true;
            lineOffset_ += keep;
            inLine_ = true;
            return true;
        }
        if (!fill()) {
            if (piece.text.empty() && !inLine_) {
                --lineNumber_;
                return false;
            }
            if (!piece.text.empty() && piece.text.back() == '\r') {
                piece.text.pop_back();
            }
            break;
        }
    }
    piece.lineNumber = lineNumber_;
    piece.offset = lineOffset_;
    piece.continued = false;
    inLine_ = false;
    return true;
}

} // namespace tarnveil::cli
