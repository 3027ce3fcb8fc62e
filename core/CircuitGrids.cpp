// Fills the circuit's grids; numbers as every grid writes them, a value not known an empty cell.
#include "CircuitGrids.h"

#include "NumText.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

std::string Cell(const OptionalValue& v)
{
    return v ? NumberToGroupedText(*v) : std::string();
}

std::string Tr(const char* text)
{
    return translation::Text("CircuitGrids", text);
}

OptionalValue Difference(const OptionalValue& value, const OptionalValue& reference)
{
    return DeviationPercent(value, reference);
}

WideGridRow CompareRow(std::string caption, const OptionalValue& circle, const OptionalValue& circuit)
{
    return {std::move(caption), Cell(circle), Cell(circuit), Cell(Difference(circuit, circle))};
}

OptionalValue Of(const std::optional<OperatingPoint>& p, OptionalValue OperatingPoint::*member)
{
    return p ? (*p).*member : std::nullopt;
}

} // namespace

GridRows CircuitRows(const CircuitOutcome& outcome)
{
    GridRows rows{{ORBITEK_TR("CircuitGrids", "Náhradní schéma"), ORBITEK_TR("CircuitGrids", "Hodnota"),
                   ORBITEK_TR("CircuitGrids", "Jedn.")}};
    if (!outcome.circuit) {
        rows.push_back({outcome.error, "", ""});
        return rows;
    }
    const Circuit& c = *outcome.circuit;
    const std::string ohms = ORBITEK_TR("CircuitGrids", "Ohmů");
    rows.push_back({"R1", NumberToGroupedText(c.R1), ohms});
    rows.push_back({"X1", NumberToGroupedText(c.X1), ohms});
    rows.push_back({"R2'", NumberToGroupedText(c.R2), ohms});
    rows.push_back({"X2'", NumberToGroupedText(c.X2), ohms});
    rows.push_back({"Xm", NumberToGroupedText(c.Xm), ohms});
    rows.push_back({"Rfe", NumberToGroupedText(c.Rfe), ohms});
    return rows;
}

WideGridRows OwnTestRows(const TKonstrukce& k, const Circuit& c)
{
    const CircuitPoint idle = CircuitAtSlip(c, 0);
    const CircuitPoint locked = CircuitAtSlip(c, 1);
    WideGridRows rows{{"", ORBITEK_TR("CircuitGrids", "Zkouška"), ORBITEK_TR("CircuitGrids", "Schéma"),
                       ORBITEK_TR("CircuitGrids", "Rozdíl (%)")}};
    auto row = [](std::string caption, long double test, long double circuit) {
        return WideGridRow{std::move(caption), NumberToGroupedText(test), NumberToGroupedText(circuit),
                           Cell(DeviationPercent(circuit, test))};
    };
    rows.push_back(row(ORBITEK_TR("CircuitGrids", "I0 (A), s → 0"), k.PrNapr, idle.current));
    rows.push_back(row(ORBITEK_TR("CircuitGrids", "cos φ0, s → 0"), k.UcNapr, idle.powerFactor));
    rows.push_back(row(ORBITEK_TR("CircuitGrids", "Ik (A), s = 1"), k.PrNakr, locked.current));
    rows.push_back(row(ORBITEK_TR("CircuitGrids", "cos φk, s = 1"), k.UcNakr, locked.powerFactor));
    return rows;
}

WideGridRows ComparisonRows(const CharacteristicPoints& circle, const CircuitCharacteristic& circuit,
                            const std::vector<BothAsked>& asked)
{
    WideGridRows rows{{ORBITEK_TR("CircuitGrids", "Kružnice a náhradní schéma"), ORBITEK_TR("CircuitGrids", "Kružnice"),
                       ORBITEK_TR("CircuitGrids", "Náhradní schéma"), ORBITEK_TR("CircuitGrids", "Rozdíl (%)")}};
    const std::optional<CircuitMaximum>& pf = circuit.maxPowerFactor;
    rows.push_back(
        CompareRow(ORBITEK_TR("CircuitGrids", "Záběrný moment (Nm)"), circle.startingTorque, circuit.startingTorque));
    rows.push_back(CompareRow(ORBITEK_TR("CircuitGrids", "Maximální moment (Nm)"),
                              Of(circle.maxTorque, &OperatingPoint::torque), circuit.maxTorque.value));
    rows.push_back(CompareRow(ORBITEK_TR("CircuitGrids", "Skluz maximálního momentu"),
                              Of(circle.maxTorque, &OperatingPoint::slip), circuit.maxTorque.slip));
    rows.push_back(CompareRow(ORBITEK_TR("CircuitGrids", "Maximální výkon (W)"),
                              Of(circle.maxOutput, &OperatingPoint::output), circuit.maxOutput.value));
    rows.push_back(CompareRow(ORBITEK_TR("CircuitGrids", "Skluz maximálního výkonu"),
                              Of(circle.maxOutput, &OperatingPoint::slip), circuit.maxOutput.slip));
    rows.push_back(CompareRow(ORBITEK_TR("CircuitGrids", "Maximální účiník"),
                              Of(circle.maxPowerFactor, &OperatingPoint::powerFactor),
                              pf ? OptionalValue(pf->value) : std::nullopt));
    rows.push_back(CompareRow(ORBITEK_TR("CircuitGrids", "Skluz maximálního účiníku"),
                              Of(circle.maxPowerFactor, &OperatingPoint::slip),
                              pf ? OptionalValue(pf->slip) : std::nullopt));
    for (const BothAsked& b : asked) {
        const OperatingQuantityTexts& t = TextsOf(b.asked.quantity);
        const std::string name = std::string(t.symbol) + " = " + NumberToGroupedText(b.asked.value) +
            (*t.unit != '\0' ? std::string(" ") + t.unit : std::string());
        const std::optional<PointValues>& p = b.asked.solution.point;
        const std::optional<CircuitPoint>& q = b.circuit.point;
        auto circleValue = [&p](OptionalValue OperatingPoint::*member) { return p ? p->values.*member : std::nullopt; };
        auto circuitValue = [&q](long double CircuitPoint::*member) {
            return q ? OptionalValue((*q).*member) : std::nullopt;
        };
        const std::pair<const char*, std::pair<OptionalValue OperatingPoint::*, long double CircuitPoint::*>> parts[] =
            {
                {ORBITEK_TR_NOOP("CircuitGrids", "%1: skluz"), {&OperatingPoint::slip, &CircuitPoint::slip}},
                {ORBITEK_TR_NOOP("CircuitGrids", "%1: proud (A)"), {&OperatingPoint::current, &CircuitPoint::current}},
                {ORBITEK_TR_NOOP("CircuitGrids", "%1: účiník"),
                 {&OperatingPoint::powerFactor, &CircuitPoint::powerFactor}},
                {ORBITEK_TR_NOOP("CircuitGrids", "%1: účinnost"),
                 {&OperatingPoint::efficiency, &CircuitPoint::efficiency}},
                {ORBITEK_TR_NOOP("CircuitGrids", "%1: moment (Nm)"), {&OperatingPoint::torque, &CircuitPoint::torque}},
            };
        for (const auto& [caption, members] : parts)
            rows.push_back(CompareRow(translation::Fill(Tr(caption), {name}), circleValue(members.first),
                                      circuitValue(members.second)));
    }
    return rows;
}

WideGridRows LoadPointRows(const std::vector<LoadPointComparison>& points, bool perPhase)
{
    WideGridRows rows{{ORBITEK_TR("CircuitGrids", "Zatěžovací bod"), ORBITEK_TR("CircuitGrids", "Údaj"), "s", "I1 (A)",
                       "cos φ", "P1 (W)", "P2 (W)", "η", "M (Nm)", ORBITEK_TR("CircuitGrids", "Poznámka")}};
    int number = 0;
    for (const LoadPointComparison& c : points) {
        const std::string n = std::to_string(++number);
        if (!c.point) {
            WideGridRow row(rows.front().size());
            row.front() = n;
            row.back() = c.error;
            rows.push_back(std::move(row));
            continue;
        }
        const LoadPoint& m = *c.point;
        std::string note;
        if (perPhase)
            note = ORBITEK_TR("CircuitGrids", "fázové hodnoty");
        if (m.offRatedVoltage)
            note += (note.empty() ? "" : "; ") +
                ORBITEK_TR("CircuitGrids", "napětí se od jmenovitého liší o více než 5 %");
        const OptionalValue measured[] = {m.phaseCurrent, m.powerFactor, m.readings.p1,
                                          m.output,       m.efficiency,  m.torque};
        WideGridRow row{n, ORBITEK_TR("CircuitGrids", "měření"), NumberToGroupedText(m.slip)};
        for (const OptionalValue& v : measured)
            row.push_back(Cell(v));
        row.push_back(note);
        rows.push_back(std::move(row));
        const std::pair<const char*, const std::optional<LoadPrediction>*> models[] = {
            {ORBITEK_TR_NOOP("CircuitGrids", "kružnice"), &c.circle},
            {ORBITEK_TR_NOOP("CircuitGrids", "náhradní schéma"), &c.circuit}};
        for (const auto& [name, prediction] : models) {
            if (!*prediction)
                continue;
            const LoadPrediction& p = **prediction;
            const OptionalValue predicted[] = {p.current, p.powerFactor, p.input, p.output, p.efficiency, p.torque};
            WideGridRow values{n, Tr(name), NumberToGroupedText(m.slip)};
            WideGridRow deviations{n, translation::Fill(ORBITEK_TR("CircuitGrids", "%1 − měření (%)"), {Tr(name)}), ""};
            for (std::size_t i = 0; i < std::size(predicted); ++i) {
                // Only what was measured is compared: an output or torque not measured stays empty.
                const bool wasMeasured = i < 3 ||
                    (i == 5 ? m.readings.torque || m.readings.p2 : m.readings.p2 || m.readings.torque);
                values.push_back(Cell(predicted[i]));
                deviations.push_back(wasMeasured ? Cell(DeviationPercent(predicted[i], measured[i])) : std::string());
            }
            values.emplace_back();
            deviations.emplace_back();
            rows.push_back(std::move(values));
            rows.push_back(std::move(deviations));
        }
    }
    return rows;
}
