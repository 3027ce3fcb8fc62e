// The diagram document: an accepted calculation and everything drawn from it, made once.
#include "Diagram.h"

namespace diagram {

std::optional<Diagram> MakeDiagram(const TKonstrukce& k, const CharacteristicPoints& c, const PageChoice& choice,
                                   const std::optional<AskedPoint>& asked)
{
    Diagram d{k, c, BuildScene(k, c, asked ? asked->solution.point : std::nullopt), {}, {}, asked, {}};
    // The title block has the point's block where the diagram draws the point.
    d.texts = MakeTitleBlockTexts(k, c, d.scene.operatingPoint ? asked : std::nullopt);
    const std::optional<PageLayout> page = ChoosePage(d.scene, choice);
    if (!page)
        return std::nullopt;
    d.page = *page;
    // Only for a diagram that is drawn: sampling the curves is the dearest part of making it.
    d.curves = {MakeCurves(k, c), MakeOutputCurves(k, c)};
    return d;
}

std::optional<OperatingPoint> PointOf(const Diagram& d)
{
    if (!d.scene.operatingPoint || !d.asked || !d.asked->solution.point)
        return std::nullopt;
    return d.asked->solution.point->values;
}

} // namespace diagram
