// Saves a picture of the main window with the diagram and the curves beside it, the cursor linked:
// curves_window_screenshot FILE.png [WIDTHxHEIGHT] [circle ROW | curves SLIP | none] [R1 COSK]
//     [--at Q=V] [--output] [--no-load-line] [--lang en] [--save-question MOTOR.orbitek]
// The defaults are calculated (with R1 and COSK typed instead, where given), the window is resized
// (default: its design size), and the pointer is put on the circle at table row ROW (default 5) or
// over the curves at SLIP. --at types the operating point Q=V into the bar ("P2=15000"), --output draws
// the curves against output, --no-load-line checks the textbook torque line, --lang en switches to
// English. --save-question opens the motor file, edits its R1f, and pictures the question that Konec
// then asks instead of the window.
#include "CurvesView.h"
#include "DiagramView.h"
#include "FreshHome.h"
#include "Language.h"
#include "Main.h"
#include "OperatingPointBar.h"
#include "Zadani.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// A window's place on a screen of pixel ratio `ratio`, in the screen's own pixels.
QRect InPixels(const QRect& r, qreal ratio)
{
    return QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio).toAlignedRect();
}

void MovePointer(QWidget* widget, QPointF at)
{
    QCursor::setPos(widget->mapToGlobal(at.toPoint()));
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

int main(int argc, char** argv)
{
    const FreshHome home; // the pictures never show what this user's runs left
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    QString asked, motor;
    bool output = false, noLoadLine = false, english = false;
    for (int i = 0; i < args.size();) {
        if (args[i] == QLatin1String("--at") && i + 1 < args.size()) {
            asked = args[i + 1];
            args.remove(i, 2);
        } else if (args[i] == QLatin1String("--lang") && i + 1 < args.size()) {
            english = args[i + 1] == QLatin1String("en");
            args.remove(i, 2);
        } else if (args[i] == QLatin1String("--save-question") && i + 1 < args.size()) {
            motor = args[i + 1];
            args.remove(i, 2);
        } else if (args[i] == QLatin1String("--output") || args[i] == QLatin1String("--no-load-line")) {
            (args[i] == QLatin1String("--output") ? output : noLoadLine) = true;
            args.remove(i);
        } else {
            ++i;
        }
    }
    const QString file = args.value(0, QStringLiteral("curves-window.png"));
    const QStringList size = args.value(1).split(u'x');
    const QString where = args.value(2, QStringLiteral("circle"));
    const double at = args.value(3, QStringLiteral("5")).toDouble();
    const QString r1 = args.value(4), cosk = args.value(5);
    if (!StartUp())
        return 1;
    if (english)
        SetLanguage(Language::English);
    if (size.size() == 2) {
        MainForm->resize(size[0].toInt(), size[1].toInt());
        MainForm->move(0, 0);
    }
    MainForm->activateWindow();

    QTimer::singleShot(500, [&] {
        QTimer::singleShot(300, [&] {
            if (!r1.isEmpty())
                ZadaniDlg->XR1f->setText(r1);
            if (!cosk.isEmpty())
                ZadaniDlg->XUcNakr->setText(cosk);
            ZadaniDlg->OKBtn->click();
        });
        if (noLoadLine)
            MainForm->TorqueLineItem->trigger();
        MainForm->Vstupnhodnoty3->trigger();
        if (output)
            MainForm->CurvesAxisBox->setCurrentIndex(1);
        if (const qsizetype equals = asked.indexOf(u'='); equals > 0) {
            OperatingPointBar* bar = MainForm->PointBar;
            bar->QuantityBox->setCurrentIndex(bar->QuantityBox->findText(asked.left(equals), Qt::MatchStartsWith));
            bar->ValueEdit->setText(asked.mid(equals + 1));
            emit bar->ValueEdit->returnPressed();
        }
        if (where == QLatin1String("none")) {
            MovePointer(MainForm->Diagram, QPointF(2, 2));
        } else if (where == QLatin1String("curves")) {
            CurvesView* curves = MainForm->Curves;
            MovePointer(curves, QPointF(curves->PixelOfSlip(at), curves->height() / 2.0));
        } else {
            DiagramView* view = MainForm->Diagram;
            const TKonstrukce& k = view->CurrentDiagram()->record;
            const int row = static_cast<int>(at);
            MovePointer(view, view->PixelOf(QPointF(double(k.KruzniceX[row]), double(k.KruzniceY[row]))));
        }
    });
    int status = 1;
    if (!motor.isEmpty()) {
        QTimer::singleShot(1500, [&] {
            MainForm->OpenMotorFile(motor);
            QTimer::singleShot(300, [] {
                ZadaniDlg->XR1f->setText(ZadaniDlg->XR1f->text() + QStringLiteral("1"));
                ZadaniDlg->OKBtn->click();
            });
            MainForm->EditInputPopup->trigger();
            QTimer::singleShot(800, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
                status = box != nullptr && shot.copy(InPixels(box->frameGeometry(), shot.devicePixelRatio())).save(file)
                    ? 0
                    : 1;
                if (box != nullptr)
                    box->reject(); // Storno
                QTimer::singleShot(100, [] { MainForm->CloseWithoutAsking(); });
            });
            MainForm->Konec1->trigger();
        });
        QApplication::exec();
        DestroyWindows();
        return status;
    }
    QTimer::singleShot(2500, [&] {
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        status = shot.copy(InPixels(MainForm->frameGeometry(), shot.devicePixelRatio())).save(file) ? 0 : 1;
        MainForm->Konec1->trigger();
    });
    QApplication::exec();
    DestroyWindows();
    return status;
}
