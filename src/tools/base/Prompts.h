#pragma once
// Status prompts. Each tool keeps its prompts as a table of numbered texts (its string
// resources) and answers GetPrompt from it by state. The main window's first status
// panel shows what tools ask for through the rules of StatusPromptText.

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

// Asked for when a tool goes: the status bar falls back to the general prompt.
inline constexpr const char* EndOfObjectPrompt = "%%EndOfObject%%";
inline constexpr const char* GeneralPrompt = "Выберите любую функцию";

class TStringTable {
  public:
    // Texts in UTF-8, by number.
    TStringTable(std::initializer_list<std::pair<int32_t, const char*>> entries);
    // Empty for a number without text.
    QString Load(int32_t id) const;

  private:
    std::vector<std::pair<int32_t, QString>> m_entries;
};

// What the first status panel shows for a requested text: the text itself; for an
// empty text the current tool's prompt, or the general prompt when no tool is current;
// for "%%EndOfObject%%" the general prompt.
QString StatusPromptText(const QString& requested);
