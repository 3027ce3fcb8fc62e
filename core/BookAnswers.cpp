// Torques in the book's units and the rotor resistance for starting, read off the construction.
#include "BookAnswers.h"

#include <cmath>

#include "NumText.h"
#include "Translation.h"

namespace {

OptionalValue Finite(long double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

StartingResistance AddedFor(const TKonstrukce& k, long double slip, const OptionalValue& turnsRatio)
{
    StartingResistance r;
    r.slip = slip;
    r.added = Finite(k.R21f * (1 - slip) / slip);
    if (r.added && turnsRatio)
        r.addedRotorSide = Finite(*r.added / (*turnsRatio * *turnsRatio));
    return r;
}

} // namespace

OptionalValue TorqueKgm(const OptionalValue& newtonMetres)
{
    if (!newtonMetres)
        return std::nullopt;
    return Finite(*newtonMetres / NewtonMetresPerKgm);
}

BookTorque BookTorqueAt(const std::optional<PointValues>& p)
{
    if (!p)
        return {};
    return {p->values.torque, TorqueKgm(p->values.torque), p->airGapPower};
}

BookCharacteristic BookTorques(const TKonstrukce& k, const CharacteristicPoints& c)
{
    BookCharacteristic b;
    if (c.maxTorque)
        b.maxTorque = BookTorqueAt(PointValuesAt(k, c.maxTorque->point));
    // The table's own starting torque, with the synchronous watts of its point Ak.
    b.startingTorque = BookTorqueAt(PointValuesAt(k, k.Ak));
    b.startingTorque.newtonMetres = c.startingTorque;
    b.startingTorque.kgm = TorqueKgm(c.startingTorque);
    return b;
}

StartingResistance ResistanceForStartingTorque(const TKonstrukce& k, long double torque,
                                               const OptionalValue& turnsRatio)
{
    if (const std::optional<PointValues> high = HighSlipTorquePoint(k, torque); high && high->values.slip)
        return AddedFor(k, *high->values.slip, turnsRatio);
    const OperatingPointSolution low = SolveOperatingPoint(k, OperatingQuantity::Torque, torque);
    if (!low.point) {
        StartingResistance r;
        r.note = NoPointText(OperatingQuantity::Torque, torque, low);
        return r;
    }
    if (!low.point->values.slip || !(*low.point->values.slip > 0)) {
        StartingResistance r;
        r.note = ORBITEK_TR("BookAnswers", "Při nulovém momentu se motor nerozběhne.");
        return r;
    }
    return AddedFor(k, *low.point->values.slip, turnsRatio);
}

StartingResistance ResistanceForMaxTorqueAtStart(const TKonstrukce& k, const CharacteristicPoints& c,
                                                 const OptionalValue& turnsRatio)
{
    if (!c.maxTorque || !c.maxTorque->slip || !(*c.maxTorque->slip > 0)) {
        StartingResistance r;
        r.note = ORBITEK_TR("BookAnswers", "Diagram ještě není spočten.");
        return r;
    }
    const long double slip = *c.maxTorque->slip;
    if (slip >= 1) {
        StartingResistance r;
        r.slip = slip;
        r.added = 0.0L;
        if (turnsRatio)
            r.addedRotorSide = 0.0L;
        r.note = ORBITEK_TR("BookAnswers", "Motor se již rozbíhá s maximálním momentem nebo za ním: nic se nepřidává.");
        return r;
    }
    return AddedFor(k, slip, turnsRatio);
}
