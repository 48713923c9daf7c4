#include "SheetFormBuilder.h"

#include "document/RotatedText.h"
#include "document/SketchBitmap.h"
#include "gdi/Font.h"
#include "gdi/Pen.h"

#include <algorithm>
#include <stdexcept>

namespace forms {

namespace {

constexpr uint32_t White = 15;
constexpr float QuarterTurn = 1.5707964f;
// White between a label or a value and the rule it starts from.
constexpr int32_t Lead = 3;

bool isWhite(const gdi::Bitmap& bitmap, int32_t x, int32_t y) {
    return bitmap.pixel(x, y) == White;
}

gdi::FontPtr labelFont(const LabelStyle& style) {
    if (style.upward) return CreateRotatedFont(style.height, QuarterTurn);
    gdi::LogFont log;
    log.height = style.height;
    log.faceName = "zyq courier";
    return gdi::createFontIndirect(log);
}

void drawText(gdi::DeviceContext& dc, gdi::Point at, const std::string& text, const LabelStyle& style) {
    dc.setTextAlign(gdi::TA_LEFT | gdi::TA_TOP);
    dc.setBkMode(gdi::TRANSPARENT);
    dc.setTextColor(0);
    gdi::FontPtr old = dc.selectFont(labelFont(style));
    dc.textOut(at.x, at.y, text);
    dc.selectFont(std::move(old));
}

} // namespace

SheetFormBuilder::SheetFormBuilder(std::string name, std::string extension, int32_t width, int32_t height,
                                   const ValueInk& ink)
    : m_name(std::move(name)), m_extension(std::move(extension)), m_ink(ink),
      m_picture(CreateSketchDib(width, height)) {
    if (!m_picture) fail("sheet", "no memory for the picture");
    m_picture->fill(White);
}

void SheetFormBuilder::hline(double y, double x1, double x2, Stroke stroke) {
    m_rules.push_back({true, y, std::min(x1, x2), std::max(x1, x2), stroke});
}

void SheetFormBuilder::vline(double x, double y1, double y2, Stroke stroke) {
    m_rules.push_back({false, x, std::min(y1, y2), std::max(y1, y2), stroke});
}

void SheetFormBuilder::box(const MmRect& r, Stroke stroke) {
    hline(r.top, r.left, r.right, stroke);
    hline(r.bottom, r.left, r.right, stroke);
    vline(r.left, r.top, r.bottom, stroke);
    vline(r.right, r.top, r.bottom, stroke);
}

void SheetFormBuilder::label(std::string text, const MmRect& area, LabelStyle style) {
    m_labels.push_back({std::move(text), area, style});
}

void SheetFormBuilder::field(std::string name, const MmRect& area, TTitleBlockKind kind, FieldStyle style) {
    m_fields.push_back({std::move(name), area, kind, style});
}

// A rule of some weight starts on the first pixel row or column of a rule it meets and
// covers the meeting rule's width at its far end, so that corners close without notches
// and nothing pokes into the next cell.
int32_t SheetFormBuilder::reachBeyond(const Rule& rule, double end) const {
    int32_t reach = 0;
    for (const Rule& other : m_rules) {
        if (other.horizontal == rule.horizontal || px(other.at) != px(end)) continue;
        const int32_t at = px(rule.at);
        if (px(other.from) <= at && at <= px(other.to) + 1)
            reach = std::max(reach, int32_t(other.stroke) - 1);
    }
    return reach;
}

void SheetFormBuilder::drawRule(const Rule& rule) {
    gdi::DeviceContext dc;
    dc.selectBitmap(m_picture);
    dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, 0));
    const int32_t from = px(rule.from), to = px(rule.to) + reachBeyond(rule, rule.to);
    for (int32_t k = 0; k < int32_t(rule.stroke); ++k) {
        const int32_t at = px(rule.at) + k;
        if (rule.horizontal) {
            dc.moveTo(from, at);
            dc.lineTo(to + 1, at);
        } else {
            dc.moveTo(at, from);
            dc.lineTo(at, to + 1);
        }
    }
}

// The white run of pixels around the middle of the area, across and down, bounded by
// rules or the sheet's edge, and kept to the area.
gdi::Rect SheetFormBuilder::cellOf(const MmRect& area, const std::string& what) const {
    const gdi::Bitmap& rules = *m_rulesOnly;
    const int32_t sx = px(area.centreX()), sy = px(area.centreY());
    if (!rules.bounds().contains(sx, sy) || !isWhite(rules, sx, sy))
        fail(what, "its middle is not in a cell");
    gdi::Rect cell{sx, sy, sx + 1, sy + 1};
    while (cell.left > 0 && isWhite(rules, cell.left - 1, sy))
        --cell.left;
    while (cell.right < rules.width() && isWhite(rules, cell.right, sy))
        ++cell.right;
    while (cell.top > 0 && isWhite(rules, sx, cell.top - 1))
        --cell.top;
    while (cell.bottom < rules.height() && isWhite(rules, sx, cell.bottom))
        ++cell.bottom;
    const gdi::Rect kept = cell.intersected(area.pixels());
    if (kept.isEmpty()) fail(what, "its area holds no white");
    return kept;
}

void SheetFormBuilder::drawLabel(const Label& label) {
    const gdi::Rect cell = cellOf(label.area, "label \"" + label.text + "\"");
    const InkBox ink =
        measureInk([&](gdi::DeviceContext& dc, gdi::Point at) { drawText(dc, at, label.text, label.style); });
    if (ink.empty()) fail("label \"" + label.text + "\"", "it draws nothing");
    int32_t x = cell.left + (cell.width() - ink.width()) / 2 - ink.left;
    if (label.style.align == LabelStyle::Align::Left) x = cell.left + Lead - ink.left;
    if (label.style.align == LabelStyle::Align::Right) x = cell.right - 1 - Lead - ink.right;
    const int32_t y = cell.top + (cell.height() - ink.height()) / 2 - ink.top;
    // A white pixel at least between the label and any rule.
    if (x + ink.left <= cell.left || x + ink.right >= cell.right - 1 || y + ink.top <= cell.top ||
        y + ink.bottom >= cell.bottom - 1)
        fail("label \"" + label.text + "\"", "it does not fit its cell");
    gdi::DeviceContext dc;
    dc.selectBitmap(m_picture);
    drawText(dc, {x, y}, label.text, label.style);
}

FormField SheetFormBuilder::placeField(const Field& field) const {
    const std::string what = "field \"" + field.name + "\"";
    const gdi::Rect cell = cellOf(field.area, what);
    for (int32_t y = cell.top; y < cell.bottom; ++y)
        for (int32_t x = cell.left; x < cell.right; ++x)
            if (!isWhite(*m_picture, x, y)) fail(what, "a label runs into it");
    const int32_t lead = std::max(Lead, px(field.style.leadMm));
    const auto placement = m_ink.place(field.kind, cell, lead);
    if (!placement || placement->capacity < field.style.minChars)
        fail(what, "it holds fewer than " + std::to_string(field.style.minChars) + " characters");
    return {field.name, field.kind, cell, placement->record, placement->capacity};
}

SheetForm SheetFormBuilder::finish() {
    for (const Rule& rule : m_rules)
        drawRule(rule);
    m_rulesOnly = m_picture->clone();
    for (const Label& label : m_labels)
        drawLabel(label);
    SheetForm form{m_name, m_extension, m_picture, {}};
    for (const Field& field : m_fields) {
        FormField placed = placeField(field);
        for (const FormField& earlier : form.fields)
            if (!placed.cell.intersected(earlier.cell).isEmpty())
                fail("field \"" + field.name + "\"", "it shares its cell with \"" + earlier.name + "\"");
        form.fields.push_back(std::move(placed));
    }
    if (form.fields.size() > MaxTitleBlockRecords) fail("map", "more fields than the fill reads");
    return form;
}

void SheetFormBuilder::fail(const std::string& what, const std::string& why) const {
    throw std::runtime_error(m_name + ": " + what + ": " + why);
}

} // namespace forms
