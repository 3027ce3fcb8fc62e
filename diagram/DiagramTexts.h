// The diagram's texts: numbers in the locale's form, the title block, the corner box and the readout.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "Characteristic.h"
#include "DiagramGeometry.h"
#include "Konstrukce.h"

namespace diagram {

// The diagram page's title, the files' and the printer's document name.
inline const QString DiagramTitle = QStringLiteral("Kruhový diagram asynchronního motoru");

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
    QString motor;                       // the motor's name and file; empty for one typed in and not saved
    QString note;                        // the motor file's note
};

// What the title block's header says of the motor after the diagram's title: name and file, then the
// note; empty when there is neither.
QString MotorHeaderText(const TitleBlockTexts& texts);

TitleBlockTexts MakeTitleBlockTexts(const TKonstrukce& k, const CharacteristicPoints& c);

// What one millimetre of ordinate stands for at `scale`: "1 mm = 660 W", "1 mm = 8,404 Nm".
QString PowerScaleText(const TitleBlockTexts& t, Scale scale);
QString TorqueScaleText(const TitleBlockTexts& t, Scale scale);

// The readout's efficiency where the motor gives no output, and the name of the region beyond slip 1.
inline const QString NoEfficiency = QStringLiteral("—");
inline const QString BrakingRegion = QStringLiteral("brzdění");
// The characteristic values as the grid "Charakteristické body" has them, with the diagram's symbols;
// with `shortNames` under the names the diagram labels the points with (the main window's corner box).
std::vector<TextRow> CharacteristicRows(const TKonstrukce& k, const CharacteristicPoints& c, bool shortNames);
// What the motor does at one operating point: slip, torque, current, power factor, efficiency, output;
// where the output is not positive no efficiency, and beyond slip 1 that the motor brakes there.
std::vector<TextRow> ReadoutRows(const OperatingPoint& p);

} // namespace diagram
