// The diagram document: an accepted calculation and everything drawn from it, made once, which the
// view, the curves panel, the files and the printer all draw.
#pragma once

#include <optional>

#include "Characteristic.h"
#include "Curves.h"
#include "DiagramGeometry.h"
#include "DiagramTexts.h"
#include "Konstrukce.h"

namespace diagram {

// The curves of one calculation: the characteristic curves against slip and the working characteristics
// against output.
struct DiagramCurves {
    CurveSet slip;
    CurveSet output;

    const CurveSet& Against(CurvesAxis axis) const { return axis == CurvesAxis::Output ? output : slip; }
};

// An accepted calculation and everything that is drawn from it.
struct Diagram {
    TKonstrukce record;
    CharacteristicPoints points;
    Scene scene;
    PageLayout page; // the default page, or the one of a forced scale
    TitleBlockTexts texts;
    std::optional<AskedPoint> asked; // the operating point asked for, solved on `record`
    DiagramCurves curves;            // sampled once here: the panel and every page draw these
};

// The diagram on the page of `choice` (A4 at the automatic scale unless asked otherwise), with the
// operating point `asked` where the arc has it; nothing when that paper cannot hold it at that scale.
std::optional<Diagram> MakeDiagram(const TKonstrukce& k, const CharacteristicPoints& c, const PageChoice& choice = {},
                                   const std::optional<AskedPoint>& asked = std::nullopt);

// The operating point drawn on the diagram `d`, if any.
std::optional<OperatingPoint> PointOf(const Diagram& d);

} // namespace diagram
