#include "gdi/WidePen.h"

namespace gdi {

void drawWideLines(DeviceContext&, const Point*, int, bool) {}

} // namespace gdi
