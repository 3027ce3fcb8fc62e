// The operating points asked for with --at, in the three output forms.
#include "WorkingPoints.h"

#include <initializer_list>
#include <utility>

#include "BookAnswers.h"
#include "LineCurrent.h"
#include "Render.h"

namespace {

std::string Grid(const std::vector<AskedPoint>& points, char separator, const char* lineEnd, bool csv)
{
    if (points.empty())
        return {};
    std::string out = lineEnd;
    for (const WideGridRow& row : WorkingPointRows(points)) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += separator;
            if (csv)
                AppendCsvField(out, row[c]);
            else
                out += row[c];
        }
        out += lineEnd;
    }
    return out;
}

std::string Members(std::initializer_list<std::pair<const char*, std::string>> members)
{
    std::string out;
    for (const auto& [name, json] : members)
        out += (out.empty() ? "" : ", ") + JsonString(name) + ": " + json;
    return out;
}

std::string PointJson(const AskedPoint& a)
{
    const std::optional<PointValues>& p = a.solution.point;
    const OperatingPoint o = p ? p->values : OperatingPoint{};
    auto value = [&p](const OptionalValue& v) { return JsonNumber(p ? v : OptionalValue()); };
    const std::optional<QuantityRange>& r = a.solution.reachable;
    const std::string reachable = "{" +
        Members({{"min", r ? JsonNumber(r->min) : "null"}, {"max", r ? JsonNumber(r->max) : "null"}}) + "}";
    return "{" +
        Members({{"Quantity", JsonString(a.byLine ? LineCurrentSymbol : TextsOf(a.quantity).symbol)},
                 {"Value", JsonNumber(a.value)},
                 {"x", value(o.point.x)},
                 {"y", value(o.point.y)},
                 {"Slip", value(o.slip)},
                 {"Current", value(o.current)}}) +
        // Only where the connection is known; the phase current times 1 or √3.
        (a.lineFactor ? ", " +
                 Members({{"LineCurrent",
                           value(o.current ? OptionalValue(*o.current * *a.lineFactor) : OptionalValue())}})
                      : std::string()) +
        ", " +
        Members({{"PowerFactor", value(o.powerFactor)},
                 {"Input", value(o.input)},
                 {"Output", value(o.output)},
                 {"Efficiency", value(o.efficiency)},
                 {"Torque", value(o.torque)},
                 {"TorqueKgm", value(TorqueKgm(o.torque))},
                 {"Omega", value(o.omega)},
                 {"Speed", value(p ? p->speed : OptionalValue())},
                 {"AirGapPower", value(p ? p->airGapPower : OptionalValue())},
                 {"RotorCopperLoss", value(p ? p->rotorCopperLoss : OptionalValue())},
                 {"StatorCopperLoss", value(p ? p->statorCopperLoss : OptionalValue())},
                 {"NoLoadLoss", value(p ? p->noLoadLoss : OptionalValue())},
                 {"MaxTorqueRatio", value(a.maxTorqueRatio)},
                 {"StartingTorqueRatio", value(a.startingTorqueRatio)},
                 {"Branch", a.branch ? JsonString(a.branch == TorqueBranch::Stable ? "stable" : "unstable") : "null"},
                 {"Reachable", reachable},
                 {"Reason", p ? "null" : JsonString(NoPointText(a.quantity, a.value, a.solution))},
                 {"Note", p && p->copperSplitUndetermined ? JsonString(CopperSplitNote()) : "null"}}) +
        "}";
}

} // namespace

std::optional<long double> LineFactorOf(const CalcOptions& options)
{
    return options.measured ? LineCurrentFactor(*options.measured) : std::nullopt;
}

std::optional<std::string> LineCurrentRefusal(const CalcOptions& options)
{
    for (const AtOption& a : options.at)
        if (a.line && !LineFactorOf(options))
            return std::string("--at ") + LineCurrentSymbol +
                "= takes a line current, and the connection is known only for a motor given as measured "
                "(--connection, or a motor file in that form); give the phase current with I=";
    return std::nullopt;
}

std::vector<AskedPoint> SolveAsked(const TKonstrukce& k, const std::vector<AtOption>& at,
                                   std::optional<long double> lineFactor)
{
    std::vector<AskedPoint> points;
    if (at.empty())
        return points;
    const CharacteristicPoints c = ReadCharacteristicPoints(k, OperatingRows::LastOnly);
    const bool hasMax = c.maxTorque && c.maxTorque->torque;
    const long double maxTorque = hasMax ? *c.maxTorque->torque : 0;
    auto ratios = [&](AskedPoint& p) {
        if (!p.solution.point || !p.solution.point->values.torque || !(*p.solution.point->values.torque != 0))
            return;
        const long double m = *p.solution.point->values.torque;
        if (hasMax)
            p.maxTorqueRatio = maxTorque / m;
        if (c.startingTorque)
            p.startingTorqueRatio = *c.startingTorque / m;
    };
    for (const AtOption& a : at) {
        const long double current = a.line && lineFactor ? PhaseCurrentOfLine(a.value, *lineFactor) : a.value;
        AskedPoint p{a.quantity, a.value, SolveOperatingPoint(k, a.quantity, current), a.line, lineFactor};
        const bool torque = a.quantity == OperatingQuantity::Torque;
        if (torque && p.solution.point)
            p.branch = TorqueBranch::Stable;
        ratios(p);
        points.push_back(p);
        // A torque between the starting and the maximum torque has a second point, past the maximum.
        if (torque && p.solution.point)
            if (std::optional<PointValues> high = HighSlipTorquePoint(k, a.value)) {
                AskedPoint second = p;
                second.solution.point = std::move(high);
                second.branch = TorqueBranch::Unstable;
                ratios(second);
                points.push_back(std::move(second));
            }
    }
    return points;
}

std::string WorkingPointsText(const std::vector<AskedPoint>& points, TorqueLine line)
{
    // The answers differ between the two torque lines: the line they come from is named under them.
    return points.empty() ? std::string() : Grid(points, '\t', "\n", false) + TorqueLineName(line) + "\n";
}

std::string WorkingPointsCsv(const std::vector<AskedPoint>& points)
{
    return Grid(points, ',', "\r\n", true);
}

std::string WorkingPointsJson(const std::vector<AskedPoint>& points)
{
    std::string out = "[";
    for (std::size_t i = 0; i < points.size(); ++i)
        out += (i == 0 ? "\n    " : ",\n    ") + PointJson(points[i]);
    return out + (points.empty() ? "]" : "\n  ]");
}
