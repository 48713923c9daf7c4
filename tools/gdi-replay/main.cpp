// gdi-replay FILE: replays drawing cases on the raster layer and compares their pixels.
// Prints one line for each failing case and closes with "N passed, M failed".
// gdi-replay --draw FILE prints the cases with the pixels the layer draws instead.

#include "CaseReplay.h"

#include <cstring>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    const bool draw = argc == 3 && std::strcmp(argv[1], "--draw") == 0;
    if (argc != 2 && !draw) {
        std::cerr << "usage: gdi-replay [--draw] FILE\n";
        return 2;
    }
    std::ifstream in(argv[argc - 1]);
    if (!in) {
        std::cerr << "gdi-replay: cannot read " << argv[argc - 1] << "\n";
        return 2;
    }
    const auto results = gdi_replay::replayCases(in, draw ? &std::cout : nullptr);
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
