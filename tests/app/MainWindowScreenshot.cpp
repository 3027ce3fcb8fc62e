// Saves a picture of the main window: main_window_screenshot FILE.png [--diagram [ZOOM [X Y]] | --motor MOTOR].
// Without either its "Diagram" menu is open; with --diagram, the diagram of the input dialog's defaults is
// shown with the readout of one operating point, or zoomed ZOOM times about the point (X, Y) in amperes
// (default Ao) without it; with --motor, the motor file MOTOR opened at start and the "&XX" menu open at
// "Naposledy otevřené".
#include "DiagramView.h"
#include "FreshHome.h"
#include "Main.h"
#include "Zadani.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {

// A window's place on a screen of pixel ratio `ratio`, in the screen's own pixels.
QRect InPixels(const QRect& r, qreal ratio)
{
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toAlignedRect();
}

// Enters the defaults through F2 and OK, then puts the pointer on the circle at row `row`'s point.
void CalculateDefaults(int row)
{
    QTimer::singleShot(300, [] { ZadaniDlg->OKBtn->click(); });
    MainForm->Vstupnhodnoty3->trigger();
    DiagramView* view = MainForm->Diagram;
    const TKonstrukce& k = view->CurrentDiagram()->record;
    const QPointF at = view->PixelOf(QPointF(double(k.KruzniceX[row]), double(k.KruzniceY[row])));
    QCursor::setPos(view->mapToGlobal(at.toPoint()));
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
}

} // namespace

int main(int argc, char** argv)
{
    const FreshHome home; // the pictures never show what this user's runs left
    QApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("main-window.png");
    const bool withDiagram = argc > 2 && QByteArray(argv[2]) == "--diagram";
    const QString motor = argc > 3 && QByteArray(argv[2]) == "--motor" ? QString::fromLocal8Bit(argv[3]) : QString();
    const double zoom = withDiagram && argc > 3 ? QByteArray(argv[3]).toDouble() : 0;
    const std::optional<QPointF> about = withDiagram && argc > 5
        ? std::optional(QPointF(QByteArray(argv[4]).toDouble(), QByteArray(argv[5]).toDouble()))
        : std::nullopt;
    if (!StartUp(motor, LanguageOfCode(qgetenv("SCREENSHOT_LANG").toStdString())))
        return 1;
    MainForm->activateWindow();
    QMenu* shownMenu = !motor.isEmpty() ? MainForm->Zadn1->menu() : MainForm->Vsledky1->menu();

    QTimer::singleShot(500, [withDiagram, motor, zoom, about] {
        if (withDiagram) {
            CalculateDefaults(5);
            if (zoom > 0) {
                DiagramView* view = MainForm->Diagram;
                const TKonstrukce& k = view->CurrentDiagram()->record;
                view->ZoomAbout(view->PixelOf(about.value_or(QPointF(double(k.Ao.x), double(k.Ao.y)))), zoom);
                QCursor::setPos(MainForm->StavovaRadka->mapToGlobal(QPoint(5, 5)));
                QMouseEvent move(QEvent::MouseMove, QPointF(-1, -1), view->mapToGlobal(QPointF(-1, -1)), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(view, &move);
            }
            return;
        }
        if (!motor.isEmpty()) {
            MainForm->HlavniMenu->setActiveAction(MainForm->Zadn1);
            QTimer::singleShot(300, [] { MainForm->Zadn1->menu()->setActiveAction(MainForm->RecentMotors); });
            QTimer::singleShot(600, [] {
                MainForm->RecentMotorsMenu->setActiveAction(MainForm->RecentMotorsMenu->actions().value(0));
            });
            return;
        }
        QMenu* diagram = MainForm->Vsledky1->menu();
        MainForm->HlavniMenu->setActiveAction(MainForm->Vsledky1);
        QTimer::singleShot(300, [diagram] { diagram->setActiveAction(MainForm->Vstupnhodnoty1); });
    });
    int status = 1;
    QTimer::singleShot(2500, [&] {
        // The whole screen: the window and the drop-down are separate native windows.
        QScreen* screen = QGuiApplication::primaryScreen();
        QPixmap shot = screen->grabWindow(0);
        QRect area = MainForm->frameGeometry();
        if (!withDiagram)
            area = area.united(shownMenu->geometry());
        if (!motor.isEmpty() && MainForm->RecentMotorsMenu->isVisible())
            area = area.united(MainForm->RecentMotorsMenu->geometry());
        status = shot.copy(InPixels(area, shot.devicePixelRatio())).save(file) ? 0 : 1;
        MainForm->Konec1->trigger(); // closing the main window must end the loop
    });
    QApplication::exec();
    DestroyWindows();
    return status;
}
