#include "SizeTestSupport.h"

#include "ToolHarness.h"

#include "document/Geometry.h"

#include "gdi/Font.h"
#include "gdi/FontRegistry.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

void UseDimensionFont() {
    static const bool loaded =
        gdi::FontRegistry::instance().addFontFile(std::string(FONTS_DIR) + "/ZYQVerigraf.ttf").has_value();
    if (!loaded) throw std::runtime_error("the dimension face is not in " FONTS_DIR);
}

ModalScript::Step AnswerSize(TSizeAnswer answer) {
    return [answer](QWidget* dialog) {
        child<QLineEdit>(dialog, "EditBefore")->setText(answer.Before);
        child<QLineEdit>(dialog, "EditValue")->setText(answer.Value);
        child<QLineEdit>(dialog, "EditUpIndex")->setText(answer.Upper);
        child<QLineEdit>(dialog, "EditDownIndex")->setText(answer.Lower);
        child<QLineEdit>(dialog, "EditAfter")->setText(answer.After);
        child<QCheckBox>(dialog, "ShaftCheckBox")->setChecked(answer.Shelf);
        child<QPushButton>(dialog, "OKButton")->click();
    };
}

ModalScript::Step CancelSize() {
    return [](QWidget* dialog) { child<QPushButton>(dialog, "CancelButton")->click(); };
}

void ClickWithDialog(gdi::Point point, ModalScript::Step step) {
    ModalScript script({std::move(step)});
    Click(point);
    EXPECT_EQ(script.StepsDone(), 1u);
    EXPECT_FALSE(script.Stuck());
}

namespace {

gdi::FontPtr face(float angle) {
    gdi::LogFont log;
    log.height = -15; // 11 points at 96 pixels to the inch
    log.escapement = int32_t(std::nearbyint(-double(angle) * 1800 / 3.14159265358979323846));
    log.outPrecision = 4;
    log.faceName = "ZYQ Courier";
    return gdi::createFontIndirect(log);
}

} // namespace

int32_t ExpectedTextWidth(const TExpectedText& text) {
    gdi::DeviceContext dc;
    dc.selectFont(face(0));
    auto w = [&](const std::string& s) { return dc.textExtent(s).cx; };
    return w(text.Before) + w(text.Value) + std::max(w(text.Upper), w(text.Lower)) + w(text.After);
}

void DrawExpectedText(gdi::DeviceContext& dc, gdi::Point anchor, float angle, const TExpectedText& text,
                      gdi::COLORREF colour) {
    gdi::FontPtr old = dc.selectFont(face(0));
    auto w = [&](const std::string& s) { return dc.textExtent(s).cx; };
    const int32_t height = dc.textExtent("0").cy;
    const int32_t total = ExpectedTextWidth(text);
    const int32_t raise = text.Upper.empty() && text.Lower.empty() ? 0 : -(height / 4);
    const int32_t x1 = anchor.x - total / 2;
    const int32_t x2 = x1 + w(text.Before);
    const int32_t x3 = x2 + w(text.Value);
    const int32_t x5 = x3 + std::max(w(text.Upper), w(text.Lower));
    const std::array<std::pair<gdi::Point, const std::string*>, 5> pieces = {{
        {{x1, anchor.y + raise}, &text.Before},
        {{x2, anchor.y + raise}, &text.Value},
        {{x3, anchor.y - 5}, &text.Upper},
        {{x3, anchor.y}, &text.Lower},
        {{x5, anchor.y + raise}, &text.After},
    }};
    dc.selectFont(face(angle));
    dc.setBkMode(gdi::TRANSPARENT);
    dc.setTextColor(colour);
    dc.setTextAlign(gdi::TA_BOTTOM | gdi::TA_LEFT);
    for (const auto& [at, piece] : pieces) {
        gdi::Point p = at;
        RotatePoint(p, anchor, angle);
        dc.textOut(p.x, p.y, *piece);
    }
    dc.selectFont(old);
}

void DrawSegment(gdi::DeviceContext& dc, gdi::Point from, gdi::Point to, gdi::COLORREF colour) {
    gdi::PenPtr old = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, colour));
    dc.moveTo(from.x, from.y);
    dc.lineTo(to.x, to.y);
    dc.selectPen(old);
}
