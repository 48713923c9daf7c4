#include "TextInk.h"

#include "document/Cp1251.h"
#include "document/RotatedText.h"
#include "document/SketchBitmap.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace forms {

namespace {

constexpr uint32_t White = 15;
constexpr float QuarterTurn = 1.5707964f;

// Every character an exchange line can hold that leaves ink.
std::vector<std::string> codePageCharacters() {
    std::vector<std::string> out;
    for (int code = 0x21; code <= 0xFF; ++code) {
        if (code == 0x7F || code == 0x98 || code == 0xA0) continue;
        out.push_back(Cp1251ToUtf8(std::string(1, char(code))));
    }
    return out;
}

} // namespace

void InkBox::add(int32_t x, int32_t y) {
    if (empty()) {
        *this = {x, y, x, y};
        return;
    }
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
}

void InkBox::add(const InkBox& other) {
    if (other.empty()) return;
    add(other.left, other.top);
    add(other.right, other.bottom);
}

InkBox measureInk(const std::function<void(gdi::DeviceContext&, gdi::Point)>& draw, int32_t reach) {
    gdi::BitmapPtr scratch = CreateSketchDib(2 * reach, 2 * reach);
    if (!scratch) throw std::runtime_error("no memory for a scratch sketch");
    scratch->fill(White);
    gdi::DeviceContext dc;
    dc.selectBitmap(scratch);
    draw(dc, {reach, reach});
    InkBox ink;
    for (int32_t y = 0; y < scratch->height(); ++y)
        for (int32_t x = 0; x < scratch->width(); ++x)
            if (scratch->pixel(x, y) != White) ink.add(x - reach, y - reach);
    return ink;
}

ValueInk ValueInk::measure() {
    ValueInk ink;
    gdi::DeviceContext dc;
    dc.selectBitmap(CreateSketchDib(1, 1));
    dc.selectFont(CreateRotatedFont(-13, 0));
    for (const std::string& c : codePageCharacters()) {
        const int32_t advance = dc.textExtent(c).cx;
        if (ink.m_advance == 0) ink.m_advance = advance;
        // Capacities are counted in characters, which only a monospaced face allows.
        if (advance != ink.m_advance || advance <= 0)
            throw std::runtime_error("the title-block face is not monospaced at \"" + c + "\"");
        ink.m_across.add(measureInk(
            [&](gdi::DeviceContext& to, gdi::Point at) { DrawRotatedText(to, at.x, at.y, c, 0); }));
        ink.m_upward.add(measureInk(
            [&](gdi::DeviceContext& to, gdi::Point at) { DrawRotatedText(to, at.x, at.y, c, QuarterTurn); }));
    }
    if (ink.m_across.empty() || ink.m_upward.empty())
        throw std::runtime_error("the title-block face draws nothing");
    return ink;
}

InkBox ValueInk::lineInk(TTitleBlockKind kind, int32_t n) const {
    const int32_t run = std::max(0, n - 1) * m_advance;
    if (kind == TitleTextUpward) return {m_upward.left, m_upward.top - run, m_upward.right, m_upward.bottom};
    return {m_across.left, m_across.top, m_across.right + run, m_across.bottom};
}

std::optional<ValueInk::Placement> ValueInk::place(TTitleBlockKind kind, const gdi::Rect& cell, int32_t lead,
                                                   int32_t gap) const {
    lead = std::max(lead, gap);
    int32_t x = 0, y = 0, room = 0;
    if (kind == TitleTextUpward) {
        if (cell.width() < m_upward.width() + 2 * gap) return std::nullopt;
        x = cell.left + (cell.width() - m_upward.width()) / 2 - m_upward.left;
        y = cell.bottom - 1 - lead - m_upward.bottom;
        room = y + m_upward.top - cell.top - gap;
    } else {
        if (cell.height() < m_across.height() + 2 * gap) return std::nullopt;
        x = cell.left + lead - m_across.left;
        y = cell.top + (cell.height() - m_across.height()) / 2 - m_across.top;
        room = cell.right - 1 - gap - x - m_across.right;
    }
    // room: pixels the ink of the first character leaves for more characters.
    if (room < 0 || x < 0 || y < 0 || x > 0xFFFF || y > 0xFFFF) return std::nullopt;
    return Placement{{uint16_t(kind), uint16_t(x), uint16_t(y)}, room / m_advance + 1};
}

} // namespace forms
