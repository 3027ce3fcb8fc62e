// The window's motor files: Qt's file dialogs, reading and saving them, and the motor's title.
#include "MotorFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "Settings.h"

namespace {

QString Tr(const char* source)
{
    return QCoreApplication::translate("MotorFiles", source);
}

const char* const FileFilter = QT_TRANSLATE_NOOP("MotorFiles", "Motor Orbiteku (*.orbitek)");
const char* const AllFiles = QT_TRANSLATE_NOOP("MotorFiles", "Všechny soubory (*)");
const QString DefaultName = QStringLiteral("motor.orbitek");

QString Suffix()
{
    return QString::fromUtf8(MotorFileSuffix.data(), static_cast<int>(MotorFileSuffix.size()));
}

// One of Qt's file dialogs, started in the folder it showed last; remembers the folder it ends in.
std::optional<QString> AskFile(QFileDialog& dialog, settings::FileDialog which)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = dialog.selectedFiles().constFirst();
    settings::SetLastFolder(which, QFileInfo(file).absolutePath());
    return file;
}

} // namespace

void RememberMotorFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    settings::SetLastFolder(settings::FileDialog::OpenMotor, folder);
    settings::SetLastFolder(settings::FileDialog::SaveMotor, folder);
}

std::optional<QString> AskMotorToOpen(QWidget* parent)
{
    QFileDialog dialog(parent, Tr(QT_TRANSLATE_NOOP("MotorFiles", "Otevřít motor")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({Tr(FileFilter), Tr(AllFiles)});
    dialog.setDirectory(settings::LastFolder(settings::FileDialog::OpenMotor));
    return AskFile(dialog, settings::FileDialog::OpenMotor);
}

std::optional<QString> AskMotorToSave(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, Tr(QT_TRANSLATE_NOOP("MotorFiles", "Uložit motor")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({Tr(FileFilter)});
    dialog.setDefaultSuffix(Suffix().mid(1));
    if (suggested.isEmpty()) {
        dialog.setDirectory(settings::LastFolder(settings::FileDialog::SaveMotor));
        dialog.selectFile(DefaultName);
    } else {
        dialog.setDirectory(QFileInfo(suggested).absolutePath());
        dialog.selectFile(QFileInfo(suggested).fileName());
    }
    std::optional<QString> file = AskFile(dialog, settings::FileDialog::SaveMotor);
    if (file && !IsMotorFileName(*file))
        *file += Suffix(); // "motor.v2" stays a motor file by its name
    return file;
}

MotorFile ReadMotorFile(const QString& path)
{
    return LoadMotorFile(QFile::encodeName(path).toStdString(), QDir::toNativeSeparators(path).toStdString());
}

std::optional<QString> WriteMotorFile(const QString& path, const MotorFile& motor)
{
    if (const std::optional<std::string> error = SaveMotorFile(QFile::encodeName(path).toStdString(), motor))
        return QString::fromStdString(*error);
    return std::nullopt;
}

QString SaveMotorErrorText(const QString& path, const QString& reason)
{
    return Tr(QT_TRANSLATE_NOOP("MotorFiles", "Motor se nepodařilo uložit: %1 (%2)"))
        .arg(QDir::toNativeSeparators(path), reason);
}

bool IsMotorFileName(const QString& path)
{
    return path.endsWith(Suffix(), Qt::CaseInsensitive);
}

QString MotorTitle(const CurrentMotor& current)
{
    const QString name = QString::fromStdString(current.motor.name).simplified();
    QString file = QFileInfo(current.path).fileName();
    if (!file.isEmpty() && current.edited)
        file += Tr(QT_TRANSLATE_NOOP("MotorFiles", ", upraveno"));
    if (name.isEmpty() || file.isEmpty())
        return name.isEmpty() ? file : name;
    return name + QStringLiteral(" (") + file + u')';
}
