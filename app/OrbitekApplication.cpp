// The application object: the last safety net for errors and the separators' re-reading.
#include "OrbitekApplication.h"

#include "ErrorDisplay.h"
#include "LoadNumberSeparators.h"

#include <QLibraryInfo>
#include <QTranslator>

OrbitekApplication::OrbitekApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Docks match the window to the installed desktop entry by this id: Wayland ones by the
    // desktop file name, X11 ones by the instance part of the class hint, which Qt reads from
    // RESOURCE_NAME when it creates the first window. The class part stays the application title.
    setDesktopFileName(QStringLiteral(ORBITEK_APP_ID));
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", ORBITEK_APP_ID);
    setApplicationVersion(QStringLiteral(ORBITEK_VERSION));
}

bool OrbitekApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowUnhandledError(error);
        return true;
    }
}

bool OrbitekApplication::event(QEvent* event)
{
    // The user changed the regional settings: typed and shown numbers follow the new separators.
    if (event->type() == QEvent::LocaleChange)
        LoadNumberSeparators();
    return QApplication::event(event);
}

void SetApplicationTitle()
{
    QCoreApplication::setApplicationName(QStringLiteral("Orbitek pro Windows 95/NT"));
}

void InstallQtTranslation()
{
    static QTranslator* translator = nullptr;
    if (translator != nullptr)
        return;
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}
