// gdi-replay [--fonts DIR] FILE: replays drawing cases on the raster layer and compares
// their pixels. Prints one line for each failing case and closes with "N passed, M failed".
// gdi-replay [--fonts DIR] --draw FILE prints the cases with the pixels the layer draws
// instead. Text cases name their font files relative to DIR, by default the build's
// font folder.

#include "CaseReplay.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {
int usage() {
    std::cerr << "usage: gdi-replay [--fonts DIR] [--draw] FILE\n";
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    std::string fontsDir = GDI_REPLAY_FONTS_DIR;
    bool draw = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--draw")
            draw = true;
        else if (arg == "--fonts" && i + 1 < argc)
            fontsDir = argv[++i];
        else if (file.empty() && !arg.starts_with("--"))
            file = arg;
        else
            return usage();
    }
    if (file.empty()) return usage();
    std::ifstream in(file);
    if (!in) {
        std::cerr << "gdi-replay: cannot read " << file << "\n";
        return 2;
    }
    const auto results = gdi_replay::replayCases(in, draw ? &std::cout : nullptr, fontsDir);
    if (draw) return 0;
    int passed = 0, failed = 0;
    for (const auto& r : results) {
        if (r.passed) {
            ++passed;
        } else {
            ++failed;
            std::cout << "FAIL " << r.name << ": " << r.message << "\n";
        }
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    return failed == 0 && passed > 0 ? 0 : 1;
}
