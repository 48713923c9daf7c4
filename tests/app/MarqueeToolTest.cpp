// The marquee in the real main window: pasting chooses it, the edit, fragment and
// rotation commands reach it while it is current, its menu opens on the surface, and
// its commands fall silent when another tool takes over. What the marquee draws is
// tested on the tool harness.

#include "AppTestSupport.h"
#include "ToolHarness.h"

#include "app/MainForm.h"
#include "app/TechDrawSurf.h"
#include "tools/base/ToolSwitch.h"
#include "tools/transform/Marquee.h"

#include "document/TechDocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
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

class MarqueeWindow : public ::testing::Test {
  protected:
    MarqueeWindow() : setup({}, {900, 700}), form(setup.Form()) { setup.NewSketch(1000, 800); }

    TTechDrawSurf* surf() { return form.DrawSurf; }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        sendMouse(surf(), QEvent::MouseButtonPress, at, button);
        sendMouse(surf(), QEvent::MouseButtonRelease, at, button);
    }
    TMarquee* marquee() { return dynamic_cast<TMarquee*>(CurrentTool.get()); }

    TMainFormSetup setup;
    TMainForm& form;
};

TEST_F(MarqueeWindow, PastingChoosesTheMarqueeWhoseCommandsThenReachIt) {
    // Without an image on the clipboard, pasting chooses nothing.
    QApplication::clipboard()->setText(QStringLiteral("текст"));
    form.RefreshEditActions();
    EXPECT_FALSE(form.PasteCmd->isEnabled());
    form.PasteCmd->trigger();
    EXPECT_EQ(marquee(), nullptr);

    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QApplication::clipboard()->setImage(image);
    form.RefreshEditActions();
    EXPECT_TRUE(form.PasteCmd->isEnabled());
    EXPECT_FALSE(form.CopyCmd->isEnabled());
    form.PasteCmd->trigger();
    ASSERT_NE(marquee(), nullptr);
    EXPECT_EQ(marquee()->Step, TMarquee::StageFragment);
    EXPECT_EQ(marquee()->Fragment().Selection(), (gdi::Rect{0, 0, 40, 30}));
    EXPECT_TRUE(form.CopyCmd->isEnabled());
    EXPECT_TRUE(form.CutCmd->isEnabled());
    EXPECT_TRUE(form.DeleteCmd->isEnabled());
    EXPECT_TRUE(form.SaveFragmentCmd->isEnabled());

    // The right button opens the marquee's menu; completing stamps the red picture.
    click({300, 300}, Qt::RightButton);
    EXPECT_TRUE(form.CopyPopup->isVisible());
    form.CopyPopup->hide();
    form.CompleteCmd->trigger();
    EXPECT_EQ(DocDC->getPixel(39, 29), 0x0000FFu);
    EXPECT_EQ(DocDC->getPixel(40, 30), 0xFFFFFFu);

    // Deleting through the window whitens a fragment taken on the surface.
    click({10, 10});
    click({30, 20});
    form.DeleteCmd->trigger();
    EXPECT_EQ(DocDC->getPixel(10, 10), 0xFFFFFFu);
    EXPECT_EQ(DocDC->getPixel(39, 29), 0x0000FFu);
    form.UndoCmd->trigger();
    EXPECT_EQ(DocDC->getPixel(10, 10), 0x0000FFu);

    // Another tool: saving fragments is off, and deleting no longer reaches the marquee.
    form.MirrorUpDownCmd->trigger();
    EXPECT_FALSE(form.SaveFragmentCmd->isEnabled());
    form.DeleteCmd->trigger();
    EXPECT_EQ(DocDC->getPixel(10, 10), 0x0000FFu);
}

} // namespace
