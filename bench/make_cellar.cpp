// Writes a synthetic cellar: make_cellar COUNT OUT [--seed N] [--data DIR] [--large] [--sample]

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "cellar_generator.h"
#include "storage/database_file.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: make_cellar COUNT OUT [--seed N] [--data DIR] [--large] [--sample]\n");
    return 1;
}

bool parseNumber(const char* text, unsigned long long& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    out = std::strtoull(text, &end, 10);
    return *end == '\0' && text[0] != '-';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    unsigned long long count = 0;
    if (!parseNumber(argv[1], count) || count == 0 || count > 10'000'000) return usage();
    const std::string out = argv[2];

    unsigned long long seed = 1;
    vorlane::GeneratorOptions options;
    for (int i = 3; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            if (!parseNumber(argv[++i], seed) || seed > 0xFFFFFFFFull) return usage();
        } else if (arg == "--data" && i + 1 < argc) {
            options.dataDir = argv[++i];
        } else if (arg == "--large") {
            options.large = true;
        } else if (arg == "--sample") {
            options.sample = true;
        } else {
            return usage();
        }
    }

    try {
        vorlane::Database db = vorlane::GenerateCellar(count, static_cast<std::uint32_t>(seed), options);
        vorlane::FileResult result = vorlane::SaveDatabaseFile(db, out);
        if (!result.ok) {
            std::fprintf(stderr, "make_cellar: %s: %s\n", out.c_str(), result.error.c_str());
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_cellar: %s\n", e.what());
        return 2;
    }
    std::printf("%llu records written to %s\n", count, out.c_str());
    return 0;
}
