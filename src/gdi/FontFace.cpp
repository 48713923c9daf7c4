#include "gdi/FontFace.h"

#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

namespace gdi {

std::shared_ptr<FT_LibraryRec_> freeTypeLibrary() {
    static const std::shared_ptr<FT_LibraryRec_> library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) return std::shared_ptr<FT_LibraryRec_>();
        return std::shared_ptr<FT_LibraryRec_>(lib, [](FT_Library l) { FT_Done_FreeType(l); });
    }();
    return library;
}

namespace {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Names in the Windows platform's records are UTF-16 big-endian.
std::string utf16beToUtf8(const FT_Byte* bytes, FT_UInt length) {
    std::string out;
    for (FT_UInt i = 0; i + 1 < length; i += 2) {
        char32_t c = char32_t(bytes[i] << 8 | bytes[i + 1]);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < length) {
            const char32_t low = char32_t(bytes[i + 2] << 8 | bytes[i + 3]);
            if (low >= 0xDC00 && low < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, c);
    }
    return out;
}

// The family names the face answers to under the drawing interface: the legacy family
// records (name 1) of the Windows platform, US English first. The typographic family
// (name 16) groups faces that the interface keeps apart ("DejaVu Sans Condensed" is its
// own family there), so it is used only when a face has nothing else.
std::vector<std::string> legacyFamilyNames(FT_Face face) {
    std::vector<std::string> names;
    const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName name;
        if (FT_Get_Sfnt_Name(face, i, &name) != 0) continue;
        if (name.name_id != TT_NAME_ID_FONT_FAMILY || name.platform_id != TT_PLATFORM_MICROSOFT) continue;
        std::string text = utf16beToUtf8(name.string, name.string_len);
        if (text.empty() || std::find(names.begin(), names.end(), text) != names.end()) continue;
        if (name.language_id == TT_MS_LANGID_ENGLISH_UNITED_STATES)
            names.insert(names.begin(), std::move(text));
        else
            names.push_back(std::move(text));
    }
    if (names.empty() && face->family_name) names.emplace_back(face->family_name);
    return names;
}

FaceDescription describe(FT_Face face, const std::string& path, int index) {
    FaceDescription d;
    d.path = path;
    d.index = index;
    const std::vector<std::string> names = legacyFamilyNames(face);
    if (!names.empty()) d.family = names.front();
    for (const std::string& n : names)
        d.aliases.push_back(foldCase(n));
    d.bold = face->style_flags & FT_STYLE_FLAG_BOLD;
    d.italic = face->style_flags & FT_STYLE_FLAG_ITALIC;
    d.weight = d.bold ? 700 : 400;
    d.fixedPitch = FT_IS_FIXED_WIDTH(face);
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
        if (os2->usWeightClass >= 100 && os2->usWeightClass <= 1000) d.weight = os2->usWeightClass;
        if (os2->version != 0xFFFF && os2->panose[3] == 9) d.fixedPitch = true; // proportion: monospaced
    }
    return d;
}

} // namespace

std::string foldCase(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 'A' && b <= 'Z') {
            out += char(b + ('a' - 'A'));
        } else if ((b == 0xD0 || b == 0xD1) && i + 1 < utf8.size()) {
            // Two-byte sequences of U+0400..U+047F: fold the Cyrillic capitals.
            const char32_t c = char32_t((b & 0x1F) << 6 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
            char32_t folded = c;
            if (c >= 0x0410 && c <= 0x042F)
                folded = c + 0x20;
            else if (c >= 0x0400 && c <= 0x040F)
                folded = c + 0x50;
            appendUtf8(out, folded);
            ++i;
        } else {
            out += char(b);
        }
    }
    return out;
}

bool FaceDescription::hasFamily(std::string_view foldedName) const {
    return std::find(aliases.begin(), aliases.end(), foldedName) != aliases.end();
}

namespace {
// Opens one face for a look at its tables; the count of faces in the file comes back
// too, so that a caller can walk a collection.
std::optional<FaceDescription> describeIndex(const std::string& path, int index, FT_Long* faceCount) {
    const auto library = freeTypeLibrary();
    if (!library) return std::nullopt;
    FT_Face face = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), index, &face) != 0) return std::nullopt;
    if (faceCount) *faceCount = face->num_faces;
    std::optional<FaceDescription> d;
    if (FT_IS_SCALABLE(face) && FT_IS_SFNT(face)) {
        d = describe(face, path, index);
        if (d->family.empty()) d.reset();
    }
    FT_Done_Face(face);
    return d;
}
} // namespace

std::optional<FaceDescription> describeFontFace(const std::string& path, int index) {
    return describeIndex(path, index, nullptr);
}

std::vector<FaceDescription> describeFontFile(const std::string& path) {
    std::vector<FaceDescription> faces;
    FT_Long count = 1;
    for (FT_Long i = 0; i < count; ++i) {
        count = 0;
        if (auto d = describeIndex(path, int(i), &count)) faces.push_back(std::move(*d));
    }
    return faces;
}

const FaceDescription* bestStyleMatch(const std::vector<FaceDescription>& faces, bool bold, bool italic) {
    const FaceDescription* best = nullptr;
    int bestScore = 0;
    for (const FaceDescription& f : faces) {
        // Style mismatches weigh far more than how far the weight is from the usual one.
        const int score =
            (int(f.italic != italic) + int(f.bold != bold)) * 10000 + std::abs(f.weight - (bold ? 700 : 400));
        if (!best || score < bestScore) {
            best = &f;
            bestScore = score;
        }
    }
    return best;
}

std::shared_ptr<FontFace> FontFace::open(const std::string& path, int index) {
    static std::map<std::pair<std::string, int>, std::weak_ptr<FontFace>> openFaces;
    const auto key = std::make_pair(path, index);
    if (auto it = openFaces.find(key); it != openFaces.end()) {
        if (auto face = it->second.lock()) return face;
    }
    std::erase_if(openFaces, [](const auto& entry) { return entry.second.expired(); });

    auto library = freeTypeLibrary();
    if (!library) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), index, &face) != 0) return nullptr;
    std::shared_ptr<FontFace> shared(new FontFace(std::move(library), face, path, index));
    openFaces[key] = shared;
    return shared;
}

FontFace::FontFace(std::shared_ptr<FT_LibraryRec_> library, FT_Face face, std::string path, int index)
    : m_library(std::move(library)), m_face(face), m_path(std::move(path)), m_index(index) {}

FontFace::~FontFace() {
    FT_Done_Face(m_face);
}

} // namespace gdi
