#include "StarterLibrary.h"

#include <initializer_list>
#include <system_error>

namespace {

constexpr uint8_t Solid = 0;
constexpr uint8_t DashDot = 3;

// Builds a block from polylines; points that meet are shared, as the block tool shares
// them when a line starts on a point.
class TSketcher {
  public:
    void Polyline(std::initializer_list<TBlockPoint> points, uint8_t style = Solid, bool closed = false) {
        int32_t first = -1, previous = -1;
        for (TBlockPoint p : points) {
            const int32_t found = m_block.FindPoint(p);
            const int32_t index = found >= 0 ? found : m_block.AddPoint(p);
            if (previous >= 0) m_block.AddSegment(previous, index, style, 1);
            if (first < 0) first = index;
            previous = index;
        }
        if (closed) m_block.AddSegment(previous, first, style, 1);
    }
    void Line(TBlockPoint a, TBlockPoint b, uint8_t style = Solid) { Polyline({a, b}, style); }
    // The anchor where the block is held: the point a user places it by.
    TStarterItem Item(const std::string& name, TBlockPoint anchor) {
        m_block.SetAnchor(anchor);
        return {name, m_block};
    }

  private:
    TBlockObject m_block;
};

TStarterItem centreHole() {
    TSketcher s;
    s.Line({-8, 0}, {40, 0}, DashDot);
    s.Polyline({{0, -12}, {10, -6}, {24, -6}, {28, -3}, {28, 3}, {24, 6}, {10, 6}, {0, 12}});
    s.Line({10, -6}, {10, 6});
    return s.Item("Центровое отверстие.blk", {0, 0});
}

TStarterItem threadEnd() {
    TSketcher s;
    s.Line({-6, 0}, {50, 0}, DashDot);
    s.Polyline({{0, -16}, {40, -16}, {40, 16}, {0, 16}});
    s.Polyline({{0, -13}, {34, -13}, {38, -16}});
    s.Polyline({{0, 13}, {34, 13}, {38, 16}});
    return s.Item("Конец резьбы.blk", {40, 0});
}

TStarterItem chamferSign() {
    TSketcher s;
    s.Polyline({{0, 30}, {0, 8}, {8, 0}, {30, 0}});
    s.Polyline({{4, 4}, {24, 24}, {44, 24}});
    return s.Item("Фаска.blk", {4, 4});
}

TStarterItem surfaceFinish() {
    TSketcher s;
    s.Polyline({{-6, -10}, {0, 0}, {12, -20}, {36, -20}});
    s.Line({-6, -10}, {5, -10});
    return s.Item("Шероховатость.blk", {0, 0});
}

TStarterItem centreLines() {
    TSketcher s;
    s.Line({-20, 0}, {20, 0}, DashDot);
    s.Line({0, -20}, {0, 20}, DashDot);
    return s.Item("Осевые линии.blk", {0, 0});
}

TStarterItem turningTool() {
    TSketcher s;
    s.Polyline({{0, 0}, {14, -8}, {14, -20}, {90, -20}, {90, 0}, {24, 0}, {0, 0}});
    s.Line({14, -8}, {24, 0});
    return s.Item("Резец проходной.ins", {0, 0});
}

TStarterItem boringBar() {
    TSketcher s;
    s.Polyline({{0, 0}, {6, -8}, {14, -8}, {14, 4}, {120, 4}, {120, 14}, {10, 14}, {10, 6}, {0, 0}});
    return s.Item("Резец расточной.ins", {0, 0});
}

TStarterItem drill() {
    TSketcher s;
    s.Line({-6, 0}, {130, 0}, DashDot);
    s.Polyline(
        {{0, 0}, {12, -8}, {80, -8}, {80, -6}, {124, -6}, {124, 6}, {80, 6}, {80, 8}, {12, 8}, {0, 0}});
    s.Line({20, -8}, {36, 8});
    s.Line({44, -8}, {60, 8});
    return s.Item("Сверло.ins", {0, 0});
}

TStarterItem endMill() {
    TSketcher s;
    s.Line({60, 0}, {-6, 0}, DashDot);
    s.Polyline({{0, -12}, {44, -12}, {44, -8}, {110, -8}, {110, 8}, {44, 8}, {44, 12}, {0, 12}}, Solid, true);
    s.Line({6, -12}, {20, 12});
    s.Line({22, -12}, {36, 12});
    return s.Item("Фреза концевая.ins", {0, 0});
}

TStarterItem groovingTool() {
    TSketcher s;
    s.Polyline({{0, 0}, {0, 30}, {10, 34}, {10, 52}, {70, 52}, {70, 34}, {6, 34}, {6, 0}, {0, 0}});
    return s.Item("Резец канавочный.ins", {3, 0});
}

int writeInto(const std::filesystem::path& folder, const std::vector<TStarterItem>& items, bool replace) {
    std::filesystem::create_directories(folder);
    int written = 0;
    for (const TStarterItem& item : items) {
        const std::filesystem::path file = folder / std::filesystem::u8path(item.FileName);
        std::error_code error;
        if (!replace && std::filesystem::exists(file, error)) continue;
        item.Block.SaveToFile(file.string());
        ++written;
    }
    return written;
}

} // namespace

std::vector<TStarterItem> StarterBlocks() {
    return {centreHole(), threadEnd(), chamferSign(), surfaceFinish(), centreLines()};
}

std::vector<TStarterItem> StarterInstruments() {
    return {turningTool(), boringBar(), drill(), endMill(), groovingTool()};
}

int WriteStarterLibrary(const std::filesystem::path& folder, bool replace) {
    return writeInto(folder / "Blocks", StarterBlocks(), replace) +
           writeInto(folder / "Instrument", StarterInstruments(), replace);
}
