// What the window program remembers from one run to the next, in the user's configuration folder
// (~/.config/orbitek/orbitek.conf): one key per setting, each read and written here only.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "Curves.h"
#include "Konstrukce.h"
#include "Language.h"

namespace settings {

namespace key {
inline constexpr char RecentMotors[] = "motors/recent";
inline constexpr char OpenMotorFolder[] = "folders/openMotor";
inline constexpr char SaveMotorFolder[] = "folders/saveMotor";
inline constexpr char SaveDiagramFolder[] = "folders/saveDiagram";
inline constexpr char WindowGeometry[] = "window/geometry";
inline constexpr char SplitterState[] = "window/splitter";
inline constexpr char TorqueLine[] = "diagram/torqueLine";
inline constexpr char CurvesAxis[] = "curves/axis";
inline constexpr char Language[] = "interface/language";
inline constexpr char ValuesBoxExpanded[] = "diagram/valuesBoxExpanded";
inline constexpr char PointBoxExpanded[] = "diagram/pointBoxExpanded";
} // namespace key

constexpr int RecentMotorCount = 8;

// What the program writes is a few kilobytes; a store past this size is not its own, and Qt would read the
// whole of it again for every setting read or written (seconds for each at some megabytes).
constexpr qint64 MaxStoreBytes = 1024 * 1024;

// The file the settings are kept in.
QString StoreFileName();

// A store larger than MaxStoreBytes is moved aside to StoreFileName() + ".too-large", replacing an earlier
// one, and the program starts with its defaults. Returns what to tell the user then, or an empty text.
// Call before any setting is read.
QString SetAsideOversizedStore();

// The motor files opened or saved last, the newest first, at most eight.
QStringList RecentMotors();
// Puts `path` first, taking it from any earlier place.
void AddRecentMotor(const QString& path);
void RemoveRecentMotor(const QString& path);

// The folder each file dialog showed last; the home folder at first and once that folder is gone.
enum class FileDialog { OpenMotor, SaveMotor, SaveDiagram };
QString LastFolder(FileDialog dialog);
void SetLastFolder(FileDialog dialog, const QString& folder);

// The main window's frame and the divider between the diagram and the curves; empty before the first run.
QByteArray WindowGeometry();
void SetWindowGeometry(const QByteArray& geometry);
QByteArray SplitterState();
void SetSplitterState(const QByteArray& state);

// The torque line the record is computed with; the textbooks' one only when chosen.
TorqueLine TorqueLineChoice();
void SetTorqueLineChoice(TorqueLine line);

// What the curves are drawn against; slip until output is chosen.
diagram::CurvesAxis CurvesAxisChoice();
void SetCurvesAxisChoice(diagram::CurvesAxis axis);

// The interface's language chosen in the menu; Czech until English is.
Language LanguageChoice();
void SetLanguageChoice(Language language);

// Whether the diagram's box of characteristic values and its box of the operating point stand
// expanded or collapsed to their title lines; expanded until collapsed.
enum class DiagramBox { Values, Point };
bool DiagramBoxExpanded(DiagramBox box);
void SetDiagramBoxExpanded(DiagramBox box, bool expanded);

} // namespace settings
