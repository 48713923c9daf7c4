// The line-style list of the main window: seven owner-drawn items, each a sample of the
// pen it gives, and the choice that makes LineLogPen and LinePen.
#include "app/LineStyles.h"
#include "app/GdiImage.h"
#include "app/MainForm.h"
#include "app/TechComboBox.h"
#include "document/Pens.h"

#include <QPainter>

TLineStyle LineStyleOfItem(int index) {
    // The pen styles in the order of the system's codes: solid, dash, dot, dash-dot,
    // dash-dot-dot. The first three items are ever wider lines (a wide pen is drawn
    // solid whatever its style); the rest are the broken styles one pixel wide.
    static constexpr int Styles[] = {gdi::PS_SOLID, gdi::PS_DASH, gdi::PS_DOT, gdi::PS_DASHDOT,
                                     gdi::PS_DASHDOTDOT};
    if (index < 0 || index >= LineStyleCount) return {gdi::PS_SOLID, 1};
    if (index <= 2) return {Styles[index], 2 * index + 1};
    return {Styles[index - 2], 1};
}

QImage LineStyleSample(int index, QSize size) {
    // Drawn by the raster layer, so that the sample shows the dashes the sketch will get.
    TGdiImage image;
    image.Resize(size.width(), size.height());
    if (image.IsEmpty()) return {};
    constexpr gdi::COLORREF Background = 0x00FFFFFF;
    image.DC().fillRect({0, 0, size.width(), size.height()}, gdi::createSolidBrush(Background));
    const TLineStyle style = LineStyleOfItem(index);
    image.DC().selectPen(gdi::createPen(style.Style, style.Width, 0x00000000));
    image.DC().setBkMode(gdi::TRANSPARENT);
    const int y = size.height() / 2;
    image.DC().moveTo(15, y);
    image.DC().lineTo(size.width() - 15, y);

    // Only the line itself goes onto the item; what the box painted stays around it.
    QImage sample = image.Image().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < sample.height(); ++row) {
        auto* pixels = reinterpret_cast<QRgb*>(sample.scanLine(row));
        for (int x = 0; x < sample.width(); ++x)
            pixels[x] = (pixels[x] & 0x00FFFFFF) == Background ? 0 : 0xFF000000;
    }
    return sample;
}

void TMainForm::CreateLinesStyleList() {
    static const char* const Names[LineStyleCount] = {"Сплошная, толщина 1",
                                                      "Сплошная, толщина 3",
                                                      "Сплошная, толщина 5",
                                                      "Штриховая",
                                                      "Пунктирная",
                                                      "Штрихпунктирная",
                                                      "Штрихпунктирная с двумя точками"};
    LinesStyleList = new TTechComboBox(this);
    LinesStyleList->setObjectName(QStringLiteral("LinesStyleList"));
    LinesStyleList->setAccessibleName(QStringLiteral("Тип линий"));
    LinesStyleList->setToolTip(QStringLiteral("Тип линий"));
    // The names are for screen readers; the list shows the samples.
    for (const char* name : Names)
        LinesStyleList->addItem(QString::fromUtf8(name));
    LinesStyleList->SetItemHeight(16);
    LinesStyleList->setMaxVisibleItems(10);
    LinesStyleList->setFixedWidth(100);
    LinesStyleList->setFocusPolicy(Qt::ClickFocus);
    QPalette silver = LinesStyleList->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        silver.setColor(role, QColor(0xC0, 0xC0, 0xC0));
    LinesStyleList->setPalette(silver);
    LinesStyleList->OnDrawItem = [](TTechComboBox*, int index, QPainter& painter, const QRect& rect,
                                    QStyle::State) {
        painter.drawImage(rect.topLeft(), LineStyleSample(index, rect.size()));
    };
    connect(LinesStyleList, &QComboBox::activated, this, [this](int index) { LinesStyleListChange(index); });
}

void TMainForm::LinesStyleListChange(int index) {
    const TLineStyle style = LineStyleOfItem(index);
    LineLogPen.style = style.Style;
    LineLogPen.width = style.Width;
    RecreateLinePen();
    // Keys go back to the drawing.
    LinesStyleList->clearFocus();
}
