#include "Language.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Translation.h"

namespace {

// Offsets into TableTexts.
struct TableEntry {
    std::uint32_t context, source, translation;
};

#include "TranslationTable.inc"

Language installed = Language::Czech;

std::string English(const char* context, const char* source)
{
    const char* text = EnglishText(context, source);
    return text ? text : source;
}

} // namespace

void InstallLanguage(Language language)
{
    installed = language;
    translation::Install(language == Language::English ? English : nullptr);
}

Language InstalledLanguage()
{
    return installed;
}

const char* EnglishText(const char* context, const char* source)
{
    // Binary search by context, then source, in the bytes' order.
    std::size_t low = 0, high = TableEntryCount;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const TableEntry& e = TableEntries[middle];
        int order = std::strcmp(TableTexts + e.context, context);
        if (order == 0)
            order = std::strcmp(TableTexts + e.source, source);
        if (order == 0)
            return TableTexts + e.translation;
        if (order < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}

std::vector<std::string> UntranslatedTexts()
{
    std::vector<std::string> texts;
    for (const char* const* t = TableUnfinished; *t; ++t)
        texts.emplace_back(*t);
    return texts;
}
