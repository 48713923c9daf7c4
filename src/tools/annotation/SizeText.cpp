#include "tools/annotation/SizeText.h"

#include "tools/base/ToolDrawing.h"

#include "document/Geometry.h"
#include "document/SketchBitmap.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// 11 points on the sketch's memory DC, which counts 96 pixels to the inch.
constexpr int32_t FontPoints = 11;
constexpr double DegreesPerRadian = 57.295779513082320877;

gdi::FontPtr dimensionFont() {
    gdi::LogFont log;
    log.height = -int32_t(std::nearbyint(double(FontPoints) * SketchPixelsPerInch / 72.0));
    log.weight = gdi::FW_NORMAL;
    log.charSet = 1;
    log.outPrecision = 4;
    log.faceName = "ZYQ Courier";
    return gdi::createFontIndirect(log);
}

// Restores the DC's line drawing state when a routine is done.
class TPenScope {
  public:
    TPenScope(gdi::DeviceContext& dc, gdi::COLORREF colour)
        : m_dc(dc), m_pen(dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, colour))),
          m_rop(dc.setROP2(gdi::R2_COPYPEN)) {}
    ~TPenScope() {
        m_dc.setROP2(m_rop);
        m_dc.selectPen(std::move(m_pen));
    }
    TPenScope(const TPenScope&) = delete;
    TPenScope& operator=(const TPenScope&) = delete;

  private:
    gdi::DeviceContext& m_dc;
    gdi::PenPtr m_pen;
    int m_rop;
};

} // namespace

// ---- The inscription ----------------------------------------------------------------------------

TSizeText::TSizeText() : Font(dimensionFont()) {}

void TSizeText::Clear() {
    Anchor = {0, 0};
    for (std::string& part : Parts)
        part.clear();
    PartWidths.fill(0);
    PartPos.fill({0, 0});
    TotalWidth = 0;
    MaxHeight = 0;
    SetAngle(0);
}

const std::string& TSizeText::GetPart(int i) const {
    return Parts.at(size_t(i - 1));
}

void TSizeText::SetPart(int i, std::string s) {
    Parts.at(size_t(i - 1)) = std::move(s);
}

bool TSizeText::IsEmpty() const {
    return std::all_of(Parts.begin(), Parts.end(), [](const std::string& p) { return p.empty(); });
}

void TSizeText::SetAngle(float a) {
    Angle = a;
    // The escapement counts counter-clockwise, the sketch's angles clockwise.
    RotateFont(Font, float(-double(a) * DegreesPerRadian));
}

void TSizeText::Measure(gdi::DeviceContext& dc) {
    gdi::FontPtr old = dc.selectFont(Font);
    MaxHeight = 0;
    for (size_t i = 0; i < Parts.size(); ++i) {
        const gdi::Size extent = dc.textExtent(Parts[i]);
        PartWidths[i] = extent.cx;
        MaxHeight = std::max(MaxHeight, extent.cy);
    }
    TotalWidth = PartWidths[0] + PartWidths[1] + std::max(PartWidths[2], PartWidths[3]) + PartWidths[4];
    dc.selectFont(std::move(old));
}

int32_t TSizeText::Width(gdi::DeviceContext& dc) {
    Measure(dc);
    return TotalWidth;
}

void TSizeText::Layout() {
    const int32_t x1 = -(TotalWidth / 2);
    const int32_t x2 = x1 + PartWidths[0];
    const int32_t x3 = x2 + PartWidths[1];
    const int32_t x5 = x3 + std::max(PartWidths[2], PartWidths[3]);
    const bool deviations = !Parts[2].empty() || !Parts[3].empty();
    // Beside deviations the main text stands a quarter of its height higher.
    const int32_t main = deviations ? -(MaxHeight / 4) : 0;
    const std::array<gdi::Point, PartCount> local = {{{x1, main}, {x2, main}, {x3, -5}, {x3, 0}, {x5, main}}};
    for (size_t i = 0; i < local.size(); ++i) {
        gdi::Point p{Anchor.x + local[i].x, Anchor.y + local[i].y};
        RotatePoint(p, Anchor, Angle);
        PartPos[i] = p;
    }
}

void TSizeText::Draw(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy) {
    Measure(dc);
    Layout();
    const int oldBk = dc.setBkMode(gdi::TRANSPARENT);
    const gdi::COLORREF oldColour = dc.setTextColor(colour);
    gdi::FontPtr oldFont = dc.selectFont(Font);
    dc.setTextAlign(gdi::TA_BOTTOM | gdi::TA_LEFT);
    for (size_t i = 0; i < Parts.size(); ++i)
        dc.textOut(PartPos[i].x + dx, PartPos[i].y + dy, Parts[i]);
    dc.selectFont(std::move(oldFont));
    dc.setTextColor(oldColour);
    dc.setBkMode(oldBk);
}

// ---- The leader ---------------------------------------------------------------------------------

void TRemoteLine::Reset() {
    StartPoint = {0, 0};
    EndPoint = {0, 0};
    ToLeft = false;
}

void TRemoteLine::Draw(gdi::DeviceContext& dc, gdi::COLORREF colour, int32_t dx, int32_t dy) {
    TPenScope pen(dc, colour);
    dc.moveTo(StartPoint.x + dx, StartPoint.y + dy);
    dc.lineTo(EndPoint.x + dx, EndPoint.y + dy);
    if (!Text) return;
    const int32_t w = Text->Width(dc);
    const int32_t shelf = ToLeft ? -(w + 5) : w + 5;
    Text->Anchor = {EndPoint.x + shelf / 2, EndPoint.y};
    dc.lineTo(EndPoint.x + shelf + dx, EndPoint.y + dy);
    Text->Draw(dc, colour, dx, dy);
}

// ---- The arrow ----------------------------------------------------------------------------------

void DrawDimArrow(gdi::DeviceContext& dc, int32_t x, int32_t y, bool withShaft, float cos, float sin) {
    static constexpr std::array<gdi::Point, 5> outline = {{{-15, -3}, {-12, 0}, {-15, 3}, {0, 0}, {-20, 0}}};
    const size_t count = withShaft ? outline.size() : outline.size() - 1;
    dc.moveTo(x, y);
    for (size_t i = 0; i < count; ++i) {
        gdi::Point p = outline[i];
        RotateVector(p, cos, sin);
        dc.lineTo(x + p.x, y + p.y);
    }
}
