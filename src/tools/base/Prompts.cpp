#include "tools/base/Prompts.h"

#include "tools/base/ToolSwitch.h"

TStringTable::TStringTable(std::initializer_list<std::pair<int32_t, const char*>> entries) {
    m_entries.reserve(entries.size());
    for (const auto& [id, text] : entries)
        m_entries.emplace_back(id, QString::fromUtf8(text));
}

QString TStringTable::Load(int32_t id) const {
    for (const auto& [entryId, text] : m_entries)
        if (entryId == id) return text;
    return {};
}

QString StatusPromptText(const QString& requested) {
    if (requested == QLatin1String(EndOfObjectPrompt)) return QString::fromUtf8(GeneralPrompt);
    if (!requested.isEmpty()) return requested;
    if (CurrentTool) return CurrentTool->GetPrompt();
    return QString::fromUtf8(GeneralPrompt);
}
