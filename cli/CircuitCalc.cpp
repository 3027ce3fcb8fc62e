// The circuit's grids after the other grids of the text and CSV output, its members last in the JSON.
#include "CircuitCalc.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "CircuitGrids.h"
#include "GridOutput.h"
#include "Render.h"
#include "WorkingPoints.h"

namespace {

std::string Members(std::initializer_list<std::pair<const char*, std::string>> members)
{
    std::string out = "{";
    for (const auto& [name, json] : members)
        out += (out.size() > 1 ? ", " : "") + JsonString(name) + ": " + json;
    return out + "}";
}

std::string MaximumJson(const CircuitMaximum& m, const char* value)
{
    return Members({{"Slip", JsonNumber(m.slip)},
                    {value, JsonNumber(m.value)},
                    {"x", JsonNumber(m.at.point.x)},
                    {"y", JsonNumber(m.at.point.y)}});
}

// An asked point under the names of the circle's "At".
std::string AtJson(const TKonstrukce& k, const AtOption& a, const Circuit& c)
{
    const CircuitSolution s = SolveCircuit(c, a.quantity, a.value);
    const std::optional<CircuitPoint>& p = s.point;
    auto value = [&p](long double CircuitPoint::*member) {
        return JsonNumber(p ? OptionalValue((*p).*member) : std::nullopt);
    };
    const std::string reachable = s.reachable
        ? Members({{"min", JsonNumber(s.reachable->min)}, {"max", JsonNumber(s.reachable->max)}})
        : Members({{"min", "null"}, {"max", "null"}});
    return Members({{"Quantity", JsonString(TextsOf(a.quantity).symbol)},
                    {"Value", JsonNumber(a.value)},
                    {"x", JsonNumber(p ? OptionalValue(p->point.x) : std::nullopt)},
                    {"y", JsonNumber(p ? OptionalValue(p->point.y) : std::nullopt)},
                    {"Slip", value(&CircuitPoint::slip)},
                    {"Current", value(&CircuitPoint::current)},
                    {"PowerFactor", value(&CircuitPoint::powerFactor)},
                    {"Input", value(&CircuitPoint::input)},
                    {"Output", value(&CircuitPoint::output)},
                    {"Efficiency", value(&CircuitPoint::efficiency)},
                    {"Torque", value(&CircuitPoint::torque)},
                    {"Omega", JsonNumber(p ? OptionalValue((1 - p->slip) * k.OmegaSynchr) : std::nullopt)},
                    {"Speed", value(&CircuitPoint::speed)},
                    {"AirGapPower", value(&CircuitPoint::airGap)},
                    {"RotorCopperLoss", value(&CircuitPoint::rotorCopperLoss)},
                    {"StatorCopperLoss", value(&CircuitPoint::statorCopperLoss)},
                    {"NoLoadLoss", JsonNumber(p ? OptionalValue(p->ironLoss + c.frictionWindage) : std::nullopt)},
                    {"Reachable", reachable}});
}

std::string CircuitJson(const TKonstrukce& k, const CalcOptions& options, const CircuitOutcome& outcome)
{
    if (!outcome.circuit)
        return Members({{"Error", JsonString(outcome.error)}});
    const Circuit& c = *outcome.circuit;
    const CircuitCharacteristic ch = CircuitCharacteristicOf(c);
    const std::string characteristic = "{\n    " + std::string("\"StartingTorque\": ") + JsonNumber(ch.startingTorque) +
        ",\n    \"MaxTorque\": " + MaximumJson(ch.maxTorque, "Torque") +
        ",\n    \"MaxOutput\": " + MaximumJson(ch.maxOutput, "Output") + ",\n    \"MaxPowerFactor\": " +
        (ch.maxPowerFactor ? MaximumJson(*ch.maxPowerFactor, "PowerFactor") : std::string("null")) + "\n  }";
    std::string at = "[";
    for (std::size_t i = 0; i < options.at.size(); ++i)
        at += (i == 0 ? "\n    " : ",\n    ") + AtJson(k, options.at[i], c);
    at += options.at.empty() ? "]" : "\n  ]";
    std::string out = "{";
    for (const auto& [name, json] :
         std::initializer_list<std::pair<const char*, std::string>>{{"Share", JsonNumber(c.share)},
                                                                    {"FrictionWindage", JsonNumber(c.frictionWindage)},
                                                                    {"R1", JsonNumber(c.R1)},
                                                                    {"X1", JsonNumber(c.X1)},
                                                                    {"R2", JsonNumber(c.R2)},
                                                                    {"X2", JsonNumber(c.X2)},
                                                                    {"Xm", JsonNumber(c.Xm)},
                                                                    {"Rfe", JsonNumber(c.Rfe)},
                                                                    {"Characteristic", characteristic},
                                                                    {"At", at}})
        out += (out.size() > 1 ? ",\n  " : "\n  ") + JsonString(name) + ": " + json;
    return out + "\n  }";
}

std::string PredictionJson(const std::optional<LoadPrediction>& p)
{
    if (!p)
        return "null";
    return Members({{"Current", JsonNumber(p->current)},
                    {"PowerFactor", JsonNumber(p->powerFactor)},
                    {"Input", JsonNumber(p->input)},
                    {"Output", JsonNumber(p->output)},
                    {"Efficiency", JsonNumber(p->efficiency)},
                    {"Torque", JsonNumber(p->torque)}});
}

std::string DeviationJson(const std::optional<LoadPrediction>& p, const LoadPoint& m)
{
    if (!p)
        return "null";
    const bool output = m.readings.p2 || m.readings.torque;
    auto d = [](const OptionalValue& predicted, const OptionalValue& measured) {
        return JsonNumber(DeviationPercent(predicted, measured));
    };
    return Members({{"Current", d(p->current, m.phaseCurrent)},
                    {"PowerFactor", d(p->powerFactor, m.powerFactor)},
                    {"Input", d(p->input, m.readings.p1)},
                    {"Output", output ? d(p->output, m.output) : "null"},
                    {"Efficiency", output ? d(p->efficiency, m.efficiency) : "null"},
                    {"Torque", output ? d(p->torque, m.torque) : "null"}});
}

std::string LoadPointJson(const LoadPointComparison& c, bool perPhase)
{
    if (!c.point)
        return Members({{"Error", JsonString(c.error)}});
    const LoadPoint& m = *c.point;
    const LoadPointReadings& r = m.readings;
    return Members({{"U", JsonNumber(r.u)},
                    {"I", JsonNumber(r.i)},
                    {"P1", JsonNumber(r.p1)},
                    {"n", JsonNumber(r.n)},
                    {"P2", JsonNumber(r.p2)},
                    {"M", JsonNumber(r.torque)},
                    {"PerPhase", perPhase ? "true" : "false"},
                    {"PhaseVoltage", JsonNumber(m.phaseVoltage)},
                    {"PhaseCurrent", JsonNumber(m.phaseCurrent)},
                    {"PowerFactor", JsonNumber(m.powerFactor)},
                    {"Slip", JsonNumber(m.slip)},
                    {"x", JsonNumber(m.point.x)},
                    {"y", JsonNumber(m.point.y)},
                    {"Output", JsonNumber(m.output)},
                    {"Efficiency", JsonNumber(m.efficiency)},
                    {"Torque", JsonNumber(m.torque)},
                    {"VoltageWarning", m.offRatedVoltage ? "true" : "false"},
                    {"Circle", PredictionJson(c.circle)},
                    {"Circuit", PredictionJson(c.circuit)},
                    {"CircleDeviation", DeviationJson(c.circle, m)},
                    {"CircuitDeviation", DeviationJson(c.circuit, m)}});
}

LoadConnection ConnectionOf(const CalcOptions& options)
{
    if (!options.measured || options.measured->phases == "1")
        return LoadConnection::PerPhase;
    return options.measured->connection == choice::Delta ? LoadConnection::Delta : LoadConnection::Star;
}

} // namespace

std::string WithCircuit(std::string output, const CalcOptions& options, const TKonstrukce& k)
{
    const CircuitOptions& o = options.circuit;
    if (!o.shown && o.loadPoints.empty())
        return output;
    std::optional<CircuitOutcome> outcome;
    if (o.shown)
        outcome = BuildCircuit(k, o.Settings());
    const std::optional<Circuit> circuit = outcome ? outcome->circuit : std::nullopt;
    const LoadConnection connection = ConnectionOf(options);
    const bool perPhase = connection == LoadConnection::PerPhase;
    std::vector<LoadPointComparison> points;
    for (const LoadPointReadings& r : o.loadPoints)
        points.push_back(CompareLoadPoint(k, circuit, connection, r));

    if (options.format != OutputFormat::Json) {
        if (outcome) {
            AppendGrid(output, CircuitRows(*outcome), options.format);
            if (circuit) {
                std::vector<BothAsked> asked;
                for (const AskedPoint& a : SolveAsked(k, options.at))
                    asked.push_back({a, SolveCircuit(*circuit, a.quantity, a.value)});
                AppendGrid(output,
                           ComparisonRows(ReadCharacteristicPoints(k, OperatingRows::LastOnly),
                                          CircuitCharacteristicOf(*circuit), asked),
                           options.format);
            }
        }
        if (!points.empty())
            AppendGrid(output, LoadPointRows(points, perPhase), options.format);
        return output;
    }
    // The object's last members, before its closing brace.
    constexpr std::string_view Closing = "\n}\n";
    if (output.size() >= Closing.size() && output.compare(output.size() - Closing.size(), Closing.size(), Closing) == 0)
        output.resize(output.size() - Closing.size());
    if (outcome)
        output += ",\n  \"Circuit\": " + CircuitJson(k, options, *outcome);
    if (!o.loadPoints.empty()) {
        output += ",\n  \"LoadPoints\": [";
        for (std::size_t i = 0; i < points.size(); ++i)
            output += (i == 0 ? "\n    " : ",\n    ") + LoadPointJson(points[i], perPhase);
        output += "\n  ]";
    }
    return output + std::string(Closing);
}
