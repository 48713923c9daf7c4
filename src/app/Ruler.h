#pragma once
// A ruler beside the drawing surface: a centimetre scale that follows the zoom and the
// scroll position, and a marker line at the pointer, drawn in inverting mode so that
// drawing it again takes it away.

#include "app/GdiImage.h"

#include <QWidget>

enum TRulerOrientation { roHorizontal, roVertical };

class TRuler : public QWidget {
    Q_OBJECT
  public:
    explicit TRuler(TRulerOrientation orientation, QWidget* parent = nullptr);

    int Offset() const { return m_offset; }
    void SetOffset(int value);
    TRulerOrientation RulerOrientation() const { return m_orientation; }
    void SetRulerOrientation(TRulerOrientation value);
    int Zoom() const { return m_zoom; }
    void SetZoom(int value);
    float Min() const { return m_min; }
    void SetMin(float value);

    // Moves the marker to a client coordinate along the ruler.
    void SetMarker(int pos);
    int MarkerPosition() const { return m_marker; }

    // The scale with the marker, as it is shown.
    const QImage& ScaleImage();

    // Screen pixels per centimetre and millimetre at zoom 1.
    static constexpr long double PixelsPerCm = 37.915L;
    static constexpr long double PixelsPerMm = 3.7915L;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void DrawScale();
    // Takes the marker off where it was and puts it where it is now.
    void PaintMarker();
    void EnsureScale();
    void Tick(int along, int length);
    void MarkerLine(int pos);

    TRulerOrientation m_orientation;
    int m_offset = 0;
    int m_zoom = 1;
    float m_min = 0;
    int m_marker = -1;
    int m_previousMarker = -1;
    bool m_markerOnBitmap = false;
    TGdiImage m_scale;
};
