#include "gdi/DeviceContext.h"

namespace gdi {

void DeviceContext::polygon(const Point*, int) {}
void DeviceContext::fillRegion(const Region&, const BrushPtr&) {}
void DeviceContext::frameRegion(const Region&, const BrushPtr&, int32_t, int32_t) {}
bool DeviceContext::floodFill(int32_t, int32_t, COLORREF, int) { return false; }

} // namespace gdi
