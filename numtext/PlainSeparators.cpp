// The user's decimal and thousands separators without Qt: the locale name from the environment, looked
// up in the table of Qt's own locale data made at build time, so that they are the window program's.
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#include "LoadNumberSeparators.h"
#include "NumText.h"

namespace {

struct LocaleSeparators {
    std::string_view name; // language, language_territory or language_Script_territory
    char32_t decimal;
    char32_t thousands;
};

constexpr LocaleSeparators Table[] = {
#include "LocaleSeparatorTable.inc"
};
static_assert(std::is_sorted(std::begin(Table), std::end(Table),
                             [](const LocaleSeparators& a, const LocaleSeparators& b) { return a.name < b.name; }));

const LocaleSeparators* Find(std::string_view name)
{
    const auto* entry = std::lower_bound(std::begin(Table), std::end(Table), name,
                                         [](const LocaleSeparators& e, std::string_view n) { return e.name < n; });
    return entry != std::end(Table) && entry->name == name ? entry : nullptr;
}

// The locale numbers follow, by the usual precedence of the environment.
std::string NumericLocaleName()
{
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"})
        if (const char* name = std::getenv(variable); name && *name)
            return name;
    return "C";
}

// As Qt reads a name: "cs_CZ.UTF-8@euro" is cs_CZ; a territory the language has no data for gives the
// language's own; a language without data, "C" and "POSIX" give the C locale.
const LocaleSeparators* Lookup(std::string name)
{
    name = name.substr(0, name.find_first_of(".@"));
    std::replace(name.begin(), name.end(), '-', '_');
    if (const LocaleSeparators* e = Find(name))
        return e;
    const std::size_t first = name.find('_'), last = name.rfind('_');
    if (first != std::string::npos && first != last) // a script: try without it
        if (const LocaleSeparators* e = Find(name.substr(0, first) + name.substr(last)))
            return e;
    return first != std::string::npos ? Find(name.substr(0, first)) : nullptr;
}

} // namespace

void LoadNumberSeparatorsWithoutQt()
{
    const LocaleSeparators* e = Lookup(NumericLocaleName());
    DecimalSeparator = e ? e->decimal : U'.';
    ThousandSeparator = e ? e->thousands : U',';
}
