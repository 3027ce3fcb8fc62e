// The diagram's texts: numbers in the locale's form, the title block, the corner box and the readout.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

#include "Characteristic.h"
#include "DiagramGeometry.h"
#include "GridTexts.h"
#include "Konstrukce.h"
#include "OperatingPointSolver.h"

namespace diagram {

// A text of the diagram's translation context ("DiagramTexts") in the interface's language.
QString Tr(const char* source);

// A fixed text that becomes its translation in the language current where it is used.
struct TranslatedText {
    const char* source;
    operator QString() const { return Tr(source); }
};

// The diagram page's title, the files' and the printer's document name.
inline constexpr TranslatedText DiagramTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Kruhový diagram asynchronního motoru")};
// The operating point asked for: the bar, its readout and its block in the title block.
inline constexpr char PointTitleSource[] = QT_TRANSLATE_NOOP("DiagramTexts", "Pracovní bod");
inline constexpr TranslatedText PointTitle{PointTitleSource};
// The characteristic values: the title block's section and the main window's corner box.
inline constexpr TranslatedText CharacteristicTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Charakteristické body")};

// An input as the user would type it: the table's four decimals without their trailing zeros.
QString InputText(long double value);
// A result with its unit ("604,0041 Nm"), or a dash where the geometry gives none.
QString ValueText(const OptionalValue& value, const char* unit = "");
// A tick label: as many decimals as the step has.
QString TickText(double value, Series step);
// The label of slip division i (0 to 20): "0", "0,1", … "1".
QString SlipDivisionText(int i);
// "1 A = 1 mm", "0,5 A = 1 mm", "20 A = 1 mm".
QString ScaleText(Scale scale);

struct TextRow {
    QString caption;
    QString value;
    QString slip; // "s = 0,2458", or empty
    std::optional<Symbol> symbol;
};

struct TitleBlockTexts {
    std::vector<TextRow> inputs;         // I0, cos φ0, Ik, cos φk, Uf, R1f, phases, speed
    std::vector<TextRow> characteristic; // the characteristic values, long captions
    QString inputsLine;                  // "I0 = 15 A, cos φ0 = 0,11, …": the inputs on one line
    long double wattsPerAmpere = 0;      // of ordinate: m · Uf
    long double torquePerAmpere = 0;     // of ordinate above the torque line: MeritkoMomentu
    QString torqueLine;                  // how T is placed: on which line the torque line stands
    // The block "Pracovní bod": what it was asked by and its values under short names; empty without
    // a point on the diagram.
    QString pointAsked;
    std::vector<TextRow> point;
    QString pointNote; // why the copper losses show "—", or empty
    QString motor;     // the motor's name and file; empty for one typed in and not saved
    QString note;      // the motor file's note
};

// What the title block's header says of the motor after the diagram's title: name and file, then the
// note; empty when there is neither.
QString MotorHeaderText(const TitleBlockTexts& texts);

// The texts of record `k`; with the block of `point`, the operating point asked for, where it is drawn.
TitleBlockTexts MakeTitleBlockTexts(const TKonstrukce& k, const CharacteristicPoints& c,
                                    const std::optional<AskedPoint>& point = std::nullopt);

// How T divides Ak's ordinate, for the torque line `line`.
QString TorqueLineText(TorqueLine line);
// What an operating point was asked by, as typed: "P2 = 15 000 W", "s = 0,04".
QString AskedText(OperatingQuantity quantity, long double value);
// The values at an operating point: slip, speed, current, power factor, input, output, efficiency,
// torque, the torque in synchronous watts and the three losses; under long captions (the readout) or
// under their symbols (the title block). No efficiency where the output is not positive, and "—" for
// the copper losses where the construction does not split them (PointNote says why).
std::vector<TextRow> PointRows(const PointValues& p, bool shortNames);
// The line current beside the phase current, where the connection is known (`factor`: 1 or √3).
std::optional<TextRow> LineCurrentRow(const PointValues& p, const std::optional<long double>& factor);
// Why the point's copper losses are not given; empty where they are.
QString PointNote(const PointValues& p);

// What one millimetre of ordinate stands for at `scale`: "1 mm = 660 W", "1 mm = 8,404 Nm".
QString PowerScaleText(const TitleBlockTexts& t, Scale scale);
QString TorqueScaleText(const TitleBlockTexts& t, Scale scale);

// The readout's efficiency where the motor gives no output, and the name of the region beyond slip 1.
inline const QString NoEfficiency = QStringLiteral("—");
inline constexpr TranslatedText BrakingRegion{QT_TRANSLATE_NOOP("DiagramTexts", "brzdění")};
// The characteristic values as the grid "Charakteristické body" has them, with the diagram's symbols;
// with `shortNames` under the names the diagram labels the points with (the main window's corner box).
std::vector<TextRow> CharacteristicRows(const TKonstrukce& k, const CharacteristicPoints& c, bool shortNames);
// What the motor does at one operating point: slip, torque, current, power factor, efficiency, output;
// where the output is not positive no efficiency, and beyond slip 1 that the motor brakes there.
std::vector<TextRow> ReadoutRows(const OperatingPoint& p);

} // namespace diagram
