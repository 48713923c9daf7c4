#pragma once
// The font mapper: which face, at which size, a logical font draws with. The face name
// is looked up, whatever its case, among the private fonts and the system's; a name
// found nowhere gets the face fontconfig substitutes for it, guided by the pitch and
// family the logical font asks for. Bold (weights above 550) and italic pick the face of
// the family that has them, or are synthesised.
//
// Matches are kept per logical font and dropped when the private fonts change or the
// system's are read again.

#include "gdi/Font.h"
#include "gdi/FontFace.h"
#include "gdi/FontInstance.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace gdi {

class FontMapper {
  public:
    static FontMapper& instance();

    // The face a logical font is matched to; nothing when there are no fonts at all.
    std::optional<FaceDescription> match(const LogFont& log) const;
    // The face sized for the logical font; nullptr when there is nothing to draw with.
    std::shared_ptr<FontInstance> instanceFor(const LogFont& log);
    void clear() { m_instances.clear(); }

  private:
    FontMapper() = default;

    uint64_t m_registryGeneration = 0;
    uint64_t m_systemGeneration = 0;
    std::unordered_map<std::string, std::shared_ptr<FontInstance>> m_instances;
};

} // namespace gdi
