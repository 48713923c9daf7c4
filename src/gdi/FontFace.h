#pragma once
// Font files as FreeType sees them: what a file offers (families, styles) and the
// opened faces that the sized fonts (FontInstance.h) draw from. An opened face is shared
// by every size and style taken from it and closed when the last user lets go.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

// The process-wide FreeType library, created on first use. Every open face keeps it
// alive, so that no face outlives it whatever order statics are destroyed in.
std::shared_ptr<FT_LibraryRec_> freeTypeLibrary();

// Case folding for family names: ASCII and Cyrillic letters, as the names users type.
std::string foldCase(std::string_view utf8);

// One face of a font file, described by the names the drawing interface matches on.
struct FaceDescription {
    std::string path;
    int index = 0;
    std::string family;               // the legacy (style-linked) family name, as listed
    std::vector<std::string> aliases; // every family name of the face, case-folded
    bool bold = false;
    bool italic = false;
    int weight = 400;
    bool fixedPitch = false;

    bool hasFamily(std::string_view foldedName) const;
};

// Every scalable face of a TrueType or OpenType file; empty when the file cannot be read
// or holds nothing scalable.
std::vector<FaceDescription> describeFontFile(const std::string& path);
// One face of a file, when it is a scalable TrueType or OpenType face.
std::optional<FaceDescription> describeFontFace(const std::string& path, int index);

// The face of those given that fits the asked style best: bold and italic as asked
// first, the first listed among equals.
const FaceDescription* bestStyleMatch(const std::vector<FaceDescription>& faces, bool bold, bool italic);

class FontFace {
  public:
    // Opens (or shares an already open) face of a file; nullptr when it cannot be opened.
    static std::shared_ptr<FontFace> open(const std::string& path, int index);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_Face handle() const { return m_face; }
    const std::string& path() const { return m_path; }
    int index() const { return m_index; }

  private:
    FontFace(std::shared_ptr<FT_LibraryRec_> library, FT_Face face, std::string path, int index);

    std::shared_ptr<FT_LibraryRec_> m_library;
    FT_Face m_face;
    std::string m_path;
    int m_index;
};

} // namespace gdi
