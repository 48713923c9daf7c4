// The drawing area: layout, zoom, mouse positions, read-outs, rulers and the paint
// cycle, on a real main window.
#include "AppTestSupport.h"

#include "app/Ruler.h"
#include "app/StatusPanels.h"
#include "app/ViewAllForm.h"
#include "document/DrawingUtils.h"
#include "document/RenderBuffer.h"
#include "document/TechDocument.h"
#include "tools/base/PaintedTool.h"

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace app_testing;

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

bool isBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

// The sketch point at the middle of the surface.
QPoint viewCentre(const TMainForm& form) {
    const TTechDrawSurf& s = *form.DrawSurf;
    return {(s.width() / 2 + s.ScrollX) / s.ZoomFactor, (s.height() / 2 + s.ScrollY) / s.ZoomFactor};
}

} // namespace

TEST(View, ASketchSmallerThanTheWindowShowsWholeWithoutScrollBars) {
    TMainFormSetup setup({}, {1100, 1400});
    TMainForm& form = setup.Form();
    ASSERT_GE(form.SurfPanel->height(), 1123 + 22) << "the window could not be made large enough";
    setup.NewSketch(794, 1123);
    EXPECT_EQ(form.DrawSurf->size(), QSize(794, 1123));
    EXPECT_TRUE(form.HorizScrollBar->isHidden());
    EXPECT_TRUE(form.VertScrollBar->isHidden());
    EXPECT_EQ(form.HorizRuler->geometry(), QRect(18, 0, 797, 17));
    EXPECT_EQ(form.VertRuler->geometry(), QRect(0, 18, 17, 1126));
    EXPECT_EQ(form.RenderBuffer().Width(), 794);
    EXPECT_EQ(form.RenderBuffer().Height(), 1123);
}

TEST(View, ALargerSketchGetsScrollBarsAlongTheEdgesOfThePanel) {
    TMainFormSetup setup({}, {800, 600});
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    const int panelW = form.SurfPanel->width(), panelH = form.SurfPanel->height();
    ASSERT_LT(panelH, 1123);
    // The vertical bar takes its width off the surface, which leaves too little for the
    // sketch's width too when the panel is narrow.
    EXPECT_FALSE(form.VertScrollBar->isHidden());
    EXPECT_EQ(form.DrawSurf->height(), panelH - (form.HorizScrollBar->isHidden() ? 0 : 13) - 22);
    EXPECT_EQ(form.VertScrollBar->geometry(),
              QRect(panelW - 13 - 2, 19, 13, panelH - (form.HorizScrollBar->isHidden() ? 0 : 13) - 21));
    EXPECT_EQ(form.VertScrollBar->maximum(), 1123 - form.DrawSurf->height());
    if (!form.HorizScrollBar->isHidden()) {
        EXPECT_EQ(form.HorizScrollBar->geometry(), QRect(19, panelH - 13 - 2, panelW - 13 - 21, 13));
        EXPECT_EQ(form.HorizScrollBar->maximum(), 794 - form.DrawSurf->width());
    }
    // Scrolling moves the surface's origin and the ruler with it.
    form.VertScrollBar->setValue(100);
    EXPECT_EQ(form.DrawSurf->ScrollY, 100);
    EXPECT_EQ(form.VertRuler->Offset(), 100);
}

TEST(View, ZoomKeepsTheCentreAndStopsAtSeven) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(1123, 794);
    EXPECT_FALSE(form.ZoomDecButton->isEnabled());
    EXPECT_TRUE(form.ZoomIncButton->isEnabled());

    // Start somewhere in the middle so that no scroll bar is held at its end.
    form.HorizScrollBar->setValue(100);
    form.VertScrollBar->setValue(60);
    QPoint before = viewCentre(form);
    for (int zoom : {3, 5, 7}) {
        form.MagnifyInc->trigger();
        EXPECT_EQ(form.ZoomFactor, zoom);
        EXPECT_EQ(form.DrawSurf->ZoomFactor, zoom);
        EXPECT_EQ(form.HorizRuler->Zoom(), zoom);
        const QPoint after = viewCentre(form);
        EXPECT_LE(std::abs(after.x() - before.x()), 1) << "zoom " << zoom;
        EXPECT_LE(std::abs(after.y() - before.y()), 1) << "zoom " << zoom;
        EXPECT_EQ(form.HorizScrollBar->maximum(), 1123 * zoom - form.DrawSurf->width());
        before = after;
    }
    EXPECT_FALSE(form.ZoomIncButton->isEnabled());
    EXPECT_TRUE(form.ZoomDecButton->isEnabled());

    // One more step in is refused; the view does not move.
    const int scrollX = form.DrawSurf->ScrollX;
    form.MagnifyInc->trigger();
    EXPECT_EQ(form.ZoomFactor, 7);
    EXPECT_EQ(form.DrawSurf->ScrollX, scrollX);

    for (int zoom : {5, 3, 1}) {
        form.MagnifyDec->trigger();
        EXPECT_EQ(form.ZoomFactor, zoom);
    }
    form.MagnifyDec->trigger();
    EXPECT_EQ(form.ZoomFactor, 1);
    EXPECT_FALSE(form.ZoomDecButton->isEnabled());
    EXPECT_EQ(form.RenderBuffer().Width(), form.DrawSurf->width());
}

TEST(View, MousePositionsReachTheToolsInSketchPixels) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    form.SelMagnify(1);
    form.HorizScrollBar->setValue(30);
    ASSERT_EQ(form.DrawSurf->ScrollX, 30);
    form.VertScrollBar->setValue(0);

    std::vector<TSurfMouse> downs, ups;
    form.DrawSurf->OnMouseDown = [&](const TSurfMouse& m) { downs.push_back(m); };
    form.DrawSurf->OnMouseUp = [&](const TSurfMouse& m) { ups.push_back(m); };
    sendMouse(form.DrawSurf, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton);
    sendMouse(form.DrawSurf, QEvent::MouseButtonRelease, {10, 20}, Qt::LeftButton);
    sendMouse(form.DrawSurf, QEvent::MouseButtonPress, {11, 5}, Qt::RightButton);
    sendMouse(form.DrawSurf, QEvent::MouseButtonRelease, {11, 5}, Qt::RightButton);
    ASSERT_EQ(downs.size(), 2u);
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_EQ(downs[0].X, 13);
    EXPECT_EQ(downs[0].Y, 6);
    EXPECT_EQ(downs[0].Button, Qt::LeftButton);
    EXPECT_EQ(ups[0].X, 13);
    EXPECT_EQ(ups[0].Y, 6);
    EXPECT_EQ(downs[1].Button, Qt::RightButton);
    EXPECT_EQ(downs[1].X, 13);
    EXPECT_EQ(downs[1].Y, 1);
}

TEST(View, ReadOutsShowMillimetresFromTheMeasureOriginInTheUsersNotation) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    form.MeasureOrigin = {100, 100};
    const QLocale saved;
    for (auto [locale, x] : {std::pair{QLocale(QLocale::English, QLocale::UnitedStates), "X = 26.44 (mm)"},
                             std::pair{QLocale(QLocale::Russian, QLocale::Russia), "X = 26,44 (mm)"}}) {
        QLocale::setDefault(locale);
        for (int zoom : {1, 3}) {
            if (form.ZoomFactor != zoom) form.SelMagnify(1);
            ASSERT_EQ(form.ZoomFactor, zoom);
            form.HorizScrollBar->setValue(0);
            form.VertScrollBar->setValue(0);
            const QPoint client(200 * zoom - form.DrawSurf->ScrollX + zoom / 2,
                                100 * zoom - form.DrawSurf->ScrollY);
            sendMouse(form.DrawSurf, QEvent::MouseMove, client);
            EXPECT_EQ(form.InformationStatusBar->PanelText(1), x);
            EXPECT_EQ(form.InformationStatusBar->PanelText(2),
                      QString("Y = %1 (mm)").arg(locale.toString(0.0, 'f', 2)));
            EXPECT_EQ(form.HorizRuler->MarkerPosition(), client.x());
            EXPECT_EQ(form.VertRuler->MarkerPosition(), client.y());
        }
        form.SelMagnify(2);
        form.ShowRadius(37.824f);
        EXPECT_EQ(form.InformationStatusBar->PanelText(3),
                  QString("Radius = %1 (mm)").arg(locale.toString(10.0, 'f', 2)));
    }
    // Large values have no group separator.
    form.MeasureOrigin = {-5000, 0};
    sendMouse(form.DrawSurf, QEvent::MouseMove, {0, 0});
    EXPECT_EQ(form.InformationStatusBar->PanelText(1), "X = 1321,91 (mm)");
    QLocale::setDefault(saved);
}

TEST(View, RulerTicksSitOnRoundedMultiplesOfTheCentimetre) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    TRuler& ruler = *form.HorizRuler;
    const QImage scale = ruler.ScaleImage().copy();
    const int h = scale.height();
    ASSERT_EQ(h, 17);
    auto tickLength = [&scale, h](int x) {
        int n = 0;
        while (n < h && isBlack(scale, x, h - 1 - n))
            ++n;
        return n;
    };
    for (int x : {0, 38, 76, 114})
        EXPECT_EQ(tickLength(x), 9) << "centimetre at " << x;
    for (int x : {37, 39, 75, 77})
        EXPECT_LT(tickLength(x), 9) << "no centimetre at " << x;
    EXPECT_EQ(tickLength(19), 4);        // half a centimetre, 18.96
    for (int x : {4, 8, 11, 15, 23, 42}) // millimetres: 3.79, 7.58, 11.37, 15.17, 22.75, 41.71
        EXPECT_EQ(tickLength(x), 2) << "millimetre at " << x;
    EXPECT_EQ(tickLength(6), 0);
    // The numbers stand two pixels right of their centimetre tick.
    auto inkInColumns = [&scale](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < 9; ++y)
                if (isBlack(scale, x, y)) return true;
        return false;
    };
    EXPECT_TRUE(inkInColumns(40, 46));
    EXPECT_FALSE(inkInColumns(30, 37));

    // The vertical ruler is the same turned, its ticks along the right edge.
    const QImage vscale = form.VertRuler->ScaleImage().copy();
    const int w = vscale.width();
    for (int y : {0, 38, 76, 114})
        for (int i = 1; i <= 9; ++i)
            EXPECT_TRUE(isBlack(vscale, w - i, y)) << y;

    // At zoom 3 and offset 30 the first centimetre is at round(113.745 - 30).
    form.SelMagnify(1);
    form.HorizScrollBar->setValue(30);
    const QImage zoomed = ruler.ScaleImage().copy();
    for (int i = 1; i <= 9; ++i)
        EXPECT_TRUE(isBlack(zoomed, 84, h - i));
    EXPECT_FALSE(isBlack(zoomed, 83, h - 9));
}

TEST(View, TheRulerMarkerComesAndGoesWithoutHarmingTheScale) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    TRuler& ruler = *form.HorizRuler;
    ruler.SetMarker(-1);
    const QImage clean = ruler.ScaleImage().copy();
    ruler.SetMarker(38);
    QImage marked = ruler.ScaleImage().copy();
    for (int y = 0; y < marked.height(); ++y)
        EXPECT_NE(marked.pixel(38, y) & 0xFFFFFF, clean.pixel(38, y) & 0xFFFFFF) << y;
    ruler.SetMarker(50);
    marked = ruler.ScaleImage().copy();
    for (int y = 0; y < marked.height(); ++y) {
        EXPECT_EQ(marked.pixel(38, y) & 0xFFFFFF, clean.pixel(38, y) & 0xFFFFFF) << y;
        EXPECT_NE(marked.pixel(50, y) & 0xFFFFFF, clean.pixel(50, y) & 0xFFFFFF) << y;
    }
    // A repaint of the control leaves the marker where it is.
    ruler.repaint();
    EXPECT_EQ(ruler.ScaleImage(), marked);
}

namespace {

// A tool of the kind the drawing tools will be: a cross-hair at the pointer.
struct TCrossHairTool : TPaintedTool {
    gdi::Point At;
    void DrawCursor(gdi::DeviceContext& dc, const gdi::Rect&, int32_t originX, int32_t originY) override {
        DrawCrossHair(dc, {0, 0, 10000, 10000}, {At.x - originX, At.y - originY});
    }
};

} // namespace

TEST(View, APaintShowsTheVisiblePartZoomedWithTheToolsOverIt) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    setup.NewSketch(794, 1123);
    Document->DC().setPixel(100, 50, 0x0000FF);
    form.SelMagnify(1);
    form.HorizScrollBar->setValue(240);
    form.VertScrollBar->setValue(60);
    // Sketch pixel (100, 50) covers client pixels from (300 - 240, 150 - 60) on.
    QImage shown = form.DrawSurf->grab().toImage();
    for (int dy = 0; dy < 3; ++dy)
        for (int dx = 0; dx < 3; ++dx)
            EXPECT_EQ(shown.pixel(60 + dx, 90 + dy) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(63, 90) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(59, 90) & 0xFFFFFF, 0xFFFFFFu);

    TCrossHairTool tool;
    tool.At = {120, 70};
    tool.PointerInside = true;
    ASSERT_EQ(RegisterTool(&tool), RegisterDone);
    shown = form.DrawSurf->grab().toImage();
    EXPECT_EQ(shown.pixel(10, (70 * 3 - 60) + 1) & 0xFFFFFF, 0x008000u) << "cross-hair row";
    EXPECT_EQ(shown.pixel(120 * 3 - 240 + 2, 5) & 0xFFFFFF, 0x008000u) << "cross-hair column";
    // Only a tool with the pointer inside is painted.
    tool.PointerInside = false;
    shown = form.DrawSurf->grab().toImage();
    EXPECT_EQ(shown.pixel(10, 151) & 0xFFFFFF, 0xFFFFFFu);
    tool.PointerInside = true;
    shown = form.DrawSurf->grab().toImage();
    EXPECT_EQ(shown.pixel(10, 151) & 0xFFFFFF, 0x008000u);
    UnregisterTool(&tool);
    // The sketch itself never had the cross-hair.
    EXPECT_EQ(Document->DC().getPixel(10, 70), 0xFFFFFFu);
}

TEST(View, TheWholeSketchWindowShowsItFittedAndFramed) {
    TMainFormSetup setup({}, {900, 700});
    TMainForm& form = setup.Form();
    EXPECT_FALSE(form.ViewAll->isEnabled());
    setup.NewSketch(400, 200);
    Document->DC().fillRect({0, 0, 200, 200}, gdi::stockBlackBrush());
    ASSERT_TRUE(form.ViewAll->isEnabled());

    QString title;
    bool maximised = false;
    QImage picture;
    AnswerModal([&](QWidget* w) {
        auto* view = qobject_cast<TViewAllForm*>(w);
        ASSERT_NE(view, nullptr);
        title = view->windowTitle();
        maximised = view->windowState() & Qt::WindowMaximized;
        view->setWindowState(Qt::WindowNoState);
        view->resize(600, 500);
        picture = view->Picture().copy();
        view->close();
    });
    form.ViewAll->trigger();
    EXPECT_EQ(title, "Увидеть всё");
    EXPECT_TRUE(maximised);
    ASSERT_EQ(picture.size(), QSize(600, 500));
    // Scale 1.5: 600 x 300, centred from y 100; the left half black.
    EXPECT_TRUE(isBlack(picture, 0, 0)) << "frame";
    EXPECT_TRUE(isBlack(picture, 599, 250)) << "frame";
    EXPECT_TRUE(isBlack(picture, 10, 110));
    EXPECT_TRUE(isBlack(picture, 290, 390));
    EXPECT_FALSE(isBlack(picture, 310, 110));
    EXPECT_FALSE(isBlack(picture, 10, 95));

    TViewAllForm empty;
    EXPECT_FALSE(empty.SetSource(Document ? &Document->DC() : nullptr, 0, 200));
    EXPECT_FALSE(empty.SetSource(nullptr, 10, 10));
}
