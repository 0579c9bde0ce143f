#include "detection/MatcherPool.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

#include <cstdio>
#include <cstdlib>

#include "detection/LineText.h"

namespace tarnveil {

namespace {

// Idle matchers kept per pattern; more than this many concurrent scans simply make new ones.
constexpr std::size_t maxIdleMatchers = 16;

[[noreturn]] void failToCompile(const std::string& pattern, UErrorCode status, const UParseError& where)
{
    std::fprintf(stderr,
                 "TarnveilCore/Detector: Fatal error: the pattern \"%s\" does not compile: %s (line %d, offset %d)\n",
                 pattern.c_str(), u_errorName(status), where.line, where.offset);
    std::fflush(stderr);
    std::abort();
}

} // namespace

MatcherPool::MatcherPool(std::string_view pattern, RegexOptions options) : pattern_(pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    UParseError where{};
    const uint32_t flags = options == RegexOptions::caseInsensitive ? UREGEX_CASE_INSENSITIVE : 0;
    compiled_.reset(icu::RegexPattern::compile(icu::UnicodeString::fromUTF8(pattern_), flags, where, status));
    if (U_FAILURE(status) || !compiled_) {
        failToCompile(pattern_, status, where);
    }
}

MatcherPool::~MatcherPool()
{
    // Matchers refer to the pattern: free them first.
    idle_.clear();
}

MatcherPool::Lease::Lease(MatcherPool& pool, std::unique_ptr<icu::RegexMatcher> matcher)
    : pool_(pool), matcher_(std::move(matcher))
{
}

MatcherPool::Lease::~Lease() { pool_.release(std::move(matcher_)); }

MatcherPool::Lease MatcherPool::acquire()
{
    {
        std::lock_guard lock(mutex_);
        if (!idle_.empty()) {
            auto matcher = std::move(idle_.back());
            idle_.pop_back();
            return Lease(*this, std::move(matcher));
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matcher(compiled_->matcher(status));
    if (U_FAILURE(status) || !matcher) {
        std::fprintf(stderr, "TarnveilCore/Detector: Fatal error: no matcher for \"%s\": %s\n", pattern_.c_str(),
                     u_errorName(status));
        std::abort();
    }
    return Lease(*this, std::move(matcher));
}

bool MatcherPool::finds(std::string_view text)
{
    const LineText line(text);
    auto matcher = acquire();
    attach(*matcher, line);
    UErrorCode status = U_ZERO_ERROR;
    const bool found = matcher->find(status);
    return U_SUCCESS(status) && found;
}

void MatcherPool::attach(icu::RegexMatcher& matcher, const LineText& line)
{
    UErrorCode status = U_ZERO_ERROR;
    UText text = UTEXT_INITIALIZER;
    utext_openUChars(&text, reinterpret_cast<const UChar*>(line.utf16()), line.utf16Length(), &status);
    matcher.reset(&text);
    utext_close(&text);
}

void MatcherPool::release(std::unique_ptr<icu::RegexMatcher> matcher)
{
    std::lock_guard lock(mutex_);
    if (idle_.size() < maxIdleMatchers) {
        idle_.push_back(std::move(matcher));
    }
}

} // namespace tarnveil
