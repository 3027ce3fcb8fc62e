// Saves a picture of the main window with its "Diagram" menu open: main_window_screenshot FILE.png
#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main-window.png");
    if (!StartUp())
        return 1;
    MainForm->activateWindow();

    QTimer::singleShot(500, [] {
        QMenu* diagram = MainForm->Vsledky1->menu();
        MainForm->HlavniMenu->setActiveAction(MainForm->Vsledky1);
        QTimer::singleShot(300, [diagram] { diagram->setActiveAction(MainForm->Vstupnhodnoty1); });
    });
    int status = 1;
    QTimer::singleShot(1500, [&] {
        // The whole screen: the window and the drop-down are separate native windows.
        QScreen* screen = QGuiApplication::primaryScreen();
        QPixmap shot = screen->grabWindow(0);
        QRect area = MainForm->frameGeometry().united(MainForm->Vsledky1->menu()->geometry());
        status = shot.copy(area).save(file) ? 0 : 1;
        MainForm->Konec1->trigger(); // closing the main window must end the loop
    });
    QApplication::exec();
    DestroyWindows();
    return status;
}
