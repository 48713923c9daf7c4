// The main window's view: layout of the drawing area, scrolling, zoom, the paint cycle
// and the read-outs.
#include "app/MainForm.h"

#include "app/Ruler.h"
#include "app/StatusPanels.h"
#include "app/ViewAllForm.h"
#include "app/WindowPixels.h"
#include "document/RenderBuffer.h"
#include "document/TechDocument.h"
#include "tools/base/PaintedTool.h"

#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

namespace {

// Gaps between the surface and the panel's edges, and the rulers' overhang.
constexpr int PanelMargin = 22;
constexpr int BarMargin = 21;
constexpr int BarInset = 2;
constexpr int RulerOverhang = 3;
constexpr int MaxZoom = 7;

int sketchWidth() {
    return Document ? Document->Width : 0;
}

int sketchHeight() {
    return Document ? Document->Height : 0;
}

} // namespace

float TMainForm::UnitFactor(int units) {
    switch (units) {
    case UnitsCm:
        return 0.02643824f;
    case UnitsMm:
        return 0.2643824f;
    default:
        return 1.0f;
    }
}

QString TMainForm::UnitLabel(int units) {
    switch (units) {
    case UnitsCm:
        return QStringLiteral("cm");
    case UnitsMm:
        return QStringLiteral("mm");
    case UnitsPix:
        return QStringLiteral("pix");
    default:
        return QString();
    }
}

QString TMainForm::FormatMeasure(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

// ---- Layout ------------------------------------------------------------------------------

void TMainForm::SurfPanelResize() {
    const int panelW = SurfPanel->width(), panelH = SurfPanel->height();
    const bool vBar = !VertScrollBar->isHidden();

    // Each size change of the surface lays it out at once, which may show or hide a bar
    // before the other side is measured.
    const int availW = panelW - (vBar ? VertScrollBar->width() : 0) - PanelMargin;
    const int surfW = std::max(0, std::min(availW, sketchWidth() * ZoomFactor));
    if (surfW != DrawSurf->width()) {
        DrawSurf->resize(surfW, DrawSurf->height());
        DrawSurfResize();
    }
    const bool hBarNow = !HorizScrollBar->isHidden();
    const int availH = panelH - (hBarNow ? HorizScrollBar->height() : 0) - PanelMargin;
    const int surfH = std::max(0, std::min(availH, sketchHeight() * ZoomFactor));
    if (surfH != DrawSurf->height()) {
        DrawSurf->resize(DrawSurf->width(), surfH);
        DrawSurfResize();
    }

    const bool hVisible = !HorizScrollBar->isHidden();
    const bool vVisible = !VertScrollBar->isHidden();
    if (hVisible)
        HorizScrollBar->setGeometry(HorizScrollBar->x(), panelH - HorizScrollBar->height() - BarInset,
                                    panelW - (vVisible ? VertScrollBar->width() : 0) - BarMargin,
                                    HorizScrollBar->height());
    if (vVisible)
        VertScrollBar->setGeometry(panelW - VertScrollBar->width() - BarInset, VertScrollBar->y(),
                                   VertScrollBar->width(),
                                   panelH - (hVisible ? HorizScrollBar->height() : 0) - BarMargin);
    HorizRuler->resize(DrawSurf->width() + RulerOverhang, HorizRuler->height());
    VertRuler->resize(VertRuler->width(), DrawSurf->height() + RulerOverhang);
}

void TMainForm::DrawSurfResize() {
    int overflowX = sketchWidth() * ZoomFactor - DrawSurf->width();
    if (overflowX > 0) {
        HorizScrollBar->show();
    } else {
        HorizScrollBar->hide();
        HorizScrollBarChange();
        overflowX = 0;
    }
    HorizScrollBar->setMaximum(overflowX);

    int overflowY = sketchHeight() * ZoomFactor - DrawSurf->height();
    if (overflowY > 0) {
        VertScrollBar->show();
    } else {
        VertScrollBar->hide();
        VertScrollBarChange();
        overflowY = 0;
    }
    VertScrollBar->setMaximum(overflowY);

    m_renderBuffer->SetSize(DrawSurf->width() / ZoomFactor, DrawSurf->height() / ZoomFactor);
}

void TMainForm::HorizScrollBarChange() {
    DrawSurf->ScrollX = HorizScrollBar->value();
    HorizRuler->SetOffset(HorizScrollBar->value());
    DrawSurf->update();
}

void TMainForm::VertScrollBarChange() {
    DrawSurf->ScrollY = VertScrollBar->value();
    VertRuler->SetOffset(VertScrollBar->value());
    DrawSurf->update();
}

void TMainForm::InformationStatusBarResize() {
    int rest = InformationStatusBar->width();
    for (int i = 1; i < InformationStatusBar->PanelCount(); ++i)
        rest -= InformationStatusBar->PanelWidth(i);
    InformationStatusBar->SetPanelWidth(0, rest);
}

// ---- Zoom ----------------------------------------------------------------------------------

void TMainForm::SelMagnify(int tag) {
    int step = 0;
    if (tag == 1)
        step = 2;
    else if (tag == 2)
        step = -2;
    else
        return;
    const int newZoom = ZoomFactor + step;
    if (newZoom <= 0 || newZoom > MaxZoom) return;

    // The sketch point at the middle of the view stays there.
    const int z = ZoomFactor;
    const int cx = (DrawSurf->width() + 2 * DrawSurf->ScrollX) / (2 * z);
    const int cy = (DrawSurf->height() + 2 * DrawSurf->ScrollY) / (2 * z);

    ZoomFactor = newZoom;
    DrawSurf->ZoomFactor = newZoom;
    DrawSurfResize();
    SurfPanelResize();

    HorizScrollBar->setValue(cx * newZoom - DrawSurf->width() / 2);
    VertScrollBar->setValue(cy * newZoom - DrawSurf->height() / 2);
    HorizRuler->SetZoom(newZoom);
    VertRuler->SetZoom(newZoom);
    ZoomIncButton->setEnabled(newZoom != MaxZoom);
    ZoomDecButton->setEnabled(newZoom != 1);
    DrawSurf->update();
}

void TMainForm::ViewAllExecute() {
    TViewAllForm form(this);
    if (form.SetSource(DocDC, sketchWidth(), sketchHeight())) form.exec();
}

// ---- Painting --------------------------------------------------------------------------------

void TMainForm::DrawSurfDraw(TTechDrawSurf* sender) {
    const int zoom = ZoomFactor;
    const int w = sender->width(), h = sender->height();
    if (w <= 0 || h <= 0 || !DocDC) return;
    const gdi::Point origin{sender->ScrollX / zoom, sender->ScrollY / zoom};
    QPainter painter(sender);

    // Only the visible part of the sketch is copied; previews and cross-hairs go over the
    // copy and vanish with the next paint.
    m_renderBuffer->CopyFrom(*DocDC, &origin);
    const gdi::Rect client{0, 0, w, h};
    for (TPaintedTool* tool : ActiveTools) {
        if (!tool) break;
        if (!tool->PointerInside) continue;
        if (tool->ShowPreview) tool->DrawPreview(m_renderBuffer->DC(), client, origin.x, origin.y);
        if (tool->ShowCursor) tool->DrawCursor(m_renderBuffer->DC(), client, origin.x, origin.y);
    }

    const gdi::BitmapPtr& picture = m_renderBuffer->Bitmap();
    if (picture && StretchOntoWindow(painter, *sender, *picture, w / zoom, h / zoom)) return;
    m_surfaceImage.Resize(w, h);
    m_surfaceImage.StretchFrom(m_renderBuffer->DC(), w / zoom, h / zoom);
    painter.drawImage(0, 0, m_surfaceImage.Image());
}

// ---- Read-outs -----------------------------------------------------------------------------

void TMainForm::DrawSurfPreMouseMove(TTechDrawSurf* sender, int cx, int cy) {
    HorizRuler->SetMarker(cx);
    VertRuler->SetMarker(cy);
    const QPoint sketch = sender->SketchPoint(cx, cy);
    const double factor = UnitFactor(Units);
    const QString label = UnitLabel(Units);
    InformationStatusBar->SetPanelText(
        1, QStringLiteral("X = %1 (%2)")
               .arg(FormatMeasure(double(sketch.x() - MeasureOrigin.x) * factor), label));
    InformationStatusBar->SetPanelText(
        2, QStringLiteral("Y = %1 (%2)")
               .arg(FormatMeasure(double(sketch.y() - MeasureOrigin.y) * factor), label));
}

void TMainForm::ShowRadius(float value) {
    InformationStatusBar->SetPanelText(
        3, QStringLiteral("Radius = %1 (%2)")
               .arg(FormatMeasure(double(value) * UnitFactor(Units)), UnitLabel(Units)));
}
