// What the window program remembers between runs, through QSettings in the user's configuration folder.
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "MotorFile.h"

namespace settings {

namespace {

// The store named from the application id: the vendor part and the program part ("cz.orbitek.orbitek"
// gives orbitek/orbitek.conf). Not Qt's application name, which is the title and holds a '/'.
class Store : public QSettings {
public:
    Store() : QSettings(QSettings::NativeFormat, QSettings::UserScope, IdPart(1), IdPart(2)) {}

private:
    static QString IdPart(int index) { return QStringLiteral(ORBITEK_APP_ID).section(u'.', index, index); }
};

const char* FolderKey(FileDialog dialog)
{
    switch (dialog) {
    case FileDialog::OpenMotor: return key::OpenMotorFolder;
    case FileDialog::SaveMotor: return key::SaveMotorFolder;
    case FileDialog::SaveDiagram: return key::SaveDiagramFolder;
    }
    return key::OpenMotorFolder;
}

// Two names of one file count once.
bool SameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QString StoreFileName()
{
    // Where QSettings puts a user-scope native store here (the window program's command-line test checks it).
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/%1/%2.conf")
            .arg(QStringLiteral(ORBITEK_APP_ID).section(u'.', 1, 1),
                 QStringLiteral(ORBITEK_APP_ID).section(u'.', 2, 2));
}

QString SetAsideOversizedStore()
{
    const QString file = StoreFileName();
    const QFileInfo info(file);
    if (!info.isFile() || info.size() <= MaxStoreBytes)
        return {};
    const QString aside = file + QStringLiteral(".too-large");
    QFile::remove(aside);
    const QString size = QString::number(info.size());
    if (!QFile::rename(file, aside))
        return QStringLiteral("the settings file %1 holds %2 bytes, far more than the program writes, and could not "
                              "be moved aside")
            .arg(QDir::toNativeSeparators(file), size);
    return QStringLiteral("the settings file %1 held %2 bytes, far more than the program writes; moved aside to %3, "
                          "starting with the default settings")
        .arg(QDir::toNativeSeparators(file), size, QDir::toNativeSeparators(aside));
}

QStringList RecentMotors()
{
    QStringList files = Store().value(key::RecentMotors).toStringList();
    files.removeAll(QString());
    return files.mid(0, RecentMotorCount);
}

void AddRecentMotor(const QString& path)
{
    QStringList files{QFileInfo(path).absoluteFilePath()};
    for (const QString& f : RecentMotors())
        if (!SameFile(f, path) && files.size() < RecentMotorCount)
            files << f;
    Store().setValue(key::RecentMotors, files);
}

void RemoveRecentMotor(const QString& path)
{
    QStringList files;
    for (const QString& f : RecentMotors())
        if (!SameFile(f, path))
            files << f;
    Store().setValue(key::RecentMotors, files);
}

QString LastFolder(FileDialog dialog)
{
    const QString folder = Store().value(FolderKey(dialog)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void SetLastFolder(FileDialog dialog, const QString& folder)
{
    Store().setValue(FolderKey(dialog), folder);
}

QByteArray WindowGeometry()
{
    return Store().value(key::WindowGeometry).toByteArray();
}

void SetWindowGeometry(const QByteArray& geometry)
{
    Store().setValue(key::WindowGeometry, geometry);
}

QByteArray SplitterState()
{
    return Store().value(key::SplitterState).toByteArray();
}

void SetSplitterState(const QByteArray& state)
{
    Store().setValue(key::SplitterState, state);
}

TorqueLine TorqueLineChoice()
{
    return TorqueLineOfWord(Store().value(key::TorqueLine).toString().toStdString()).value_or(TorqueLine::Axis);
}

void SetTorqueLineChoice(TorqueLine line)
{
    Store().setValue(key::TorqueLine, QString::fromUtf8(TorqueLineWord(line)));
}

diagram::CurvesAxis CurvesAxisChoice()
{
    return Store().value(key::CurvesAxis).toString() == QLatin1String("output") ? diagram::CurvesAxis::Output
                                                                                : diagram::CurvesAxis::Slip;
}

void SetCurvesAxisChoice(diagram::CurvesAxis axis)
{
    Store().setValue(key::CurvesAxis,
                     axis == diagram::CurvesAxis::Output ? QStringLiteral("output") : QStringLiteral("slip"));
}

Language LanguageChoice()
{
    return LanguageOfCode(Store().value(key::Language).toString().toStdString()).value_or(Language::Czech);
}

void SetLanguageChoice(Language language)
{
    Store().setValue(key::Language, QString::fromLatin1(LanguageCode(language)));
}

namespace {

const char* BoxKey(DiagramBox box)
{
    return box == DiagramBox::Point ? key::PointBoxExpanded : key::ValuesBoxExpanded;
}

} // namespace

bool DiagramBoxExpanded(DiagramBox box)
{
    return Store().value(BoxKey(box), true).toBool();
}

void SetDiagramBoxExpanded(DiagramBox box, bool expanded)
{
    Store().setValue(BoxKey(box), expanded);
}

} // namespace settings
