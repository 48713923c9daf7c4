#include "gdi/SystemFonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <set>
#include <tuple>
#include <utility>

namespace gdi {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

bool isOutlineSfnt(FcPattern* font) {
    FcChar8* format = nullptr;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) return false;
    const std::string_view f(reinterpret_cast<const char*>(format));
    return f == "TrueType" || f == "CFF";
}

const char* genericName(GenericFamily generic) {
    switch (generic) {
    case GenericFamily::Mono:
        return "monospace";
    case GenericFamily::Serif:
        return "serif";
    case GenericFamily::Sans:
        break;
    }
    return "sans-serif";
}

} // namespace

SystemFonts& SystemFonts::instance() {
    static SystemFonts fonts;
    return fonts;
}

void SystemFonts::rescan() {
    m_scanned = false;
    ++m_generation;
    m_faces.clear();
    m_families.clear();
    FcInitBringUptoDate();
    ensureScanned();
}

void SystemFonts::ensureScanned() {
    if (m_scanned) return;
    m_scanned = true;
    PatternPtr pattern(FcPatternCreate());
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FONTFORMAT, FC_OUTLINE, nullptr));
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) return;

    // fontconfig lists a file once per face (and per named instance); the names come
    // from the file itself, as fontconfig merges families the drawing interface keeps
    // apart.
    std::set<std::pair<std::string, int>> seen;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcChar8* file = nullptr;
        int index = 0;
        FcBool outline = FcFalse;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) continue;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
        if (!outline || !isOutlineSfnt(font)) continue;
        auto key = std::make_pair(std::string(reinterpret_cast<const char*>(file)), index);
        if (!seen.insert(key).second) continue;
        if (auto face = describeFontFace(key.first, key.second)) m_faces.push_back(std::move(*face));
    }
    // A stable order, so that equal matches pick the same file on every run.
    std::sort(m_faces.begin(), m_faces.end(), [](const FaceDescription& a, const FaceDescription& b) {
        return std::tie(a.path, a.index) < std::tie(b.path, b.index);
    });

    for (const FaceDescription& f : m_faces)
        m_families.push_back(f.family);
    std::sort(m_families.begin(), m_families.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = foldCase(a), fb = foldCase(b);
        return fa != fb ? fa < fb : a < b;
    });
    m_families.erase(std::unique(m_families.begin(), m_families.end()), m_families.end());
}

const std::vector<std::string>& SystemFonts::families() {
    ensureScanned();
    return m_families;
}

std::vector<FaceDescription> SystemFonts::facesOf(std::string_view family) {
    ensureScanned();
    const std::string folded = foldCase(family);
    std::vector<FaceDescription> faces;
    for (const FaceDescription& f : m_faces)
        if (f.hasFamily(folded)) faces.push_back(f);
    return faces;
}

std::optional<std::string> SystemFonts::fontconfigMatch(std::string_view name, GenericFamily generic,
                                                        bool bold, bool italic) const {
    PatternPtr pattern(FcPatternCreate());
    if (!name.empty()) {
        const std::string n(name);
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(n.c_str()));
    }
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(genericName(generic)));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) return std::nullopt;
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    const std::string path(reinterpret_cast<const char*>(file));
    for (const FaceDescription& f : m_faces)
        if (f.path == path && f.index == index) return f.family;
    return std::nullopt;
}

std::string SystemFonts::substituteFamily(std::string_view name, GenericFamily generic, bool bold,
                                          bool italic) {
    ensureScanned();
    const std::optional<std::string> byName = fontconfigMatch(name, generic, bold, italic);
    // A name fontconfig knows (an alias, a metric twin) keeps its match. A name it knows
    // nothing of would get whatever the machine prefers for the generic kind, which
    // differs with the fonts installed; the free families the program depends on come
    // first instead, so that such text looks the same on every machine.
    if (byName && !name.empty() && byName != fontconfigMatch({}, generic, bold, italic)) return *byName;

    static const char* const sans[] = {"DejaVu Sans", "Liberation Sans"};
    static const char* const serif[] = {"DejaVu Serif", "Liberation Serif"};
    static const char* const mono[] = {"DejaVu Sans Mono", "Liberation Mono"};
    const char* const* first = generic == GenericFamily::Mono    ? mono
                               : generic == GenericFamily::Serif ? serif
                                                                 : sans;
    for (int i = 0; i < 2; ++i)
        if (!facesOf(first[i]).empty()) return first[i];
    if (byName) return *byName;
    for (const char* fallback : sans)
        if (!facesOf(fallback).empty()) return fallback;
    return m_families.empty() ? std::string() : m_families.front();
}

std::vector<std::string> systemFontFamilies() {
    return SystemFonts::instance().families();
}

} // namespace gdi
