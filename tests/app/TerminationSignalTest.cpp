// SIGTERM and SIGINT end the program with any dialog open: the program's own dialogs, the paper panel,
// Qt's file dialog, the validation message over the input dialog and the error box. Each dialog ends as
// Cancel ends it (nothing it holds is taken), no window stays open and the loop ends with status 0.
#include "DiagramView.h"
#include "ErrorDisplay.h"
#include "Main.h"
#include "MeasuredDialog.h"
#include "OrbitekApplication.h"
#include "PageChoiceDialog.h"
#include "RecordBits.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <stdexcept>

namespace {

// What a case does inside a dialog, or to open one.
using Step = std::function<void()>;

// Runs `step` once the modal window that `is` recognises is up, from inside its loop.
void Once(std::function<bool(QWidget*)> is, Step step)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, is, step] {
        QWidget* top = QApplication::activeModalWidget();
        if (top == nullptr || !top->isVisible() || !is(top))
            return;
        timer->deleteLater();
        step();
    });
    timer->start(10);
}

template <typename Dialog>
bool Is(QWidget* top)
{
    return qobject_cast<Dialog*>(top) != nullptr;
}

bool IsMessage(QWidget* top)
{
    return top->findChild<QLabel*>(QStringLiteral("ErrorText")) != nullptr;
}

} // namespace

class TerminationSignalTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp());
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        Once(Is<TZadaniDlg>, [] { ZadaniDlg->OKBtn->click(); }); // the defaults: a diagram to save
        MainForm->Vstupnhodnoty1->trigger();
        QVERIFY(MainForm->Diagram->CurrentDiagram());
    }

    void cleanupTestCase() { DestroyWindows(); }

    void signalEndsEveryOpenDialog_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<QString>("open");
        QTest::newRow("input dialog, SIGTERM") << SIGTERM << "input";
        QTest::newRow("input dialog, SIGINT") << SIGINT << "input";
        QTest::newRow("measured values") << SIGTERM << "measured";
        QTest::newRow("validation message over the input dialog") << SIGTERM << "message";
        QTest::newRow("error box") << SIGINT << "error box";
        QTest::newRow("paper panel") << SIGTERM << "panel";
        QTest::newRow("file dialog after the panel") << SIGTERM << "file dialog";
    }

    void signalEndsEveryOpenDialog()
    {
        QFETCH(int, signal);
        QFETCH(QString, open);
        QuitOnTerminationSignals(); // armed again: a handler serves one signal
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orbitek-signal-XXXXXX"));
        QVERIFY(folder.isValid());
        const TKonstrukce before = Konstrukce;
        const Step raise = [signal] { std::raise(signal); };

        // Each case opens its dialog from the main loop and, inside it, what the case leaves open: a value
        // that OK would take, or a file that the Save button would write.
        Step start;
        if (open == QLatin1String("input") || open == QLatin1String("message")) {
            start = [open, raise] {
                Once(Is<TZadaniDlg>, [open, raise] {
                    ZadaniDlg->XFazoveNapeti->setText(QStringLiteral("231"));
                    if (open == QLatin1String("input"))
                        return raise();
                    ZadaniDlg->XFazoveNapeti->setText(QStringLiteral("-5")); // refused: a message
                    Once(IsMessage, raise);
                    ZadaniDlg->OKBtn->click();
                });
                MainForm->Vstupnhodnoty1->trigger();
            };
        } else if (open == QLatin1String("measured")) {
            start = [raise] {
                Once(Is<MeasuredDialog>, raise);
                MainForm->MeasuredInput->trigger();
            };
        } else if (open == QLatin1String("error box")) {
            start = [raise] {
                Once(Is<QMessageBox>, raise);
                ShowUnhandledError(std::runtime_error("Chyba výpočtu"));
            };
        } else {
            const QString path = folder.filePath(QStringLiteral("nikdy.pdf"));
            start = [open, raise, path] {
                Once(Is<PageChoiceDialog>, [open, raise, path] {
                    if (open == QLatin1String("panel"))
                        return raise();
                    Once(Is<QFileDialog>, [raise, path] {
                        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                        raise();
                    });
                    static_cast<QDialog*>(QApplication::activeModalWidget())->accept();
                });
                MainForm->SaveDiagramItem->trigger();
            };
        }
        QTimer::singleShot(0, MainForm, start);
        // A program that does not end fails the case instead of hanging it.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(60000);
        const int status = QApplication::exec();
        watchdog.stop();

        QCOMPARE(status, 0);
        QVERIFY(EndingOnSignal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible() || w == MainForm, qPrintable(w->metaObject()->className()));
        QCOMPARE(DifferingValue(Konstrukce, before), -1); // Cancel: nothing typed was taken
        QVERIFY(QDir(folder.path()).isEmpty());
    }
};

ORBITEK_WINDOW_TEST_MAIN(TerminationSignalTest)
#include "TerminationSignalTest.moc"
