// Takes the user's decimal and thousands separators from the system locale.
#include "LoadNumberSeparators.h"

#include <QLocale>
#include <QString>

#include "NumText.h"

namespace {

// The one character of a separator entry, or the fallback when the entry is empty or longer.
char32_t SingleCharacter(const QString& entry, char32_t fallback)
{
    const QList<uint> codePoints = entry.toUcs4();
    if (codePoints.size() != 1 || codePoints.front() == 0)
        return fallback;
    return codePoints.front();
}

} // namespace

void LoadNumberSeparators()
{
    const QLocale locale = QLocale::system();
    ThousandSeparator = SingleCharacter(locale.groupSeparator(), U',');
    DecimalSeparator = SingleCharacter(locale.decimalPoint(), U'.');
}
