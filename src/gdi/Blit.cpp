#include "gdi/DeviceContext.h"

namespace gdi {

bool DeviceContext::patBlt(int32_t, int32_t, int32_t, int32_t, uint32_t) { return false; }
bool DeviceContext::bitBlt(int32_t, int32_t, int32_t, int32_t, const DeviceContext*, int32_t, int32_t, uint32_t) {
    return false;
}
bool DeviceContext::stretchBlt(int32_t, int32_t, int32_t, int32_t, const DeviceContext*, int32_t, int32_t, int32_t,
                               int32_t, uint32_t) {
    return false;
}

} // namespace gdi
