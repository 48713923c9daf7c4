#include "tools/draw/FillForm.h"

#include "tools/base/BitmapImage.h"
#include "tools/base/ToolSwitch.h"
#include "tools/draw/Filling.h"

#include "gdi/Brush.h"
#include "gdi/DeviceContext.h"
#include "gdi/Pen.h"

#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace {

constexpr int32_t SampleSize = 42;
constexpr gdi::COLORREF White = 0xFFFFFF;
constexpr gdi::COLORREF Black = 0x000000;
constexpr gdi::COLORREF LightBlue = 0xFADC8C; // red 140, green 220, blue 250

// Hatch style by tag; 0 and 7 are never asked for by a sample.
constexpr std::array<int32_t, 8> HatchByTag = {50, 0, 1, 2, 3, 4, 5, 18};

// The picture of a sample's client area.
gdi::BitmapPtr samplePicture(int32_t tag, bool selected, int32_t width, int32_t height) {
    gdi::DeviceContext dc;
    dc.selectBitmap(gdi::Bitmap::create(width, height, 32));
    const gdi::Rect client{0, 0, width, height};
    if (tag == TFilling::SolidFill) {
        dc.fillRect(client, gdi::createSolidBrush(Black));
        if (selected) {
            gdi::PenPtr oldPen = dc.selectPen(gdi::createPen(gdi::PS_SOLID, 1, LightBlue));
            gdi::BrushPtr oldBrush = dc.selectBrush(gdi::stockNullBrush());
            dc.rectangle(0, 0, width, height);
            dc.selectBrush(oldBrush);
            dc.selectPen(oldPen);
        }
        return dc.bitmap();
    }
    dc.fillRect(client, gdi::createSolidBrush(selected ? LightBlue : White));
    if (tag > 0 && tag <= 6) {
        gdi::BrushPtr old = dc.selectBrush(gdi::createHatchBrush(HatchByTag[size_t(tag)], Black));
        dc.setBkMode(gdi::TRANSPARENT);
        dc.floodFill(1, 1, dc.getPixel(1, 1), gdi::FLOODFILLSURFACE);
        dc.selectBrush(old);
    }
    return dc.bitmap();
}

} // namespace

// ---- A sample ------------------------------------------------------------------------------------

TFillSample::TFillSample(const char* name, int32_t tag, QWidget* parent) : QFrame(parent), m_tag(tag) {
    setObjectName(QString::fromLatin1(name));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(SampleSize, SampleSize);
}

void TFillSample::SetSelected(bool selected) {
    if (selected == m_selected) return;
    m_selected = selected;
    update();
}

void TFillSample::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (m_tag == 0) return;
    const QRect area = contentsRect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(),
                      ImageOfBitmap(samplePicture(m_tag, m_selected, area.width(), area.height())));
}

void TFillSample::mousePressEvent(QMouseEvent* event) {
    if (m_tag != 0 && event->button() == Qt::LeftButton) emit Clicked(this);
}

// ---- The form ------------------------------------------------------------------------------------

TFillForm::TFillForm(QWidget* owner) : TTechDialogBaseForm(owner) {
    setObjectName(QStringLiteral("FillForm"));
    setWindowTitle(QStringLiteral("Виды штриховки"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(171, 85);
    auto place = [this](const char* name, int32_t tag, int x, int y) {
        auto* sample = new TFillSample(name, tag, this);
        sample->move(x, y);
        connect(sample, &TFillSample::Clicked, this, &TFillForm::SelFill);
        return sample;
    };
    HDrawSurf = place("HDrawSurf", 1, 0, 0);
    VDrawSurf = place("VDrawSurf", 2, 43, 0);
    FDDrawSurf = place("FDDrawSurf", 3, 86, 0);
    SolidDrawSurf = place("SolidDrawSurf", TFilling::SolidFill, 129, 0);
    SolidDrawSurf->setToolTip(QStringLiteral("Заливка цветом"));
    SolidDrawSurf->setAccessibleName(QStringLiteral("Заливка цветом"));
    BDDrawSurf = place("BDDrawSurf", 4, 0, 43);
    CrossDrawSurf = place("CrossDrawSurf", 5, 43, 43);
    DCrossDrawSurf = place("DCrossDrawSurf", 6, 86, 43);
    place("EmptyDrawSurf", 0, 129, 43);
    FSelected = BDDrawSurf;
    FSelected->SetSelected(true);
}

int32_t TFillForm::HatchOfTag(int32_t tag) {
    if (tag > 6) return tag;
    return tag >= 0 ? HatchByTag[size_t(tag)] : HatchByTag[0];
}

void TFillForm::SelFill(TFillSample* sample) {
    if (!sample || sample == FSelected) return;
    // The form lives beside its tool; a click while another tool is current only moves
    // the choice.
    if (auto* filling = dynamic_cast<TFilling*>(CurrentTool.get()))
        filling->FHatch = HatchOfTag(sample->Tag());
    if (FSelected) FSelected->SetSelected(false);
    FSelected = sample;
    FSelected->SetSelected(true);
}
