#pragma once
// Pens. Width 0 or 1 gives a cosmetic pen that honours its style; width 2 and more a
// wide pen drawn solid, with round ends and joins, whatever its style.

#include "gdi/Types.h"

#include <memory>

namespace gdi {

struct LogPen {
    int style = PS_SOLID;
    int32_t width = 1;
    COLORREF color = 0;
};

class Pen {
  public:
    explicit Pen(const LogPen& log) : m_log(log) {}
    const LogPen& log() const { return m_log; }
    int style() const { return m_log.style; }
    COLORREF color() const { return m_log.color; }
    bool isNull() const { return m_log.style == PS_NULL; }
    bool isWide() const { return m_log.width > 1; }

  private:
    LogPen m_log;
};

using PenPtr = std::shared_ptr<const Pen>;

PenPtr createPen(int style, int32_t width, COLORREF color);
PenPtr createPenIndirect(const LogPen& log);
PenPtr stockBlackPen();
PenPtr stockWhitePen();
PenPtr stockNullPen();

} // namespace gdi
