#include "gdi/DeviceContext.h"

namespace gdi {

void DeviceContext::lineTo(int32_t x, int32_t y) { m_position = {x, y}; }
void DeviceContext::polyline(const Point*, int) {}
void DeviceContext::rectangle(int32_t, int32_t, int32_t, int32_t) {}
void DeviceContext::penLines(const Point*, int, bool) {}

} // namespace gdi
