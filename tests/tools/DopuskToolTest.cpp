// The tolerance frame tool on the tool harness: frames made through its question, moved
// and stamped, horizontal and reading upwards; branches with a triangle, an arrow and
// nothing, each stamped with the frame as one undo step; and the floating frame, which
// never touches the sketch and goes with "Отмена" while the stamped branches stay.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/annotation/Dopusk.h"

#include "document/Pens.h"
#include "document/TechDocument.h"

#include "gdi/FontRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string SymbolFontFile = std::string(FONTS_DIR) + "/ZYQ(gdt).ttf";
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Blue = 0xFF0000;
constexpr gdi::COLORREF Green = 0x00FF00;

// A harness with the symbol font and blue lines, both gone again afterwards.
class TDopuskFrame : public ::testing::Test {
  protected:
    TDopuskFrame();
    ~TDopuskFrame() override;

    TToolHarness Harness{240, 200};
};

TDopuskFrame::TDopuskFrame() {
    EXPECT_TRUE(gdi::FontRegistry::instance().addFontFile(SymbolFontFile)) << SymbolFontFile;
    LineLogPen = gdi::LogPen{gdi::PS_SOLID, 1, Blue};
    RecreateLinePen();
}

TDopuskFrame::~TDopuskFrame() {
    LineLogPen = gdi::LogPen{gdi::PS_SOLID, 1, 0};
    RecreateLinePen();
    gdi::FontRegistry::instance().removeFontFile(SymbolFontFile);
}

// The frame's font, turned by degrees.
gdi::FontPtr SymbolFont(int degrees = 0) {
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

// A box with its text centred in it, in colour: as it reads on a horizontal frame, or
// turned to read upwards about corner.
void DrawBox(gdi::DeviceContext& dc, gdi::Rect box, const std::string& text, gdi::COLORREF colour) {
    DrawTextAndBox(dc, Centred(box, text), {box.left, box.top}, {box.right, box.bottom}, text, colour, 0);
}

void DrawBoxTurnedUp(gdi::DeviceContext& dc, gdi::Rect box, const std::string& text, gdi::Point corner,
                     gdi::COLORREF colour) {
    DrawTextAndBox(dc, Up(Centred(box, text), corner), Up({box.left, box.top}, corner),
                   Up({box.right, box.bottom}, corner), text, colour, 90);
}

// The smallest rectangle holding every pixel of the sketch that is not white.
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

// Runs action with the dialogs it opens answered by steps, all of them.
void Answering(std::vector<std::function<void(QWidget*)>> steps, const std::function<void()>& action) {
    ModalScript script(std::move(steps));
    action();
    EXPECT_EQ(script.StepsDone(), script.StepCount());
    EXPECT_FALSE(script.Stuck());
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

const QString StartPrompt = Text("Нажмите правую кнопку мыши для создания таблицы");
const QString FollowPrompt =
    Text("Сдвигайте таблицу (Enter или лев.кнопка мыши - OK, Esc или прав.кнопка мыши - меню)");
const QString PlacedPrompt =
    Text("Нажмите левую кнопку мыши для сдвига, или правую для выбора других действий");
const QString BranchStartPrompt = Text("Задайте начальную точку ответвления (Enter или лев.кнопка мыши)");
const QString BranchEndPrompt = Text("Задайте конечную точку ответвления (Enter - ОК, Esc - отказ)");

// Fills in a table: the sign by its character, the value as typed with the "Диаметр"
// prefix (none without a value), and the first datum; then OK.
std::function<void(QWidget*)> table(const char* sign, const char* value, const char* base1, bool vertical) {
    return [=](QWidget* dialog) {
        auto* signs = child<QComboBox>(dialog, "SignComboBox");
        signs->setCurrentIndex(signs->findText(QString::fromLatin1(sign)));
        if (*value) child<QRadioButton>(dialog, "RBvD")->setChecked(true);
        child<QLineEdit>(dialog, "ValueEdit")->setText(QString::fromUtf8(value));
        child<QLineEdit>(dialog, "Base1Edit")->setText(QString::fromUtf8(base1));
        child<QCheckBox>(dialog, "AsVerticalBox")->setChecked(vertical);
        child<QPushButton>(dialog, "OKButton")->click();
    };
}

// Makes the frame through the menu and moves it to at.
TDopusk& frameAt(TToolHarness& harness, gdi::Point at, std::function<void(QWidget*)> answer) {
    auto& tool = harness.Select<TDopusk>();
    PointerEnter(at);
    Answering({std::move(answer)}, [&] { tool.ToolCommand(TDopusk::CmdEditTable); });
    PointerMove(at);
    return tool;
}

// The boxes of a frame at at, worked out from the texts' extents: the sign box with a
// border of its own, each later box on the right border of the one before, none
// narrower than high.
std::vector<gdi::Rect> boxes(gdi::Point at, const std::vector<std::string>& texts) {
    std::vector<gdi::Rect> result;
    int32_t right = at.x + 1;
    for (const std::string& text : texts) {
        const gdi::Size e = Extent(text);
        const int32_t left = right - 1;
        result.push_back({left, at.y, left + std::max(e.cx + 1, e.cy), at.y + e.cy});
        right = result.back().right;
    }
    return result;
}

TEST_F(TDopuskFrame, SignAndValueShareABorderEmptyDatumsDrawNothingAndANarrowCellIsSquare) {
    TTestHost& host = Harness.Host;
    TSketchReference blank;
    TSketchReference expected;
    TDopusk* tool = nullptr;
    {
        tool = &Harness.Select<TDopusk>();
        EXPECT_EQ(host.Cursor, 2);
        EXPECT_EQ(host.Prompt, StartPrompt);
        PointerEnter({40, 60});
        Answering({table("b", "0,05", "", false)}, [&] { tool->ToolCommand(TDopusk::CmdEditTable); });
    }
    EXPECT_EQ(host.Prompt, FollowPrompt);
    EXPECT_EQ(tool->Cells[1].Text, "n0,05");
    // The frame follows the pointer with its top-left corner, then stays with a click.
    PointerMove({90, 20});
    EXPECT_EQ(tool->Position, (gdi::Point{90, 20}));
    PointerMove({40, 60});
    Click({40, 60});
    EXPECT_EQ(host.Prompt, PlacedPrompt);
    PointerMove({100, 100});
    EXPECT_EQ(tool->Position, (gdi::Point{40, 60}));
    EXPECT_EQ(blank.FirstDifference(), "");

    tool->ToolCommand(TDopusk::CmdComplete);
    const std::vector<gdi::Rect> box = boxes({40, 60}, {"b", "n0,05"});
    DrawBox(expected.DC(), box[0], "b", Blue);
    DrawBox(expected.DC(), box[1], "n0,05", Blue);
    EXPECT_EQ(expected.FirstDifference(), "");
    // One glyph is narrower than the font is high: its box is square.
    EXPECT_EQ(box[0].width(), box[0].height());
    // The value's left border is the sign's right border; the empty datums add no box.
    for (int32_t y = 60; y < box[0].bottom; ++y)
        EXPECT_EQ(DocDC->getPixel(box[0].right - 1, y), Blue) << y;
    EXPECT_EQ(InkBounds(), (gdi::Rect{40, 60, box[1].right, box[1].bottom}));

    // Stamped once, as one undo step; the tool starts over with an empty table.
    EXPECT_EQ(host.Prompt, StartPrompt);
    EXPECT_TRUE(tool->Cells[0].Text.empty());
    tool->ToolCommand(TDopusk::CmdComplete);
    Document->Undo();
    EXPECT_EQ(blank.FirstDifference(), "");
    EXPECT_FALSE(Harness.DocumentHost.CanUndo);
}

TEST_F(TDopuskFrame, AVerticalFrameReadsUpwardsFromItsPosition) {
    TSketchReference expected;
    TDopusk& tool = frameAt(Harness, {60, 150}, table("j", "0,1", "А", true));
    Click({60, 150});
    tool.ToolCommand(TDopusk::CmdComplete);

    const gdi::Point corner{60, 150};
    const std::vector<std::string> texts{"j", "n0,1", "А"};
    const std::vector<gdi::Rect> box = boxes(corner, texts);
    for (size_t i = 0; i < box.size(); ++i)
        DrawBoxTurnedUp(expected.DC(), box[i], texts[i], corner, Blue);
    EXPECT_EQ(expected.FirstDifference(), "");
    // Turned a quarter counter-clockwise about the position: the frame rises from it,
    // as wide as the font is high and as tall as the horizontal frame is long.
    const int32_t length = box.back().right - corner.x;
    const int32_t height = box.front().height();
    EXPECT_EQ(InkBounds(), (gdi::Rect{60, 150 - length, 60 + height, 150}));
}

TEST_F(TDopuskFrame, BranchesCarryTheirMarkAtTheFirstPointAndEachIsOneUndoStep) {
    TTestHost& host = Harness.Host;
    TSketchReference blank;
    TSketchReference expected;
    TDopusk& tool = frameAt(Harness, {120, 30}, table("-", "", "", false));
    Click({120, 30});
    const gdi::Rect frame = boxes({120, 30}, {"-"})[0];
    DrawBox(expected.DC(), frame, "-", Blue);

    // A triangle from (40, 100) to (100, 100): its 18-pixel base across the line at the
    // first point, its apex 18 pixels on towards the frame.
    tool.ToolCommand(TDopusk::CmdWithTriangle);
    EXPECT_EQ(host.Prompt, BranchStartPrompt);
    PointerMove({40, 100});
    Click({40, 100});
    EXPECT_EQ(host.Prompt, BranchEndPrompt);
    PointerMove({100, 100});
    EXPECT_EQ(blank.FirstDifference(), "");
    Click({100, 100});
    {
        gdi::DeviceContext& dc = expected.DC();
        expected.Line({40, 100}, {100, 100});
        gdi::PenPtr pen = dc.selectPen(LinePen);
        gdi::BrushPtr brush = dc.selectBrush(gdi::createSolidBrush(Blue));
        const gdi::Point triangle[3] = {{40, 109}, {40, 91}, {58, 100}};
        dc.polygon(triangle, 3);
        dc.selectBrush(brush);
        dc.selectPen(pen);
    }
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(DocDC->getPixel(40, 91), Blue);
    EXPECT_EQ(DocDC->getPixel(40, 109), Blue);
    EXPECT_EQ(DocDC->getPixel(39, 100), White);
    EXPECT_EQ(DocDC->getPixel(50, 100 - 3), Blue);
    TSketchReference afterTriangle;

    // The next branch goes on from the last end without a mark until one is chosen: an
    // arrow down to (100, 150), its tip at (100, 100) and its barbs along the line.
    EXPECT_EQ(tool.BranchKind, 0);
    EXPECT_EQ(tool.BranchStart, (gdi::Point{100, 100}));
    tool.ToolCommand(TDopusk::CmdWithArrow);
    EXPECT_EQ(host.Prompt, BranchEndPrompt);
    PointerMove({100, 150});
    Click({100, 150});
    expected.Line({100, 100}, {100, 150});
    expected.Line({100, 100}, {97, 115});
    expected.Line({97, 115}, {100, 112});
    expected.Line({100, 112}, {103, 115});
    expected.Line({103, 115}, {100, 100});
    EXPECT_EQ(expected.FirstDifference(), "");

    // And a plain one; undone, only it goes.
    PointerMove({150, 150});
    Click({150, 150});
    for (int32_t x = 100; x < 150; ++x)
        EXPECT_EQ(DocDC->getPixel(x, 150), Blue) << x;
    EXPECT_EQ(DocDC->getPixel(100, 153), White);
    Document->Undo();
    EXPECT_EQ(expected.FirstDifference(), "");

    // "Отмена" takes the floating frame away; the stamped branches stay.
    tool.ToolCommand(TDopusk::CmdCancel);
    EXPECT_EQ(expected.FirstDifference(), "");
    EXPECT_EQ(host.Prompt, StartPrompt);
    EXPECT_TRUE(tool.Cells[0].Text.empty());
    // Nothing is left to stamp, and no empty undo step is made for it.
    tool.ToolCommand(TDopusk::CmdComplete);
    Document->Undo();
    EXPECT_EQ(afterTriangle.FirstDifference(), "");
}

TEST_F(TDopuskFrame, TheFloatingFrameIsAGreenPreviewAndATextLineIsOneBox) {
    TSketchReference blank;
    TDopusk* tool = nullptr;
    auto line = [](const char* text) {
        return [text](QWidget* dialog) {
            child<QRadioButton>(dialog, "TextRadioButton")->click();
            child<QLineEdit>(dialog, "TextEdit")->setText(QString::fromUtf8(text));
            child<QPushButton>(dialog, "OKButton")->click();
        };
    };
    tool = &frameAt(Harness, {30, 40}, line("1"));
    EXPECT_EQ(tool->TableMode, 0);
    EXPECT_EQ(tool->TextLine, "1");

    // Painted into a view that begins at (10, 20) of the sketch: the box in green.
    gdi::DeviceContext view;
    view.selectBitmap(DocDC->bitmap()->createCompatible(200, 150));
    view.patBlt(0, 0, 200, 150, gdi::WHITENESS);
    tool->DrawPreview(view, {0, 0, 200, 150}, 10, 20);
    gdi::DeviceContext reference;
    reference.selectBitmap(DocDC->bitmap()->createCompatible(200, 150));
    reference.patBlt(0, 0, 200, 150, gdi::WHITENESS);
    const gdi::Size e = Extent("1");
    // A short line is still as wide as it is high.
    DrawBox(reference, {20, 20, 20 + e.cy, 20 + e.cy}, "1", Green);
    for (int32_t y = 0; y < 150; ++y)
        for (int32_t x = 0; x < 200; ++x)
            ASSERT_EQ(view.getPixel(x, y), reference.getPixel(x, y)) << x << "," << y;
    EXPECT_EQ(blank.FirstDifference(), "");

    // A question cancelled leaves the tool waiting for the menu.
    Answering({[](QWidget* dialog) { child<QPushButton>(dialog, "CancelButton")->click(); }},
              [&] { tool->ToolCommand(TDopusk::CmdEditTable); });
    EXPECT_EQ(tool->Step, TDopusk::StepEmpty);
    EXPECT_EQ(Harness.Host.Prompt, StartPrompt);
}

} // namespace
