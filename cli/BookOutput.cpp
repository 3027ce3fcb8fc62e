// The textbook answers' grids and JSON member.
#include "BookOutput.h"

#include "BookAnswers.h"
#include "GridOutput.h"
#include "GridTexts.h"
#include "Render.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

std::string Cell(const OptionalValue& v)
{
    return v ? NumberToGroupedText(*v) : std::string();
}

WideGridRow ResistanceRow(std::string caption, const StartingResistance& r)
{
    return {std::move(caption), Cell(r.slip), Cell(r.added), Cell(r.addedRotorSide), r.note};
}

std::string ResistanceJson(const StartingResistance& r)
{
    return "{\"Slip\": " + JsonNumber(r.slip) + ", \"Added\": " + JsonNumber(r.added) +
        ", \"AddedRotorSide\": " + JsonNumber(r.addedRotorSide) +
        (r.note.empty() ? std::string() : ", \"Note\": " + JsonString(r.note)) + "}";
}

} // namespace

std::string BookGrids(const TKonstrukce& k, const CharacteristicPoints& c, const BookQuestions& q, OutputFormat format)
{
    std::string out;
    if (format == OutputFormat::Json)
        return out;
    if (q.torques) {
        const BookCharacteristic b = BookTorques(k, c);
        auto row = [](std::string caption, const BookTorque& t) {
            return WideGridRow{std::move(caption), Cell(t.newtonMetres), Cell(t.kgm), Cell(t.synchronousWatts)};
        };
        AppendGrid<WideGridRows>(out,
                                 {{ORBITEK_TR("BookOutput", "Momenty v jednotkách učebnic"), "M (Nm)", "M (kg·m)",
                                   ORBITEK_TR("BookOutput", "synchronní watty (W)")},
                                  row(ORBITEK_TR("BookOutput", "Maximální moment"), b.maxTorque),
                                  row(ORBITEK_TR("BookOutput", "Záběrný moment"), b.startingTorque)},
                                 format);
    }
    if (q.startingResistance) {
        WideGridRows rows{{ORBITEK_TR("BookOutput", "Přidaný odpor rotoru pro rozběh"), "s*",
                           ORBITEK_TR("BookOutput", "R' na fázi (Ω)"),
                           ORBITEK_TR("BookOutput", "R'/a² na fázi rotoru (Ω)"), ORBITEK_TR("BookOutput", "Poznámka")}};
        if (q.startTorque)
            rows.push_back(ResistanceRow(translation::Fill(ORBITEK_TR("BookOutput", "Záběrný moment %1 Nm"),
                                                           {NumberToGroupedText(*q.startTorque)}),
                                         ResistanceForStartingTorque(k, *q.startTorque, q.turnsRatio)));
        rows.push_back(ResistanceRow(ORBITEK_TR("BookOutput", "Maximální moment při rozběhu"),
                                     ResistanceForMaxTorqueAtStart(k, c, q.turnsRatio)));
        AppendGrid(out, rows, format);
    }
    return out;
}

std::string StartingResistanceJson(const TKonstrukce& k, const CharacteristicPoints& c, const BookQuestions& q)
{
    const std::string forTorque = q.startTorque
        ? ResistanceJson(ResistanceForStartingTorque(k, *q.startTorque, q.turnsRatio))
        : "null";
    return "{\"ForTorque\": " + forTorque +
        ", \"ForMaxTorque\": " + ResistanceJson(ResistanceForMaxTorqueAtStart(k, c, q.turnsRatio)) + "}";
}
