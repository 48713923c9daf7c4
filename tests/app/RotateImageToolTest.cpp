// Turning the whole sketch in the real main window: chosen from its action, two clicks
// on the surface, the status bar painted while the sketch turns, and the view taking the
// new size. What the turn does to the pixels is tested on the tool harness.

#include "AppTestSupport.h"

#include "app/MainForm.h"
#include "app/StatusPanels.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ToolSwitch.h"
#include "tools/transform/RotateImage.h"

#include "document/TechDocument.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

using namespace app_testing;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Counts the paint events of a widget and notes the text it showed at the last one.
class TPaintCounter : public QObject {
  public:
    explicit TPaintCounter(QLabel* label) : m_label(label) { label->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++Paints;
            Texts.append(m_label->text());
        }
        return false;
    }
    int Paints = 0;
    QStringList Texts;

  private:
    QLabel* m_label;
};

TEST(RotateImageInMainWindow, TurnsTheSketchWithThePercentagePaintedMeanwhile) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(400, 300);
    EXPECT_TRUE(form.RotateImageCmd->isEnabled());
    form.RotateImageCmd->trigger();
    ASSERT_NE(dynamic_cast<TRotateImage*>(CurrentTool.get()), nullptr);

    TPaintCounter counter(form.InformationStatusBar->Panel(0));
    QWidget* surf = form.DrawSurf;
    sendMouse(surf, QEvent::MouseMove, {50, 50});
    sendMouse(surf, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton);
    sendMouse(surf, QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton);
    sendMouse(surf, QEvent::MouseMove, {150, 150});
    counter.Paints = 0;
    counter.Texts.clear();
    sendMouse(surf, QEvent::MouseButtonPress, {150, 150}, Qt::LeftButton);

    // Painted during the click, not after it: the percentages are on the panel itself.
    EXPECT_TRUE(counter.Texts.contains(QStringLiteral("Завершено: 50%")));
    EXPECT_TRUE(counter.Texts.contains(QStringLiteral("Завершено: 100%")));
    EXPECT_GT(counter.Paints, 50);
    // 400 x 300 turned by 45 degrees fits in 495 x 495.
    EXPECT_EQ(Document->Width, 495);
    EXPECT_EQ(Document->Height, 495);
    EXPECT_TRUE(form.UndoCmd->isEnabled());
    form.UndoCmd->trigger();
    EXPECT_EQ(Document->Width, 400);
    EXPECT_EQ(Document->Height, 300);
}

} // namespace
