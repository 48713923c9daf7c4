#pragma once
// "Виды штриховки": the hatching tool's window of seven samples (six hatch styles and a
// solid fill), each painted by the raster layer with the hatch it stands for. Clicking a
// sample gives its style to the hatching tool; the chosen one is shown on light blue.

#include "tools/base/TechDialogBaseForm.h"

#include <QFrame>

#include <cstdint>

class TFillSample : public QFrame {
    Q_OBJECT
  public:
    // tag 0 is the empty place beside the samples; it paints nothing and takes no clicks.
    TFillSample(const char* name, int32_t tag, QWidget* parent);

    int32_t Tag() const { return m_tag; }
    bool Selected() const { return m_selected; }
    void SetSelected(bool selected);

  signals:
    void Clicked(TFillSample* sample);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int32_t m_tag;
    bool m_selected = false;
};

class TFillForm : public TTechDialogBaseForm {
    Q_OBJECT
  public:
    explicit TFillForm(QWidget* owner);

    // The hatch style of a sample's tag, as the hatching tool takes it.
    static int32_t HatchOfTag(int32_t tag);

    // A click on a sample: a different one becomes the chosen one, and the hatching
    // tool, if it is current, takes its style.
    void SelFill(TFillSample* sample);

    TFillSample* HDrawSurf;
    TFillSample* VDrawSurf;
    TFillSample* FDDrawSurf;
    TFillSample* SolidDrawSurf;
    TFillSample* BDDrawSurf;
    TFillSample* CrossDrawSurf;
    TFillSample* DCrossDrawSurf;
    TFillSample* FSelected = nullptr;
};
