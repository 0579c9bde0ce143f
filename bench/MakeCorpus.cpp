// Writes a mixed text corpus for command-line throughput runs:
//   make_corpus OUT_FILE MEGABYTES [SEED]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "MixedCorpus.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_corpus OUT_FILE MEGABYTES [SEED]\n");
        return 2;
    }
    const auto megabytes = std::strtoul(argv[2], nullptr, 10);
    const auto seed = argc > 3 ? static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)) : 42u;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 2;
    }
    for (const auto& line : tarnveil::bench::MixedCorpus::lines(megabytes << 20, seed)) {
        std::fputs(line.c_str(), out);
        std::fputc('\n', out);
    }
    return std::fclose(out) == 0 ? 0 : 2;
}
