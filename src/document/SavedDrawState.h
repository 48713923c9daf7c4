#pragma once
// Puts back the pen, brush and raster mode a DC had when the routine began, whatever
// way the routine leaves: every drawing routine leaves the DC as it found it.

#include "gdi/DeviceContext.h"

class TSavedDrawState {
  public:
    explicit TSavedDrawState(gdi::DeviceContext& dc)
        : m_dc(dc), m_pen(dc.pen()), m_brush(dc.brush()), m_rop2(dc.rop2()) {}
    ~TSavedDrawState() {
        m_dc.setROP2(m_rop2);
        m_dc.selectBrush(std::move(m_brush));
        m_dc.selectPen(std::move(m_pen));
    }
    TSavedDrawState(const TSavedDrawState&) = delete;
    TSavedDrawState& operator=(const TSavedDrawState&) = delete;

  private:
    gdi::DeviceContext& m_dc;
    gdi::PenPtr m_pen;
    gdi::BrushPtr m_brush;
    int m_rop2;
};
