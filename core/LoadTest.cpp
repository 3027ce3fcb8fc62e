// The load test's points: parsed, converted to the phase with the connection the tests were measured
// in, and set beside what the circle and the circuit predict at the same slip.
#include "LoadTest.h"

#include <cmath>

#include "NumText.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

constexpr long double Sqrt3 = 1.732050807568877293527446341505872366943L;
constexpr long double TorqueFactor = 9.55L; // the tables' own, as the circuit's torque
constexpr long double VoltageTolerance = 0.05L;

std::vector<std::string> Fields(const std::string& text)
{
    std::vector<std::string> fields;
    std::string field;
    for (const char c : text) {
        if (c == ';') {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

std::string Trimmed(const std::string& s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

LoadPrediction FromCircle(const OperatingPoint& o)
{
    return {o.current, o.powerFactor, o.input, o.output, o.efficiency, o.torque};
}

LoadPrediction FromCircuit(const CircuitPoint& p)
{
    return {p.current, p.powerFactor, p.input, p.output, p.efficiency, p.torque};
}

} // namespace

ParsedLoadPoint ParseLoadPoint(const std::string& text)
{
    ParsedLoadPoint parsed;
    const std::vector<std::string> fields = Fields(text);
    const std::string form = ORBITEK_TR("LoadTest", "Zatěžovací bod „%1“ nemá tvar U;I;P1;n[;P2[;M]].");
    if (fields.size() < 4 || fields.size() > 6) {
        parsed.error = translation::Fill(form, {text});
        return parsed;
    }
    std::vector<std::optional<long double>> values;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string field = Trimmed(fields[i]);
        if (field.empty()) {
            if (i < 4 || i == fields.size() - 1) {
                parsed.error = translation::Fill(form, {text});
                return parsed;
            }
            values.emplace_back();
            continue;
        }
        try {
            const long double v = TextToNumber(field);
            if (!std::isfinite(v)) {
                parsed.error = translation::Fill(form, {text});
                return parsed;
            }
            values.emplace_back(v);
        } catch (const EConvertError& e) {
            parsed.error = translation::Fill(ORBITEK_TR("LoadTest", "Zatěžovací bod „%1“: %2"), {text, e.what()});
            return parsed;
        }
    }
    LoadPointReadings r;
    r.u = *values[0];
    r.i = *values[1];
    r.p1 = *values[2];
    r.n = *values[3];
    if (values.size() > 4)
        r.p2 = values[4];
    if (values.size() > 5)
        r.torque = values[5];
    parsed.readings = r;
    return parsed;
}

namespace {

// Every digit needed to read the value back, with the locale's decimal separator.
void AppendLocaleText(std::string& out, long double value)
{
    std::string text;
    AppendRoundTripText(text, value);
    for (const char c : text)
        out += c == '.' ? SeparatorText(DecimalSeparator) : std::string(1, c);
}

} // namespace

std::string LoadPointText(const LoadPointReadings& r)
{
    std::string text;
    AppendLocaleText(text, r.u);
    for (const long double v : {r.i, r.p1, r.n}) {
        text += ';';
        AppendLocaleText(text, v);
    }
    if (r.p2 || r.torque) {
        text += ';';
        if (r.p2)
            AppendLocaleText(text, *r.p2);
    }
    if (r.torque) {
        text += ';';
        AppendLocaleText(text, *r.torque);
    }
    return text;
}

LoadPointComparison CompareLoadPoint(const TKonstrukce& k, const std::optional<Circuit>& circuit,
                                     LoadConnection connection, const LoadPointReadings& r)
{
    LoadPointComparison out;
    const long double m = k.Spotrebic;
    const long double ns = k.SynchrOtacky;
    if (!(r.u > 0 && r.i > 0 && r.p1 > 0)) {
        out.error = ORBITEK_TR("LoadTest", "Napětí, proud a příkon zatěžovacího bodu musí být kladné.");
        return out;
    }
    if (!(r.n >= 0 && r.n <= ns)) {
        out.error = translation::Fill(ORBITEK_TR("LoadTest", "Otáčky zatěžovacího bodu musí ležet od 0 do %1 1/min."),
                                      {NumberToGroupedText(ns)});
        return out;
    }
    LoadPoint p;
    p.readings = r;
    p.phaseVoltage = connection == LoadConnection::Star ? r.u / Sqrt3 : r.u;
    p.phaseCurrent = connection == LoadConnection::Delta ? r.i / Sqrt3 : r.i;
    p.powerFactor = r.p1 / (m * p.phaseVoltage * p.phaseCurrent);
    if (!(p.powerFactor <= 1)) {
        out.error = ORBITEK_TR("LoadTest", "Příkon zatěžovacího bodu je větší než m·U·I (účiník nad 1).");
        return out;
    }
    const long double sine = std::sqrt((1 - p.powerFactor) * (1 + p.powerFactor));
    p.point = {p.phaseCurrent * sine, p.phaseCurrent * p.powerFactor};
    p.slip = (ns - r.n) / ns;
    p.output = r.p2;
    p.torque = r.torque;
    if (!p.output && p.torque)
        p.output = *p.torque * r.n / TorqueFactor;
    if (!p.torque && p.output && r.n > 0)
        p.torque = *p.output * TorqueFactor / r.n;
    if (p.output)
        p.efficiency = *p.output / r.p1;
    p.offRatedVoltage = std::fabs(p.phaseVoltage - k.FazoveNapeti) > VoltageTolerance * k.FazoveNapeti;
    out.point = p;
    if (const std::optional<OperatingPoint> o = OperatingPointAtSlip(k, p.slip))
        out.circle = FromCircle(*o);
    if (circuit)
        out.circuit = FromCircuit(CircuitAtSlip(*circuit, p.slip));
    return out;
}

OptionalValue DeviationPercent(const OptionalValue& predicted, const OptionalValue& measured)
{
    if (!predicted || !measured || *measured == 0)
        return std::nullopt;
    const long double d = (*predicted - *measured) / *measured * 100;
    if (!std::isfinite(d))
        return std::nullopt;
    return d;
}
