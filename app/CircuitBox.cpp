// The circuit's box: the grids the calculator prints, as small HTML tables.
#include "CircuitBox.h"

#include "CircuitGrids.h"

namespace {

template <class Rows>
QString Table(const Rows& rows)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        html += QStringLiteral("<tr>");
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const QString cell = QString::fromStdString(rows[r][c]).toHtmlEscaped();
            const QString align = c == 0 ? QStringLiteral("left") : QStringLiteral("right");
            html += r == 0 ? QStringLiteral("<th align=\"%1\">%2&nbsp;</th>").arg(align, cell)
                           : QStringLiteral("<td align=\"%1\">%2&nbsp;</td>").arg(align, cell);
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

CircuitBox::CircuitBox(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("CircuitBox"));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setFrameShape(QFrame::StyledPanel);
    setWordWrap(false);
}

void CircuitBox::Show(const TKonstrukce& k, const CircuitOutcome& outcome,
                      const std::vector<LoadPointComparison>& points, bool perPhase)
{
    QString html = Table(CircuitRows(outcome));
    if (outcome.circuit) {
        html += QStringLiteral("<br>") + Table(OwnTestRows(k, *outcome.circuit));
        html += QStringLiteral("<br>") +
            Table(ComparisonRows(ReadCharacteristicPoints(k, OperatingRows::LastOnly),
                                 CircuitCharacteristicOf(*outcome.circuit), {}));
    }
    if (!points.empty())
        html += QStringLiteral("<br>") + Table(LoadPointRows(points, perPhase));
    setText(html);
}
