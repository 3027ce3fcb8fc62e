// The diagram's texts: numbers in the locale's form, the title block, the corner box and the readout.
#include "DiagramTexts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "GridTexts.h"
#include "LineCurrent.h"
#include "NumText.h"

namespace diagram {

namespace {

QString Separator(char32_t c)
{
    return QString::fromUtf8(SeparatorText(c));
}

// Plain fixed-point text with the locale's separators and grouping: for values no table shows.
QString FixedText(double value, int decimals)
{
    // to_chars, not printf: the C library's locale, which Qt sets from the environment, would put its
    // own decimal separator in.
    char buffer[400]; // the longest double in fixed form
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                                   std::clamp(decimals, 0, 20));
    std::string digits(buffer, end.ec == std::errc() ? end.ptr : buffer);
    if (digits.find_first_not_of("-0.") == std::string::npos && digits.front() == '-')
        digits.erase(0, 1); // no "-0"
    const std::size_t point = digits.find('.');
    const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    std::string whole = digits.substr(0, point);
    const bool negative = !whole.empty() && whole.front() == '-';
    if (negative)
        whole.erase(0, 1);
    QString text;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += Separator(ThousandSeparator);
        text += QChar(whole[i]);
    }
    if (!fraction.empty())
        text += Separator(DecimalSeparator) + QString::fromStdString(fraction);
    return negative ? QStringLiteral("-") + text : text;
}

TextRow Row(const char* caption, const OptionalValue& value, const char* unit)
{
    return {Tr(caption), ValueText(value, unit), QString(), std::nullopt};
}

} // namespace

QString Tr(const char* source)
{
    return QCoreApplication::translate("DiagramTexts", source);
}

QString InputText(long double value)
{
    QString text = QString::fromUtf8(NumberToGroupedText(value));
    const QString decimal = Separator(DecimalSeparator);
    if (text.contains(decimal)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(decimal))
            text.chop(decimal.size());
    }
    return text;
}

QString ValueText(const OptionalValue& value, const char* unit)
{
    if (!value || !std::isfinite(static_cast<double>(*value)))
        return QStringLiteral("–");
    QString text = QString::fromUtf8(NumberToGroupedText(*value));
    if (*unit != '\0')
        text += u' ' + QString::fromUtf8(unit);
    return text;
}

QString TickText(double value, Series step)
{
    return FixedText(value, std::max(0, -step.exponent));
}

QString SlipDivisionText(int i)
{
    // Division i stands for slip i · 0.05.
    if (i <= 0 || i >= SlipCount)
        return i <= 0 ? QStringLiteral("0") : QStringLiteral("1");
    const QString hundredths = QStringLiteral("%1").arg(i * 5, 2, 10, QChar(u'0'));
    return QStringLiteral("0") + Separator(DecimalSeparator) + (i % 2 == 0 ? hundredths.left(1) : hundredths);
}

QString ScaleText(Scale scale)
{
    return TickText(scale.Value(), scale) + QStringLiteral(" A = 1 mm");
}

TitleBlockTexts MakeTitleBlockTexts(const TKonstrukce& k, const CharacteristicPoints& c,
                                    const std::optional<AskedPoint>& point)
{
    TitleBlockTexts t;
    auto input = [&t](const char* caption, long double value, const char* unit) {
        QString text = InputText(value);
        if (*unit != '\0')
            text += u' ' + QString::fromUtf8(unit);
        t.inputs.push_back({Tr(caption), text, QString(), std::nullopt});
    };
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Proud naprázdno I0"), k.PrNapr, "A");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Účiník naprázdno cos φ0"), k.UcNapr, "");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Proud nakrátko Ik"), k.PrNakr, "A");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Účiník nakrátko cos φk"), k.UcNakr, "");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Fázové napětí Uf"), k.FazoveNapeti, "V");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Odpor R1f"), k.R1f, "Ω");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Počet fází m"), k.Spotrebic, "");
    input(QT_TRANSLATE_NOOP("DiagramTexts", "Synchronní otáčky ns"), k.SynchrOtacky, "1/min");

    t.characteristic = CharacteristicRows(k, c, false);

    static const char* const symbols[] = {"I0", "cos φ0", "Ik", "cos φk", "Uf", "R1f", "m", "ns"};
    for (std::size_t i = 0; i < t.inputs.size() && i < std::size(symbols); ++i)
        t.inputsLine += (i > 0 ? QStringLiteral(", ") : QString()) + QString::fromUtf8(symbols[i]) +
            QStringLiteral(" = ") + t.inputs[i].value;
    t.wattsPerAmpere = k.Spotrebic * k.FazoveNapeti;
    t.torquePerAmpere = k.MeritkoMomentu;
    t.torqueLine = TorqueLineText(k.torqueLine);
    if (point && point->solution.point) {
        t.pointAsked = point->byLine ? QString::fromUtf8(LineCurrentSymbol) + QStringLiteral(" = ") +
                InputText(point->value) + QStringLiteral(" A")
                                     : AskedText(point->quantity, point->value);
        t.point = PointRows(*point->solution.point, true);
        t.pointNote = PointNote(*point->solution.point);
    }
    return t;
}

QString TorqueLineText(TorqueLine line)
{
    if (line == TorqueLine::NoLoadLine)
        return Tr(
            QT_TRANSLATE_NOOP("DiagramTexts", "Bod T dělí pořadnici Ak nad přímkou naprázdno v poměru R1f : R21f"));
    return Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Bod T dělí pořadnici Ak (od osy x) v poměru R1f : R21f"));
}

QString AskedText(OperatingQuantity quantity, long double value)
{
    const OperatingQuantityTexts& t = TextsOf(quantity);
    QString text = QString::fromUtf8(t.symbol) + QStringLiteral(" = ") + InputText(value);
    if (*t.unit != '\0')
        text += u' ' + QString::fromUtf8(t.unit);
    return text;
}

std::vector<TextRow> PointRows(const PointValues& p, bool shortNames)
{
    const OperatingPoint& o = p.values;
    const struct {
        const char* caption;
        const char* symbol;
        const OptionalValue& value;
        const char* unit;
    } rows[] = {
        {QT_TRANSLATE_NOOP("DiagramTexts", "Skluz s"), "s", o.slip, ""},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Otáčky n"), "n", p.speed, "1/min"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Fázový proud I1f"), "I1f", o.current, "A"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Účiník cos φ"), "cos φ", o.powerFactor, ""},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Příkon P1"), "P1", o.input, "W"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Výkon P2"), "P2", o.output, "W"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Účinnost η"), "η", o.efficiency, ""},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Moment M"), "M", o.torque, "Nm"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Moment v synchronních wattech Pδ"), "Pδ", p.airGapPower, "W"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Ztráty ve vinutí rotoru ΔPCu2"), "ΔPCu2", p.rotorCopperLoss, "W"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Ztráty ve vinutí statoru ΔPCu1"), "ΔPCu1", p.statorCopperLoss, "W"},
        {QT_TRANSLATE_NOOP("DiagramTexts", "Ztráty naprázdno ΔP0"), "ΔP0", p.noLoadLoss, "W"},
    };
    std::vector<TextRow> texts;
    for (const auto& row : rows)
        texts.push_back(Row(shortNames ? row.symbol : row.caption, row.value, row.unit));
    // Where the motor gives nothing (at Ao), P2 / P1 is no efficiency.
    if (!(o.output && *o.output > 0))
        texts[6].value = NoEfficiency;
    if (p.copperSplitUndetermined)
        texts[9].value = texts[10].value = NoEfficiency;
    return texts;
}

std::optional<TextRow> LineCurrentRow(const PointValues& p, const std::optional<long double>& factor)
{
    if (!factor || !p.values.current)
        return std::nullopt;
    return Row(QT_TRANSLATE_NOOP("DiagramTexts", "Síťový proud IL"), *p.values.current * *factor, "A");
}

QString PointNote(const PointValues& p)
{
    return p.copperSplitUndetermined ? QString::fromStdString(CopperSplitNote()) : QString();
}

QString PowerScaleText(const TitleBlockTexts& t, Scale scale)
{
    return QStringLiteral("1 mm = ") + InputText(t.wattsPerAmpere * ExactValue(scale)) + QStringLiteral(" W");
}

QString TorqueScaleText(const TitleBlockTexts& t, Scale scale)
{
    return QStringLiteral("1 mm = ") + InputText(t.torquePerAmpere * ExactValue(scale)) + QStringLiteral(" Nm");
}

QString MotorHeaderText(const TitleBlockTexts& texts)
{
    const QString note = texts.note.simplified(); // one line, whatever the file's note holds
    if (texts.motor.isEmpty() || note.isEmpty())
        return texts.motor.isEmpty() ? note : texts.motor;
    return texts.motor + QStringLiteral(" – ") + note;
}

std::vector<TextRow> CharacteristicRows(const TKonstrukce& k, const CharacteristicPoints& c, bool shortNames)
{
    // The rows of the grid "Charakteristické body", the symbol each point has on the diagram and the
    // name it is labelled with there.
    struct Look {
        std::optional<Symbol> symbol;
        const char* shortName; // for rows without a symbol
        bool slip;             // the current at the maximum power factor repeats the row above's slip
    };
    static const Look looks[] = {
        // The starting torque is "Mz" in Czech, "Mst" in English: translated like the captions.
        {Symbol::Triangle, "", true},
        {std::nullopt, QT_TRANSLATE_NOOP("DiagramTexts", "Mz"), true},
        {std::nullopt, QT_TRANSLATE_NOOP("DiagramTexts", "Mmax / Mz"), false},
        {Symbol::Square, "", true},
        {Symbol::Diamond, "", true},
        {std::nullopt, QT_TRANSLATE_NOOP("DiagramTexts", "I při cos φmax"), false},
        {Symbol::Circle, "", true},
        {Symbol::InvertedTriangle, "", true},
    };
    const WideGridRows grid = CharacteristicPointRows(k, c);
    std::vector<TextRow> rows;
    for (std::size_t i = 0; i < std::size(looks) && i + 1 < grid.size(); ++i) {
        const WideGridRow& cells = grid[i + 1]; // caption, value, unit, slip, x, y
        const Look& look = looks[i];
        QString value = cells[1].empty() ? QStringLiteral("–") : QString::fromStdString(cells[1]);
        if (!cells[1].empty() && !cells[2].empty())
            value += u' ' + QString::fromStdString(cells[2]);
        const QString slip = look.slip && !cells[3].empty() ? QStringLiteral("s = ") + QString::fromStdString(cells[3])
                                                            : QString();
        QString caption = QString::fromStdString(cells[0]);
        if (shortNames)
            caption = look.symbol ? SymbolName(*look.symbol) : Tr(look.shortName);
        rows.push_back({caption, value, slip, look.symbol});
    }
    return rows;
}

std::vector<TextRow> ReadoutRows(const OperatingPoint& p)
{
    std::vector<TextRow> rows{
        Row(QT_TRANSLATE_NOOP("DiagramTexts", "Skluz s"), p.slip, ""),
        Row(QT_TRANSLATE_NOOP("DiagramTexts", "Moment M"), p.torque, "Nm"),
        Row(QT_TRANSLATE_NOOP("DiagramTexts", "Fázový proud I1f"), p.current, "A"),
        Row(QT_TRANSLATE_NOOP("DiagramTexts", "Účiník cos φ"), p.powerFactor, ""),
        Row(QT_TRANSLATE_NOOP("DiagramTexts", "Účinnost η"), p.efficiency, ""),
        Row(QT_TRANSLATE_NOOP("DiagramTexts", "Výkon P2"), p.output, "W"),
    };
    // Where the motor gives nothing (at Ao) or takes power in (beyond slip 1), P2 / P1 is no efficiency.
    if (!(p.output && *p.output > 0))
        rows[4].value = NoEfficiency;
    if (p.slip && *p.slip > 1)
        rows.push_back({Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Oblast")), BrakingRegion, QString(), std::nullopt});
    return rows;
}

} // namespace diagram
