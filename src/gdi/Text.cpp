#include "gdi/DeviceContext.h"

namespace gdi {

FontPtr createFontIndirect(const LogFont& log) { return std::make_shared<const Font>(log); }
FontPtr stockSystemFont() {
    static const FontPtr font = createFontIndirect(LogFont{});
    return font;
}
bool DeviceContext::textOut(int32_t, int32_t, std::string_view) { return false; }
Size DeviceContext::textExtent(std::string_view) const { return {}; }
TextMetrics DeviceContext::textMetrics() const { return {}; }

} // namespace gdi
