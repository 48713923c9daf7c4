#include "CaseReplay.h"

#include "gdi/DeviceContext.h"
#include "gdi/FontMapper.h"
#include "gdi/FontRegistry.h"

#include <cstdlib>
#include <istream>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace gdi_replay {

namespace {

using namespace gdi;

const std::vector<COLORREF> kSketchColors = {
    0x000000, 0x000080, 0x0000FF, 0x008000, 0x008080, 0x00FF00, 0x00FFFF, 0x800000,
    0x800080, 0x808000, 0x808080, 0xC0C0C0, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

std::vector<std::string> split(const std::string& line) {
    std::istringstream s(line);
    std::vector<std::string> words;
    for (std::string w; s >> w;)
        words.push_back(w);
    return words;
}

long number(const std::vector<std::string>& words, size_t i) {
    if (i >= words.size()) throw std::runtime_error("missing argument to " + words[0]);
    char* end = nullptr;
    const long v = std::strtol(words[i].c_str(), &end, 0);
    if (*end) throw std::runtime_error("bad number " + words[i]);
    return v;
}

int penStyle(const std::string& s) {
    static const char* names[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null"};
    for (int i = 0; i < 6; ++i)
        if (s == names[i]) return i;
    return std::atoi(s.c_str());
}

std::vector<Point> points(const std::vector<std::string>& words, size_t countAt) {
    const long n = number(words, countAt);
    if (n < 0 || words.size() < countAt + 1 + size_t(2 * n)) throw std::runtime_error("short point list");
    std::vector<Point> pts(n);
    for (long i = 0; i < n; ++i)
        pts[i] = {int32_t(number(words, countAt + 1 + 2 * i)), int32_t(number(words, countAt + 2 + 2 * i))};
    return pts;
}

int fillMode(const std::string& s) {
    return s == "winding" ? WINDING : ALTERNATE;
}

// What follows the first n words of a line: a face name or a text, spaces kept. One
// separator after the last word is dropped, so a text may itself begin with spaces.
std::string restOfLine(const std::string& line, size_t n) {
    size_t p = 0;
    for (size_t i = 0; i < n; ++i) {
        while (p < line.size() && (line[p] == ' ' || line[p] == '\t'))
            ++p;
        while (p < line.size() && line[p] != ' ' && line[p] != '\t')
            ++p;
    }
    if (p < line.size() && (line[p] == ' ' || line[p] == '\t')) ++p;
    return line.substr(p);
}

// One case being replayed: a DC with the drawing bitmap and an optional snapshot.
class Replay {
  public:
    explicit Replay(std::string fontsDir) : m_fontsDir(std::move(fontsDir)) {}

    void start(int32_t w, int32_t h) {
        m_dc = std::make_unique<DeviceContext>();
        m_dc->selectBitmap(Bitmap::create(w, h, 4, kSketchColors));
        m_dc->bitmap()->fill(15);
        m_snapshot.reset();
    }

    void run(const std::string& line, const std::vector<std::string>& w) {
        if (!m_dc) throw std::runtime_error("drawing before size");
        DeviceContext& dc = *m_dc;
        const std::string& c = w[0];
        auto n = [&](size_t i) { return int32_t(number(w, i)); };
        if (c == "pen") {
            dc.selectPen(createPen(penStyle(w.at(1)), n(2), COLORREF(number(w, 3))));
        } else if (c == "brush") {
            const std::string& kind = w.at(1);
            if (kind == "null")
                dc.selectBrush(stockNullBrush());
            else if (kind == "white")
                dc.selectBrush(stockWhiteBrush());
            else if (kind == "solid")
                dc.selectBrush(createSolidBrush(COLORREF(number(w, 2))));
            else if (kind == "hatch")
                dc.selectBrush(createHatchBrush(n(2), COLORREF(number(w, 3))));
            else
                throw std::runtime_error("unknown brush " + kind);
        } else if (c == "rop2") {
            dc.setROP2(n(1));
        } else if (c == "bkmode") {
            dc.setBkMode(w.at(1) == "transparent" ? TRANSPARENT : OPAQUE);
        } else if (c == "bkcolor") {
            dc.setBkColor(COLORREF(number(w, 1)));
        } else if (c == "moveto") {
            dc.moveTo(n(1), n(2));
        } else if (c == "lineto") {
            dc.lineTo(n(1), n(2));
        } else if (c == "rectangle") {
            dc.rectangle(n(1), n(2), n(3), n(4));
        } else if (c == "ellipse") {
            dc.ellipse(n(1), n(2), n(3), n(4));
        } else if (c == "arc") {
            dc.arc(n(1), n(2), n(3), n(4), n(5), n(6), n(7), n(8));
        } else if (c == "polygon") {
            dc.setPolyFillMode(fillMode(w.at(1)));
            const auto pts = points(w, 2);
            dc.polygon(pts.data(), int(pts.size()));
        } else if (c == "polyline") {
            const auto pts = points(w, 1);
            dc.polyline(pts.data(), int(pts.size()));
        } else if (c == "fillrect") {
            dc.fillRect({n(1), n(2), n(3), n(4)}, dc.brush());
        } else if (c == "floodfill") {
            dc.floodFill(n(1), n(2), dc.getPixel(n(1), n(2)), FLOODFILLSURFACE);
        } else if (c == "setpixel") {
            dc.setPixel(n(1), n(2), COLORREF(number(w, 3)));
        } else if (c == "snapshot") {
            const Bitmap& bm = *dc.bitmap();
            m_snapshot = std::make_unique<DeviceContext>();
            m_snapshot->selectBitmap(bm.createCompatible(bm.width(), bm.height()));
            m_snapshot->bitBlt(0, 0, bm.width(), bm.height(), &dc, 0, 0, SRCCOPY);
        } else if (c == "stretchblt") {
            dc.stretchBlt(n(1), n(2), n(3), n(4), source(), n(5), n(6), n(7), n(8), SRCCOPY);
        } else if (c == "bitblt") {
            dc.bitBlt(n(1), n(2), n(3), n(4), source(), n(5), n(6),
                      uint32_t(std::strtoul(w.at(7).c_str(), 0, 0)));
        } else if (c == "clippoly") {
            const auto pts = points(w, 2);
            const Region r = Region::fromPolygon(pts.data(), int(pts.size()), fillMode(w.at(1)));
            dc.selectClipRegion(&r);
        } else if (c == "clipnone") {
            dc.selectClipRegion(nullptr);
        } else if (c == "framepoly" || c == "fillpoly") {
            const auto pts = points(w, 2);
            const Region r = Region::fromPolygon(pts.data(), int(pts.size()), fillMode(w.at(1)));
            if (c == "framepoly")
                dc.frameRegion(r, dc.brush(), 1, 1);
            else
                dc.fillRegion(r, dc.brush());
        } else if (c == "fontfile") {
            addFontFile(restOfLine(line, 1));
        } else if (c == "font") {
            LogFont log;
            log.height = n(1);
            log.escapement = n(2);
            log.orientation = n(3);
            log.weight = n(4);
            log.italic = n(5) != 0;
            log.underline = n(6) != 0;
            log.charSet = uint8_t(n(7));
            log.outPrecision = uint8_t(n(8));
            log.pitchAndFamily = uint8_t(n(9));
            log.faceName = restOfLine(line, 10);
            dc.selectFont(createFontIndirect(log));
        } else if (c == "textcolor") {
            dc.setTextColor(COLORREF(number(w, 1)));
        } else if (c == "textalign") {
            dc.setTextAlign(uint32_t(number(w, 1)));
        } else if (c == "textout") {
            dc.textOut(n(1), n(2), restOfLine(line, 3));
        } else {
            throw std::runtime_error("unknown command " + c);
        }
    }

    const Bitmap& bitmap() const { return *m_dc->bitmap(); }

  private:
    // A file is added once for all the cases that name it, as a process keeps its
    // private fonts.
    void addFontFile(const std::string& name) {
        const std::string path = m_fontsDir.empty() ? name : m_fontsDir + "/" + name;
        if (m_addedFonts.count(path)) return;
        if (!FontRegistry::instance().addFontFile(path)) throw std::runtime_error("cannot add font " + path);
        m_addedFonts.insert(path);
        FontMapper::instance().clear();
    }

    const DeviceContext* source() const {
        if (!m_snapshot) throw std::runtime_error("blit without snapshot");
        return m_snapshot.get();
    }

    std::unique_ptr<DeviceContext> m_dc;
    std::unique_ptr<DeviceContext> m_snapshot;
    std::string m_fontsDir;
    std::set<std::string> m_addedFonts;
};

std::string firstDifference(const Bitmap& bm, const std::vector<std::string>& rows) {
    if (int32_t(rows.size()) != bm.height()) return "expected " + std::to_string(rows.size()) + " rows";
    for (int32_t y = 0; y < bm.height(); ++y) {
        if (int32_t(rows[y].size()) != bm.width()) return "row " + std::to_string(y) + " has the wrong width";
        for (int32_t x = 0; x < bm.width(); ++x) {
            const unsigned want = std::stoul(std::string(1, rows[y][x]), nullptr, 16);
            const unsigned got = bm.pixel(x, y);
            if (want != got) {
                std::ostringstream s;
                s << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", expected " << want;
                return s.str();
            }
        }
    }
    return {};
}

void writePixels(std::ostream& out, const Bitmap& bm) {
    out << "expect\n";
    for (int32_t y = 0; y < bm.height(); ++y) {
        for (int32_t x = 0; x < bm.width(); ++x)
            out << "0123456789abcdef"[bm.pixel(x, y) & 15];
        out << "\n";
    }
    out << "end\n";
}

} // namespace

std::vector<CaseResult> replayCases(std::istream& in, std::ostream* draw, const std::string& fontsDir) {
    std::vector<CaseResult> results;
    Replay replay(fontsDir);
    CaseResult current;
    bool inCase = false, expecting = false, broken = false;
    std::vector<std::string> expected;

    auto finish = [&]() {
        if (!inCase) return;
        if (!broken) {
            if (draw) {
                writePixels(*draw, replay.bitmap());
                current.passed = true;
            } else if (!expecting) {
                current.message = "no expected pixels";
            } else {
                current.message = firstDifference(replay.bitmap(), expected);
                current.passed = current.message.empty();
            }
        }
        results.push_back(current);
        inCase = expecting = broken = false;
    };

    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto words = split(line);
        if (words.empty() || words[0][0] == '#') {
            if (draw && !inCase) *draw << line << "\n";
            continue;
        }
        if (words[0] == "case") {
            finish();
            current = {words.size() > 1 ? words[1] : "?", false, {}};
            expected.clear();
            inCase = true;
            if (draw) *draw << line << "\n";
            continue;
        }
        if (!inCase) continue;
        if (words[0] == "end" || words[0] == "draw") {
            finish();
            continue;
        }
        if (words[0] == "expect") {
            expecting = true;
            continue;
        }
        if (expecting) {
            expected.push_back(words[0]);
            continue;
        }
        if (draw) *draw << line << "\n";
        if (broken) continue;
        try {
            if (words[0] == "size")
                replay.start(int32_t(number(words, 1)), int32_t(number(words, 2)));
            else
                replay.run(line, words);
        } catch (const std::exception& e) {
            broken = true;
            current.message = e.what();
        }
    }
    finish();
    return results;
}

} // namespace gdi_replay
