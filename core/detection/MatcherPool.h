#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/uversion.h>

#include "detection/RegexOptions.h"

U_NAMESPACE_BEGIN
class RegexMatcher;
class RegexPattern;
U_NAMESPACE_END

namespace tarnveil {

class LineText;

/// A compiled pattern shared by every thread, with a pool of matchers for it. ICU patterns
/// are safe to share; matchers are not, so each scan borrows one and gives it back.
class MatcherPool {
public:
    /// Compiles `pattern`; a pattern the engine refuses stops the program, naming the
    /// pattern and the engine's error.
    MatcherPool(std::string_view pattern, RegexOptions options);
    ~MatcherPool();
    MatcherPool(const MatcherPool&) = delete;
    MatcherPool& operator=(const MatcherPool&) = delete;

    class Lease {
    public:
        Lease(MatcherPool& pool, std::unique_ptr<icu::RegexMatcher> matcher);
        ~Lease();
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        icu::RegexMatcher& operator*() const { return *matcher_; }
        icu::RegexMatcher* operator->() const { return matcher_.get(); }

    private:
        MatcherPool& pool_;
        std::unique_ptr<icu::RegexMatcher> matcher_;
    };

    /// A matcher for this pattern, returned to the pool when the lease ends.
    Lease acquire();

    const std::string& pattern() const { return pattern_; }

    /// Whether the pattern occurs anywhere in `text` (UTF-8).
    bool finds(std::string_view text);

    /// Points `matcher` at the UTF-16 form of `line` (which must outlive the search).
    static void attach(icu::RegexMatcher& matcher, const LineText& line);

private:
    void release(std::unique_ptr<icu::RegexMatcher> matcher);

    std::string pattern_;
    std::unique_ptr<icu::RegexPattern> compiled_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<icu::RegexMatcher>> idle_;
};

} // namespace tarnveil
