// Turning the whole sketch on the tool harness: the picked line ends horizontal, the
// sketch grows to hold the turned picture, the status bar counts the percentage, and
// one undo brings back the old sketch with its size. The angle question is worked as a
// user would.

#include "ModalScript.h"
#include "ToolHarness.h"

#include "tools/transform/AngleForm.h"
#include "tools/transform/RotateImage.h"

#include "document/TechDocument.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF Blue = 0xFF0000;

QString prompt(const char* text) {
    return QString::fromUtf8(text);
}

void line(gdi::Point from, gdi::Point to) {
    gdi::PenPtr old = DocDC->selectPen(gdi::createPen(gdi::PS_SOLID, 1, Black));
    DocDC->moveTo(from.x, from.y);
    DocDC->lineTo(to.x, to.y);
    DocDC->selectPen(old);
}

// The box of the sketch's pixels of a colour; empty when there are none.
gdi::Rect boxOf(gdi::COLORREF colour) {
    gdi::Rect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    const gdi::Bitmap& sketch = *DocDC->bitmap();
    for (int32_t y = 0; y < sketch.height(); ++y)
        for (int32_t x = 0; x < sketch.width(); ++x)
            if (sketch.pixelToColor(sketch.pixel(x, y)) == colour)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.left == INT32_MAX ? gdi::Rect{} : box;
}

// The percentages the status bar showed, in order.
std::vector<int> percentages(const QStringList& prompts) {
    std::vector<int> shown;
    const QRegularExpression done(QStringLiteral("^Завершено: (\\d+)%$"));
    for (const QString& text : prompts) {
        const QRegularExpressionMatch match = done.match(text);
        if (match.hasMatch()) shown.push_back(match.captured(1).toInt());
    }
    return shown;
}

void pick(gdi::Point first, gdi::Point second) {
    PointerMove(first);
    Click(first);
    PointerMove(second);
    Click(second);
}

} // namespace

TEST(RotateImage, PickedLineEndsHorizontalInABiggerSketchWithProgressAndOneUndoStep) {
    TToolHarness harness(200, 150);
    TTestHost& host = harness.Host;
    line({40, 40}, {140, 90});
    TSketchReference before;
    harness.Select<TRotateImage>();
    EXPECT_EQ(host.Cursor, 10);
    EXPECT_EQ(host.Prompt, prompt("Укажите первую точку на линии, которая должна стать горизонтальной"));
    PointerEnter({40, 40});
    PointerMove({40, 40});
    Click({40, 40});
    EXPECT_EQ(host.Prompt, prompt("Укажите вторую точку на линии, которая должна стать горизонтальной"));
    host.PromptHistory.clear();
    PointerMove({140, 90});
    Click({140, 90});

    // About 26.6 degrees: the box of the turned 200 x 150 sheet.
    const float length = std::sqrt(100.0f * 100 + 50 * 50);
    const float c = 100 / length, s = 50 / length;
    const int32_t width = int32_t(std::nearbyint(200 * c + 150 * s));
    const int32_t height = int32_t(std::nearbyint(200 * s + 150 * c));
    EXPECT_EQ(DocDC->bitmap()->width(), width);
    EXPECT_EQ(DocDC->bitmap()->height(), height);
    EXPECT_EQ(Document->Width, width);
    EXPECT_EQ(Document->Height, height);
    // Saving and printing find the turned sketch.
    EXPECT_EQ(Document->FDocBitmap, DocDC->bitmap());
    // The line is now level: as long as it was, a pixel or two high.
    const gdi::Rect ink = boxOf(Black);
    EXPECT_NEAR(ink.width(), 111, 3);
    EXPECT_LE(ink.height(), 3);

    const std::vector<int> shown = percentages(host.PromptHistory);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown.back(), 100);
    for (size_t i = 1; i < shown.size(); ++i)
        EXPECT_LT(shown[i - 1], shown[i]);
    EXPECT_EQ(host.Prompt, prompt("Укажите первую точку на линии, которая должна стать горизонтальной"));

    EXPECT_TRUE(harness.DocumentHost.CanUndo);
    Document->Undo();
    EXPECT_EQ(Document->Width, 200);
    EXPECT_EQ(Document->Height, 150);
    EXPECT_EQ(before.FirstDifference(), "");
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
}

TEST(RotateImage, LinePickedRightToLeftTurnsTheSketchUpsideDown) {
    TToolHarness harness(200, 150);
    DocDC->fillRect({20, 20, 24, 24}, gdi::createSolidBrush(Blue));
    harness.Select<TRotateImage>();
    PointerEnter({150, 75});
    pick({150, 75}, {50, 75});
    EXPECT_EQ(DocDC->bitmap()->width(), 200);
    EXPECT_EQ(DocDC->bitmap()->height(), 150);
    // The square near the top left is now near the bottom right, about the centre.
    const gdi::Rect square = boxOf(Blue);
    EXPECT_NEAR(square.left, 200 - 24, 2);
    EXPECT_NEAR(square.top, 150 - 24, 2);
    EXPECT_EQ(boxOf(Blue).width(), 4);
}

TEST(RotateImage, SecondPointOnTheFirstIsNotTakenAndRightClickOrEscStartAgain) {
    TToolHarness harness(200, 150);
    TTestHost& host = harness.Host;
    line({40, 40}, {140, 90});
    TSketchReference before;
    auto& tool = harness.Select<TRotateImage>();
    PointerEnter({60, 60});
    pick({60, 60}, {60, 60});
    // Nothing turned, nothing to undo, and the second point is still asked for.
    EXPECT_EQ(tool.Step, TRotateImage::StepSecondPoint);
    EXPECT_EQ(host.Prompt, prompt("Укажите вторую точку на линии, которая должна стать горизонтальной"));
    EXPECT_FALSE(harness.DocumentHost.CanUndo);
    EXPECT_EQ(before.FirstDifference(), "");

    Click({90, 90}, Qt::RightButton);
    EXPECT_EQ(tool.Step, TRotateImage::StepFirstPoint);
    PointerMove({70, 70});
    Click({70, 70});
    Key(Qt::Key_Escape);
    EXPECT_EQ(tool.Step, TRotateImage::StepFirstPoint);
    EXPECT_EQ(before.FirstDifference(), "");
}

TEST(RotateImage, GuidesShowTheReferenceAndThePickedLineInMagenta) {
    TToolHarness harness(200, 150);
    auto& tool = harness.Select<TRotateImage>();
    PointerEnter({50, 100});
    PointerMove({50, 100});
    const auto guides = [&tool] {
        gdi::DeviceContext dc;
        dc.selectBitmap(CreateSketchDib(200, 150));
        dc.bitmap()->fill(15);
        tool.DrawCursor(dc, {0, 0, 200, 150}, 10, 20);
        return dc.bitmap();
    };
    // The reference line 100 pixels to the right, shifted by the view.
    gdi::BitmapPtr shown = guides();
    EXPECT_EQ(shown->pixelToColor(shown->pixel(90, 80)), 0xFF00FF);
    EXPECT_EQ(shown->pixelToColor(shown->pixel(40 + 99, 80)), 0xFF00FF);
    EXPECT_EQ(shown->pixelToColor(shown->pixel(40 + 105, 80)), White);
    EXPECT_EQ(shown->pixelToColor(shown->pixel(44, 84)), Black); // the marker at the first point
    EXPECT_EQ(shown->pixelToColor(shown->pixel(40, 60)), White);
    Click({50, 100});
    PointerMove({50, 40});
    shown = guides();
    EXPECT_EQ(shown->pixelToColor(shown->pixel(40, 50)), 0xFF00FF); // the picked line, upwards
    EXPECT_EQ(shown->pixelToColor(shown->pixel(90, 80)), 0xFF00FF);
}

TEST(RotateImage, AngleQuestionTakesNumbersWithPointOrCommaAndRefusesOthers) {
    TToolHarness harness;
    float angle = -1;
    bool okWhileWrong = true;
    {
        ModalScript script({[](QWidget* dialog) {
            EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Повернуть на угол"));
            EXPECT_EQ(child<QLineEdit>(dialog, "LabeledEdit1")->text(), QStringLiteral("0"));
            child<QLineEdit>(dialog, "LabeledEdit1")->setText(QStringLiteral("-12,5"));
            child<QPushButton>(dialog, "OKButton")->click();
        }});
        EXPECT_TRUE(AskAngle(angle));
        EXPECT_FLOAT_EQ(angle, -12.5f * std::numbers::pi_v<float> / 180);
        EXPECT_EQ(script.StepsDone(), 1u);
    }
    {
        ModalScript script({[&](QWidget* dialog) {
            auto* edit = child<QLineEdit>(dialog, "LabeledEdit1");
            edit->setText(QStringLiteral("3o"));
            okWhileWrong = child<QPushButton>(dialog, "OKButton")->isEnabled();
            // Enter is no way round the disabled button.
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(edit, &enter);
            edit->setText(QStringLiteral("400.25"));
            child<QPushButton>(dialog, "OKButton")->click();
        }});
        EXPECT_TRUE(AskAngle(angle));
        EXPECT_FALSE(okWhileWrong);
        // Typing is not held to the arrows' range.
        EXPECT_FLOAT_EQ(angle, 400.25f * std::numbers::pi_v<float> / 180);
    }
    {
        ModalScript script({[](QWidget* dialog) {
            child<QLineEdit>(dialog, "LabeledEdit1")->setText(QStringLiteral("90"));
            child<QPushButton>(dialog, "CancelButton")->click();
        }});
        angle = 7;
        EXPECT_FALSE(AskAngle(angle));
        EXPECT_EQ(angle, 7);
    }
}
