// The calculator's interface language: Czech, or English from the table built out of the translation
// file. Only the options choose it; the window's remembered choice is never read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Language { Czech, English };

// "cs" or "en", as --lang takes them. Inline: the option parser needs no table.
inline std::optional<Language> LanguageOfName(std::string_view name)
{
    if (name == "cs")
        return Language::Czech;
    if (name == "en")
        return Language::English;
    return std::nullopt;
}

// Makes every text looked up through the translation hook come out in `language`.
void InstallLanguage(Language language);
Language InstalledLanguage();

// The English of `source` in `context`, or nullptr when the table has none.
const char* EnglishText(const char* context, const char* source);

// "Context: source" of each text of the code without Qt that has no English yet: empty when the
// translation file is complete.
std::vector<std::string> UntranslatedTexts();
