#include "DopuskTestSupport.h"

#include "ModalScript.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include "gdi/FontRegistry.h"

#include <algorithm>
#include <utility>

namespace dopusk_testing {

namespace {

const std::string SymbolFontFile = std::string(FONTS_DIR) + "/ZYQ(gdt).ttf";

} // namespace

TDopuskTest::TDopuskTest() {
    EXPECT_TRUE(gdi::FontRegistry::instance().addFontFile(SymbolFontFile)) << SymbolFontFile;
    LineLogPen = gdi::LogPen{gdi::PS_SOLID, 1, Blue};
    RecreateLinePen();
}

TDopuskTest::~TDopuskTest() {
    LineLogPen = gdi::LogPen{gdi::PS_SOLID, 1, 0};
    RecreateLinePen();
    gdi::FontRegistry::instance().removeFontFile(SymbolFontFile);
}

gdi::FontPtr SymbolFont(int degrees) {
    gdi::LogFont log;
    log.height = -16;
    log.escapement = degrees * 10;
    log.faceName = "zyqverigraf";
    return gdi::createFontIndirect(log);
}

gdi::Size Extent(const std::string& text) {
    gdi::DeviceContext dc;
    dc.selectFont(SymbolFont());
    return dc.textExtent(text);
}

namespace {

void DrawTextAndBox(gdi::DeviceContext& dc, gdi::Point at, gdi::Point from, gdi::Point to,
                    const std::string& text, gdi::COLORREF colour, int degrees) {
    gdi::FontPtr font = dc.selectFont(SymbolFont(degrees));
    gdi::PenPtr pen = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, colour));
    gdi::BrushPtr brush = dc.selectBrush(gdi::stockNullBrush());
    dc.setBkMode(gdi::TRANSPARENT);
    dc.setTextColor(colour);
    dc.textOut(at.x, at.y, text);
    dc.rectangle(from.x, from.y, to.x, to.y);
    dc.selectBrush(std::move(brush));
    dc.selectPen(std::move(pen));
    dc.selectFont(std::move(font));
}

gdi::Point Centred(gdi::Rect box, const std::string& text) {
    const gdi::Size e = Extent(text);
    return {box.left + (box.width() - e.cx) / 2 + 1, box.top + (box.height() - e.cy) / 2};
}

gdi::Point Up(gdi::Point p, gdi::Point c) {
    return {c.x + p.y - c.y, c.y - (p.x - c.x)};
}

} // namespace

void DrawBox(gdi::DeviceContext& dc, gdi::Rect box, const std::string& text, gdi::COLORREF colour) {
    DrawTextAndBox(dc, Centred(box, text), {box.left, box.top}, {box.right, box.bottom}, text, colour, 0);
}

void DrawBoxTurnedUp(gdi::DeviceContext& dc, gdi::Rect box, const std::string& text, gdi::Point corner,
                     gdi::COLORREF colour) {
    DrawTextAndBox(dc, Up(Centred(box, text), corner), Up({box.left, box.top}, corner),
                   Up({box.right, box.bottom}, corner), text, colour, 90);
}

gdi::Rect InkBounds() {
    const gdi::Rect all = DocDC->bitmap()->bounds();
    gdi::Rect ink{all.right, all.bottom, all.left, all.top};
    for (int32_t y = all.top; y < all.bottom; ++y)
        for (int32_t x = all.left; x < all.right; ++x)
            if (DocDC->getPixel(x, y) != White) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x + 1);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
    return ink;
}

void Answering(std::vector<std::function<void(QWidget*)>> steps, const std::function<void()>& action) {
    ModalScript script(std::move(steps));
    action();
    EXPECT_EQ(script.StepsDone(), script.StepCount());
    EXPECT_FALSE(script.Stuck());
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace dopusk_testing
