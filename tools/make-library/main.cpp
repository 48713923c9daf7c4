// make-library --stage DIR --beside DIR: writes the starter blocks and instruments into
// the staging folder (from which they are installed), always afresh, and into the folder
// beside the program only where no file of the same name is there yet.

#include "StarterLibrary.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 5 || std::strcmp(argv[1], "--stage") != 0 || std::strcmp(argv[3], "--beside") != 0) {
        std::fprintf(stderr, "usage: make-library --stage DIR --beside DIR\n");
        return 2;
    }
    try {
        const std::filesystem::path stage = argv[2];
        WriteStarterLibrary(stage, true);
        const int added = WriteStarterLibrary(argv[4], false);
        std::printf("starter library: %d new file(s) beside the program\n", added);
        // The build's mark that the library is up to date.
        std::ofstream(stage / "starter-library.stamp") << "written\n";
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-library: %s\n", e.what());
        return 1;
    }
    return 0;
}
