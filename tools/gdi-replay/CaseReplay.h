#pragma once
// Drawing cases: a small text format naming a bitmap size, a sequence of drawing
// commands and the palette index every pixel must have afterwards. The cases pin the
// raster rules down pixel by pixel; tests/data/README.md describes the format.

#include <iosfwd>
#include <string>
#include <vector>

namespace gdi_replay {

struct CaseResult {
    std::string name;
    bool passed = false;
    std::string message; // first difference, or the reason the case could not run
};

// Replays every case of the stream. Cases without an expect block are drawn and, when
// `draw` is given, their pixels are written there in the same format. The font files
// that cases name are looked up in fontsDir.
std::vector<CaseResult> replayCases(std::istream& in, std::ostream* draw = nullptr,
                                    const std::string& fontsDir = {});

} // namespace gdi_replay
