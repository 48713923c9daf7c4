#include "gdi/FontMapper.h"

#include "gdi/FontRegistry.h"
#include "gdi/SystemFonts.h"

#include <string_view>

namespace gdi {

namespace {

// Weights above medium ask for bold.
constexpr int kBoldWeight = 551;
constexpr size_t kMaxInstances = 256;

// Pitch and family requests of a logical font.
constexpr uint8_t FIXED_PITCH = 0x01;
constexpr uint8_t FF_ROMAN = 0x10;
constexpr uint8_t FF_MODERN = 0x30;

GenericFamily genericFamily(uint8_t pitchAndFamily) {
    if ((pitchAndFamily & 0x03) == FIXED_PITCH || (pitchAndFamily & 0xF0) == FF_MODERN)
        return GenericFamily::Mono;
    if ((pitchAndFamily & 0xF0) == FF_ROMAN) return GenericFamily::Serif;
    return GenericFamily::Sans;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Private fonts first, so that among equal styles a file the program added wins.
std::vector<FaceDescription> facesOf(std::string_view family) {
    std::vector<FaceDescription> faces = FontRegistry::instance().facesOf(family);
    for (FaceDescription& f : SystemFonts::instance().facesOf(family))
        faces.push_back(std::move(f));
    return faces;
}

} // namespace

FontMapper& FontMapper::instance() {
    static FontMapper mapper;
    return mapper;
}

std::optional<FaceDescription> FontMapper::match(const LogFont& log) const {
    const bool bold = log.weight >= kBoldWeight;
    const std::string_view name = trimmed(log.faceName);
    std::vector<FaceDescription> faces;
    if (!name.empty()) faces = facesOf(name);
    if (faces.empty()) {
        const std::string family = SystemFonts::instance().substituteFamily(
            name, genericFamily(log.pitchAndFamily), bold, log.italic);
        if (!family.empty()) faces = facesOf(family);
    }
    if (faces.empty()) {
        // No system fonts at all: anything the program brought along will do.
        const std::vector<std::string> own = FontRegistry::instance().families();
        if (!own.empty()) faces = FontRegistry::instance().facesOf(own.front());
    }
    const FaceDescription* best = bestStyleMatch(faces, bold, log.italic);
    if (!best) return std::nullopt;
    return *best;
}

std::shared_ptr<FontInstance> FontMapper::instanceFor(const LogFont& log) {
    const uint64_t registryGeneration = FontRegistry::instance().generation();
    const uint64_t systemGeneration = SystemFonts::instance().generation();
    if (registryGeneration != m_registryGeneration || systemGeneration != m_systemGeneration) {
        m_instances.clear();
        m_registryGeneration = registryGeneration;
        m_systemGeneration = systemGeneration;
    }
    const bool bold = log.weight >= kBoldWeight;
    std::string key = foldCase(trimmed(log.faceName));
    key += '\0';
    key += std::to_string(log.height) + ',' + std::to_string(log.width) + ',' + (bold ? 'b' : '-') +
           (log.italic ? 'i' : '-') + std::to_string(log.pitchAndFamily);
    if (auto it = m_instances.find(key); it != m_instances.end()) return it->second;

    std::shared_ptr<FontInstance> instance;
    if (const std::optional<FaceDescription> face = match(log)) {
        instance = FontInstance::create(FontFace::open(face->path, face->index), *face,
                                        {log.height, log.width, bold, log.italic});
    }
    if (m_instances.size() >= kMaxInstances) m_instances.clear();
    m_instances.emplace(std::move(key), instance);
    return instance;
}

} // namespace gdi
