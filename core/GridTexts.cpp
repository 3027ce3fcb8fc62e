// Fills the result grids from the record exactly as the dialogs show them.
#include "GridTexts.h"

#include "BookAnswers.h"
#include "LineCurrent.h"

#include "Translation.h"

namespace {

GridRow Grouped(std::string caption, long double x, long double y)
{
    return {std::move(caption), NumberToGroupedText(x), NumberToGroupedText(y)};
}

GridRow Value(std::string caption, long double v, std::string unit)
{
    return {std::move(caption), NumberToGroupedText(v), std::move(unit)};
}

} // namespace

GridRows CoordinateRows(const TKonstrukce& k)
{
    return {
        {"", "X", "Y"},
        Grouped(ORBITEK_TR("GridTexts", "Bod naprázdno Ao"), k.Ao.x, k.Ao.y),
        Grouped(ORBITEK_TR("GridTexts", "Bod nakrátko Ak"), k.Ak.x, k.Ak.y),
        Grouped(ORBITEK_TR("GridTexts", "Přímka výkonu (rozdíl X a Y)"), k.PrimkaVykonu.x, k.PrimkaVykonu.y),
        Grouped(ORBITEK_TR("GridTexts", "Bod poměru R21f a R1f"), k.BodPomeru.x, k.BodPomeru.y),
        Grouped(ORBITEK_TR("GridTexts", "Střed přímky výkonu"), k.StredPrimky.x, k.StredPrimky.y),
        Grouped(ORBITEK_TR("GridTexts", "Střed kružnice S"), k.StredKruznice.x, k.Ao.y),
        Grouped(ORBITEK_TR("GridTexts", "Bod A nekonečno"), k.AInf.x, k.AInf.y),
    };
}

GridRows ValueRows(const TKonstrukce& k)
{
    return {
        {"", ORBITEK_TR("GridTexts", "Hodnota"), ORBITEK_TR("GridTexts", "Jedn.")},
        Value(ORBITEK_TR("GridTexts", "Odpor R1f"), k.R1f, ORBITEK_TR("GridTexts", "Ohmů")),
        Value(ORBITEK_TR("GridTexts", "Odpor R21f"), k.R21f, ORBITEK_TR("GridTexts", "Ohmů")),
        Value(ORBITEK_TR("GridTexts", "Odpor Rf"), k.Rf, ORBITEK_TR("GridTexts", "Ohmů")),
        Value(ORBITEK_TR("GridTexts", "Délka přímky výkonu"), k.DelkaPrimky, "mm"),
        Value(ORBITEK_TR("GridTexts", "Poloměr kružnice (pomocí Ao)"), k.Polomer, "mm"),
        Value(ORBITEK_TR("GridTexts", "Poloměr kružnice (pomocí Ak)"), k.PolomerPomociAk, "mm"),
    };
}

GridRows TorqueRows(const TKonstrukce& k)
{
    GridRows rows{
        {ORBITEK_TR("GridTexts", "Skluz"), "Omega", ORBITEK_TR("GridTexts", "Moment")},
        {"", ORBITEK_TR("GridTexts", "s na -1"), "Nm"},
        {NumberToFixedText(0.0L, 1, 2), NumberToFixedText(k.OmegaSynchr, 1, 3), NumberToFixedText(std::int32_t{0}, 0)},
    };
    for (int i = 1; i <= SlipCount; ++i) {
        const long double slip = static_cast<long double>(i) * SlipStep;
        rows.push_back({NumberToFixedText(slip, 1, 2), NumberToFixedText(k.OmegaSkluzu[i], 3, 3),
                        NumberToFixedText(k.MomentSkluzu[i], 3, 3)});
    }
    return rows;
}

namespace {

std::string Cell(const OptionalValue& v)
{
    return v ? NumberToGroupedText(*v) : std::string();
}

// A characteristic point: its value and unit, then its slip and where it lies.
WideGridRow PointRow(std::string caption, const std::optional<OperatingPoint>& o, OptionalValue OperatingPoint::*value,
                     const char* unit)
{
    if (!o)
        return {caption, "", unit, "", "", ""};
    return {caption,
            Cell((*o).*value),
            unit,
            Cell(o->slip),
            NumberToGroupedText(o->point.x),
            NumberToGroupedText(o->point.y)};
}

} // namespace

WideGridRows CharacteristicPointRows(const TKonstrukce& k, const CharacteristicPoints& c)
{
    return {
        {"", ORBITEK_TR("GridTexts", "Hodnota"), ORBITEK_TR("GridTexts", "Jedn."), ORBITEK_TR("GridTexts", "Skluz"),
         "X", "Y"},
        PointRow(ORBITEK_TR("GridTexts", "Maximální moment"), c.maxTorque, &OperatingPoint::torque, "Nm"),
        {ORBITEK_TR("GridTexts", "Záběrný moment"), Cell(c.startingTorque), "Nm", Cell(c.operating[SlipCount].slip),
         NumberToGroupedText(k.Ak.x), NumberToGroupedText(k.Ak.y)},
        {ORBITEK_TR("GridTexts", "Poměr Mmax / Mz"), Cell(c.torqueRatio), "", "", "", ""},
        PointRow(ORBITEK_TR("GridTexts", "Maximální výkon"), c.maxOutput, &OperatingPoint::output, "W"),
        PointRow(ORBITEK_TR("GridTexts", "Maximální účiník"), c.maxPowerFactor, &OperatingPoint::powerFactor, ""),
        PointRow(ORBITEK_TR("GridTexts", "Proud při maximálním účiníku"), c.maxPowerFactor, &OperatingPoint::current,
                 "A"),
        PointRow(ORBITEK_TR("GridTexts", "Maximální účinnost"), c.maxEfficiency, &OperatingPoint::efficiency, ""),
        PointRow(ORBITEK_TR("GridTexts", "Maximální příkon"), c.maxInput, &OperatingPoint::input, "W"),
    };
}

WideGridRows OperatingRows(const CharacteristicPoints& c)
{
    WideGridRows rows{{"s", "I1 (A)", "cos φ", "P1 (W)", "P2 (W)", "η", "M (Nm)", "ω (s⁻¹)"}};
    for (int i = 1; i <= SlipCount; ++i)
        rows.push_back(OperatingRow(c.operating[i]));
    return rows;
}

WideGridRow OperatingRow(const OperatingPoint& o)
{
    return {Cell(o.slip),   Cell(o.current),    Cell(o.powerFactor), Cell(o.input),
            Cell(o.output), Cell(o.efficiency), Cell(o.torque),      Cell(o.omega)};
}

std::string TorqueLineName(TorqueLine line)
{
    if (line == TorqueLine::NoLoadLine)
        return ORBITEK_TR("GridTexts", "Přímka momentu: T na pořadnici Ak nad přímkou naprázdno (učebnicová)");
    return ORBITEK_TR("GridTexts", "Přímka momentu: T na pořadnici Ak od osy x");
}

WideGridRows WorkingPointRows(const std::vector<AskedPoint>& points)
{
    WideGridRows rows{{ORBITEK_TR("GridTexts", "Veličina"), ORBITEK_TR("GridTexts", "Zadáno"), "s", "n (1/min)",
                       "I1f (A)", "cos φ", "P1 (W)", "P2 (W)", "η", "M (Nm)", "Pδ (W)", "ΔPCu2 (W)", "ΔPCu1 (W)",
                       "ΔP0 (W)", ORBITEK_TR("GridTexts", "Poznámka"), "M (kg·m)", "Mmax / M",
                       ORBITEK_TR("GridTexts", "Mz / M")}};
    for (const AskedPoint& a : points) {
        const OperatingQuantityTexts& t = TextsOf(a.quantity);
        WideGridRow row{a.byLine              ? std::string(LineCurrentSymbol) + " (A)"
                            : *t.unit != '\0' ? std::string(t.symbol) + " (" + t.unit + ")"
                                              : std::string(t.symbol),
                        NumberToGroupedText(a.value)};
        if (const std::optional<PointValues>& p = a.solution.point) {
            const OperatingPoint& o = p->values;
            for (const OptionalValue& v :
                 {o.slip, p->speed, o.current, o.powerFactor, o.input, o.output, o.efficiency, o.torque, p->airGapPower,
                  p->rotorCopperLoss, p->statorCopperLoss, p->noLoadLoss})
                row.push_back(Cell(v));
            if (p->copperSplitUndetermined) {
                row[11] = row[12] = "—";
                row.push_back(CopperSplitNote());
            } else if (a.branch == TorqueBranch::Unstable) {
                row.push_back(ORBITEK_TR("GridTexts", "za maximem momentu (nestabilní větev)"));
            } else {
                row.emplace_back();
            }
            for (const OptionalValue& v : {TorqueKgm(o.torque), a.maxTorqueRatio, a.startingTorqueRatio})
                row.push_back(Cell(v));
        } else {
            row.resize(rows.front().size() - 4);
            row.push_back(NoPointText(a.quantity, a.value, a.solution));
            row.resize(rows.front().size());
        }
        rows.push_back(std::move(row));
    }
    return rows;
}
