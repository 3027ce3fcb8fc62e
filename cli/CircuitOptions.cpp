// Parsing of the circuit's and the load test's options.
#include "CircuitOptions.h"

#include <algorithm>
#include <cmath>

#include "NumText.h"

namespace {

constexpr std::string_view CircuitFlag = "--circuit";
constexpr std::string_view DesignClassOption = "--design-class";
constexpr std::string_view Share = "--x1-share";
constexpr std::string_view FrictionWindage = "--friction-windage";
constexpr std::string_view LoadPointOption = "--load-point";

bool Given(const CircuitOptions& o, std::string_view option)
{
    return std::find(o.given.begin(), o.given.end(), option) != o.given.end();
}

std::optional<long double> Number(std::string_view value)
{
    try {
        const long double v = TextToNumber(std::string(value));
        return std::isfinite(v) ? std::optional(v) : std::nullopt;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

CircuitSettings CircuitOptions::Settings() const
{
    CircuitSettings s;
    if (share)
        s.share = *share;
    else if (designClass)
        s.share = ShareOfClass(*designClass);
    s.frictionWindage = frictionWindage.value_or(0.0L);
    return s;
}

bool IsFlagOption(std::string_view option)
{
    return option == CircuitFlag;
}

bool IsCircuitOption(std::string_view option)
{
    return option == CircuitFlag || option == DesignClassOption || option == Share || option == FrictionWindage ||
        option == LoadPointOption;
}

std::optional<std::string> TakeCircuitOption(CircuitOptions& o, std::string_view option, std::string_view value)
{
    const std::string bad = "invalid value '" + std::string(value) + "' for " + std::string(option);
    if (option == CircuitFlag) {
        o.shown = true;
    } else if (option == DesignClassOption) {
        o.designClass = DesignClassOfName(value);
        if (!o.designClass)
            return bad + ": A, B, C, D or wound";
    } else if (option == Share) {
        o.share = Number(value);
        if (!o.share || !(*o.share > 0 && *o.share < 1))
            return bad + ": a number between 0 and 1";
        o.shareText = value;
    } else if (option == FrictionWindage) {
        o.frictionWindage = Number(value);
        if (!o.frictionWindage || !(*o.frictionWindage >= 0))
            return bad + ": watts, 0 or more";
        o.frictionWindageText = value;
    } else if (option == LoadPointOption) {
        const ParsedLoadPoint p = ParseLoadPoint(std::string(value));
        if (!p.readings)
            return bad + ": " + p.error;
        o.loadPoints.push_back(*p.readings);
        o.loadPointTexts.emplace_back(value);
    }
    // Kept as the constant's own view: `option` may point into a caller's temporary text.
    for (const std::string_view known : {CircuitFlag, DesignClassOption, Share, FrictionWindage, LoadPointOption})
        if (option == known && !Given(o, known))
            o.given.push_back(known);
    return std::nullopt;
}

std::optional<std::string> FinishCircuitOptions(const CircuitOptions& o)
{
    if (Given(o, DesignClassOption) && Given(o, Share))
        return std::string(Share) + " does not go with " + std::string(DesignClassOption);
    for (const std::string_view option : {DesignClassOption, Share, FrictionWindage})
        if (Given(o, option) && !o.shown)
            return std::string(option) + " needs --circuit";
    return std::nullopt;
}
