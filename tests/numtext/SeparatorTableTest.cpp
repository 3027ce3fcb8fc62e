// The calculator's separators, read without Qt, against what Qt makes of the same locale name, for
// every locale Qt knows and the forms the name takes in the environment.
#include <QLocale>
#include <QStringList>
#include <cstdlib>

#include <gtest/gtest.h>

#include "LoadNumberSeparators.h"
#include "NumText.h"

namespace {

char32_t SingleCharacter(const QString& entry, char32_t fallback)
{
    const QList<uint> codePoints = entry.toUcs4();
    return codePoints.size() == 1 && codePoints.front() != 0 ? codePoints.front() : fallback;
}

TEST(SeparatorTable, EveryLocaleNameGivesQtsSeparators)
{
    QStringList names{"", "C", "POSIX", "C.UTF-8", "xx_YY.UTF-8", "cs-CZ", "sr_RS@latin"};
    for (const QLocale& l : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString language = QLocale::languageToCode(l.language());
        const QString territory = QLocale::territoryToCode(l.territory());
        const QString script = QLocale::scriptToCode(l.script());
        names << language << language + "_" + territory + ".UTF-8" << language + "_" + territory + "@euro"
              << language + "_" + script + "_" + territory << language + "_ZZ.UTF-8" << language + "_CZ";
    }
    const char* const saved[] = {std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG")};
    unsetenv("LC_ALL");
    unsetenv("LC_NUMERIC");
    int compared = 0;
    for (const QString& name : names) {
        const QLocale qt(name);
        setenv("LANG", name.toLatin1().constData(), 1);
        LoadNumberSeparatorsWithoutQt();
        EXPECT_EQ(static_cast<std::uint32_t>(DecimalSeparator),
                  static_cast<std::uint32_t>(SingleCharacter(qt.decimalPoint(), U'.')))
            << name.toStdString();
        EXPECT_EQ(static_cast<std::uint32_t>(ThousandSeparator),
                  static_cast<std::uint32_t>(SingleCharacter(qt.groupSeparator(), U',')))
            << name.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 3000);
    for (const auto& [variable, value] : {std::pair{"LC_ALL", saved[0]}, {"LC_NUMERIC", saved[1]}, {"LANG", saved[2]}})
        value ? setenv(variable, value, 1) : unsetenv(variable);
}

} // namespace
