#pragma once
// The system's TrueType and OpenType fonts, as fontconfig lists them, described by the
// family names the drawing interface uses. The list is read once, on first use.

#include "gdi/FontFace.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

// The generic kind of face a logical font asks for when its name is not found.
enum class GenericFamily { Sans, Serif, Mono };

class SystemFonts {
  public:
    static SystemFonts& instance();

    // Family names, sorted and unique.
    const std::vector<std::string>& families();
    // The faces of a family, whatever the case of the name.
    std::vector<FaceDescription> facesOf(std::string_view family);
    // The family fontconfig would draw a name with when its aliases know the name,
    // restricted to TrueType and OpenType; for a name it knows nothing of, the free
    // families the program depends on (DejaVu, then Liberation) of the generic kind, and
    // only then fontconfig's choice for the kind; at last any family. Empty when there
    // are no fonts at all.
    std::string substituteFamily(std::string_view name, GenericFamily generic, bool bold, bool italic);

    // Reads the system's fonts again.
    void rescan();
    // Changes whenever the list is read again, so that font matches made before can be
    // dropped.
    uint64_t generation() const { return m_generation; }

  private:
    SystemFonts() = default;
    void ensureScanned();
    std::optional<std::string> fontconfigMatch(std::string_view name, GenericFamily generic, bool bold,
                                               bool italic) const;

    bool m_scanned = false;
    uint64_t m_generation = 0;
    std::vector<FaceDescription> m_faces;
    std::vector<std::string> m_families;
};

// The system's TrueType and OpenType family names, sorted and unique.
std::vector<std::string> systemFontFamilies();

} // namespace gdi
