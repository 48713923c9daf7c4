#include "gdi/FontRegistry.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace gdi {

FontRegistry& FontRegistry::instance() {
    static FontRegistry registry;
    return registry;
}

namespace {
// The same file reached by another spelling of its path is the same resource.
std::string resourceKey(const std::string& path) {
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

std::vector<std::string> familiesOf(const std::vector<FaceDescription>& faces) {
    std::vector<std::string> names;
    for (const FaceDescription& f : faces)
        if (std::find(names.begin(), names.end(), f.family) == names.end()) names.push_back(f.family);
    return names;
}
} // namespace

std::optional<std::vector<std::string>> FontRegistry::addFontFile(const std::string& file) {
    const std::string path = resourceKey(file);
    auto it =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.path == path; });
    if (it != m_entries.end()) {
        ++it->references;
        return familiesOf(it->faces);
    }
    std::vector<FaceDescription> faces = describeFontFile(path);
    if (faces.empty()) return std::nullopt;
    // The faces stay open while the file is added: the fonts of the program are drawn
    // with all the time, and a size or angle not met before then costs only its glyphs.
    std::vector<std::shared_ptr<FontFace>> open;
    for (const FaceDescription& f : faces)
        if (auto face = FontFace::open(path, f.index)) open.push_back(std::move(face));
    m_entries.push_back({path, 1, std::move(faces), std::move(open)});
    ++m_generation;
    return familiesOf(m_entries.back().faces);
}

bool FontRegistry::removeFontFile(const std::string& file) {
    const std::string path = resourceKey(file);
    auto it =
        std::find_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.path == path; });
    if (it == m_entries.end()) return false;
    if (--it->references == 0) {
        m_entries.erase(it);
        ++m_generation;
    }
    return true;
}

void FontRegistry::clear() {
    m_entries.clear();
    ++m_generation;
}

std::vector<FaceDescription> FontRegistry::facesOf(std::string_view family) const {
    const std::string folded = foldCase(family);
    std::vector<FaceDescription> faces;
    for (const Entry& e : m_entries)
        for (const FaceDescription& f : e.faces)
            if (f.hasFamily(folded)) faces.push_back(f);
    return faces;
}

std::vector<std::string> FontRegistry::families() const {
    std::vector<std::string> names;
    for (const Entry& e : m_entries)
        for (const std::string& n : familiesOf(e.faces))
            if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
    return names;
}

} // namespace gdi
