// Throughput of DetectorRegistry::detect over a mixed corpus with all 27 detectors, on one
// thread, with and without the rules' literal pre-filters.
#include <benchmark/benchmark.h>

#include <numeric>

#include "MixedCorpus.h"
#include "detection/DetectorRegistry.h"
#include "detection/RegexDetector.h"

namespace {

using namespace tarnveil;

/// A detector that scans without the literal pre-filters, to measure what they save.
class UnfilteredDetector final : public Detector {
public:
    explicit UnfilteredDetector(std::shared_ptr<const RegexDetector> inner) : inner_(std::move(inner)) {}
    const std::string& id() const override { return inner_->id(); }
    DetectionCategory category() const override { return inner_->category(); }
    Severity severity() const override { return inner_->severity(); }
    std::vector<TextRange> matches(std::string_view text) const override
    {
        return inner_->matchesWithoutPrefilters(text);
    }

private:
    std::shared_ptr<const RegexDetector> inner_;
};

const std::vector<std::string>& corpus()
{
    static const auto lines = bench::MixedCorpus::lines(4 << 20);
    return lines;
}

std::set<std::string> allIds(const DetectorRegistry& registry)
{
    std::set<std::string> ids;
    for (const auto& detector : registry.detectors()) {
        ids.insert(detector->id());
    }
    return ids;
}

void runCorpus(benchmark::State& state, const DetectorRegistry& registry)
{
    const auto& lines = corpus();
    const auto ids = allIds(registry);
    const std::size_t bytes =
        std::accumulate(lines.begin(), lines.end(), std::size_t{0}, [](std::size_t n, const std::string& line) {
            return n + line.size() + 1;
        });
    std::size_t findings = 0;
    for (auto _ : state) {
        for (const auto& line : lines) {
            findings += registry.detect(line, ids).size();
        }
    }
    benchmark::DoNotOptimize(findings);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(state.iterations() * lines.size()),
                                                   benchmark::Counter::kIsRate);
}

void BM_DetectAll27(benchmark::State& state) { runCorpus(state, *DetectorRegistry::makeDefault()); }

void BM_DetectAll27WithoutPrefilters(benchmark::State& state)
{
    const auto filtered = DetectorRegistry::makeDefault();
    std::vector<std::shared_ptr<const Detector>> unfiltered;
    for (const auto& detector : filtered->detectors()) {
        unfiltered.push_back(std::make_shared<UnfilteredDetector>(
            std::dynamic_pointer_cast<const RegexDetector>(detector)));
    }
    runCorpus(state, DetectorRegistry(std::move(unfiltered), Allowlist()));
}

void BM_DetectLongLine(benchmark::State& state)
{
    // One line of a megabyte of characters that make some rules backtrack heavily.
    const std::string line(1 << 20, static_cast<char>(state.range(0)));
    const auto registry = DetectorRegistry::makeDefault();
    const auto ids = allIds(*registry);
    for (auto _ : state) {
        benchmark::DoNotOptimize(registry->detect(line, ids));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}

} // namespace

BENCHMARK(BM_DetectAll27)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DetectAll27WithoutPrefilters)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DetectLongLine)->Arg('.')->Arg('7')->Arg('a')->Arg('%')->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
