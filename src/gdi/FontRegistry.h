#pragma once
// The program's private fonts: font files added for this process only, found by their
// family names before the system's fonts. Adding a file twice needs two removals, as
// with the platform's font resources.
//
// The faces of an added file stay open until it is removed.
//
// One instance for the process, used from the GUI thread only; tests clear it.

#include "gdi/FontFace.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

class FontRegistry {
  public:
    static FontRegistry& instance();

    // Adds the faces of a TrueType or OpenType file. Answers the family names it
    // provides, or nothing when the file holds no usable face.
    std::optional<std::vector<std::string>> addFontFile(const std::string& path);
    // Drops one addition of the file; false when it was not added.
    bool removeFontFile(const std::string& path);
    void clear();

    // The faces of a family, whatever the case of the name.
    std::vector<FaceDescription> facesOf(std::string_view family) const;
    std::vector<std::string> families() const;

    // Changes whenever the set of faces changes, so that font matches made before can
    // be dropped.
    uint64_t generation() const { return m_generation; }

  private:
    FontRegistry() = default;

    struct Entry {
        std::string path;
        int references = 0;
        std::vector<FaceDescription> faces;
        std::vector<std::shared_ptr<FontFace>> open;
    };
    std::vector<Entry> m_entries;
    uint64_t m_generation = 0;
};

} // namespace gdi
