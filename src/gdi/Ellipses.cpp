#include "gdi/DeviceContext.h"

namespace gdi {

void DeviceContext::ellipse(int32_t, int32_t, int32_t, int32_t) {}
void DeviceContext::arc(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}

} // namespace gdi
