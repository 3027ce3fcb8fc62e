// Motor files in the window: the one named at start, saving and opening through the file dialogs with the
// same record and page, the recent list, "&Upravit zadání...", a dropped file, files that cannot be used,
// and what a second start brings back.
#include "DiagramExport.h"
#include "DiagramView.h"
#include "DialogTestSupport.h"
#include "Main.h"
#include "MeasuredDialog.h"
#include "MotorFile.h"
#include "OperatingPointBar.h"
#include "RecordBits.h"
#include "Settings.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sys/stat.h>

namespace {

const char* const Typed = R"({"format": "orbitek-motor", "version": 1, "name": "Cvičení 3", "note": "Z učebnice",
  "input": {"i0": "12.5", "cos0": "0.12", "ik": "150", "cosk": "0.4", "uf": "230", "r1": "0.3", "phases": 3,
            "poles": 4}, "at": {"quantity": "P2", "value": "9000"}, "torqueLine": "no-load"})";
const char* const Measured = R"({"format": "orbitek-motor", "version": 1, "input": {"un": "415",
  "connection": "delta", "f": 60, "poles": 14, "phases": 3, "u0": "415", "i0": "21", "p0": "1250", "uk": "100",
  "ik": "45", "pk": "2730", "r1": "0.4", "r1kind": "terminals", "r1factor": "1.1"}})";

// Chooses `path` in the next file dialog as a user would type it into its name field, and presses its
// button. The file it was given to suggest, selected in its list once it has read the folder, would
// win over the typed name: the selection goes first. A dialog still open after a minute is cancelled,
// so that a failing test ends.
void AnswerFileDialog(const QString& path)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* name = dialog != nullptr ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
        if (name == nullptr || !dialog->isVisible())
            return;
        timer->deleteLater();
        for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
            if (view->selectionModel() != nullptr)
                view->selectionModel()->clearSelection();
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept(); // the Open or Save button
    });
    timer->start(50);
    QTimer::singleShot(60000, timer, [timer] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
        timer->deleteLater();
    });
}

QByteArray PageSvg()
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    return diagram::WriteSvg(svg, *MainForm->Diagram->CurrentDiagram()) ? svg.data() : QByteArray();
}

// The record of a motor file; a file that names no torque line keeps the window's.
TKonstrukce Computed(const char* text)
{
    TKonstrukce k{};
    k.torqueLine = Konstrukce.torqueLine;
    const std::optional<std::string> refused = AcceptMotor(ParseMotorFile(text, "m.orbitek"), k);
    if (refused)
        qWarning("%s", refused->c_str());
    return k;
}

// Runs the menu item `item`, which opens `dialog`, and closes the dialog with `finish` once it is up.
void WithDialogOf(QAction* item, ModalDialog* dialog, std::function<void()> finish)
{
    QTimer::singleShot(0, dialog, [dialog, finish] {
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("dialog did not become active");
        finish();
    });
    item->trigger();
    RunEventLoop();
}

} // namespace

class MotorFilesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(folder_.isValid());
        typed_ = Write("cviceni3.orbitek", Typed);
        measured_ = Write("mereni.orbitek", Measured);
        QVERIFY(StartUp(typed_)); // as `orbitek cviceni3.orbitek`
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        RunEventLoop();
    }

    void cleanupTestCase() { DestroyWindows(); }

    void theFileNamedAtStartIsOpen()
    {
        QVERIFY(MainForm->Current() && MainForm->Diagram->CurrentDiagram());
        QCOMPARE(MainForm->Current()->path, typed_);
        QCOMPARE(DifferingValue(Konstrukce, Computed(Typed)), -1); // the file's torque line too
        QCOMPARE(MainForm->Diagram->CurrentDiagram()->texts.motor, QStringLiteral("Cvičení 3 (cviceni3.orbitek)"));
        QCOMPARE(settings::RecentMotors(), QStringList{typed_});
        // The file's torque line checks its item; its operating point is asked and drawn.
        QVERIFY(MainForm->TorqueLineItem->isChecked());
        QVERIFY(MainForm->CurrentOperatingPoint());
        QCOMPARE(MainForm->CurrentOperatingPoint()->quantity, OperatingQuantity::Output);
        QCOMPARE(MainForm->CurrentOperatingPoint()->value, 9000.0L);
        QCOMPARE(MainForm->PointBar->ValueEdit->text(), QStringLiteral("9000"));
    }

    // Saved, then another motor computed, then the file opened: the same record and the same page.
    void savedAndOpenedThroughTheDialogs()
    {
        const TKonstrukce before = Konstrukce;
        const QString saved = folder_.filePath(QStringLiteral("kopie")); // the ending comes by itself
        AnswerFileDialog(saved);
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QTest::keyClick(MainForm, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        RunEventLoop();
        QCOMPARE(MainForm->Current()->path, saved + QStringLiteral(".orbitek"));
        const QByteArray page = PageSvg();
        QVERIFY(page.contains("kopie.orbitek"));

        WithDialogOf(MainForm->Vstupnhodnoty3, ZadaniDlg,
                     [] { ZadaniDlg->OKBtn->click(); }); // the defaults: a new motor
        QVERIFY(MainForm->Current()->path.isEmpty());
        QVERIFY(MainForm->Diagram->CurrentDiagram()->texts.motor.isEmpty());

        AnswerFileDialog(saved + QStringLiteral(".orbitek"));
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QTest::keyClick(MainForm, Qt::Key_O, Qt::ControlModifier);
        RunEventLoop();
        QCOMPARE(DifferingValue(Konstrukce, before), -1);
        QCOMPARE(PageSvg(), page);
        QCOMPARE(settings::RecentMotors().value(0), saved + QStringLiteral(".orbitek"));
        QCOMPARE(settings::LastFolder(settings::FileDialog::OpenMotor), folder_.path());
    }

    // The point shown is saved with the motor, in the file's number form, and comes back with it.
    void theOperatingPointShownIsSaved()
    {
        MainForm->SetOperatingPoint(OperatingQuantity::Slip, 0.035L);
        const QString path = folder_.filePath(QStringLiteral("bod.orbitek"));
        AnswerFileDialog(path);
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QTest::keyClick(MainForm, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        RunEventLoop();
        const MotorFile written = LoadMotorFile(QFile::encodeName(path).toStdString(), "bod.orbitek");
        QCOMPARE(written.at, std::optional(AskedValue{OperatingQuantity::Slip, "0.035"}));
        MainForm->ClearOperatingPoint();
        MainForm->OpenMotorFile(path);
        QVERIFY(MainForm->CurrentOperatingPoint());
        QCOMPARE(MainForm->CurrentOperatingPoint()->value, 0.035L);
    }

    // Shift+F2 shows the motor's own values; unchanged they leave it as saved, changed it is marked edited.
    // F2 keeps its defaults.
    void editShowsTheCurrentValues()
    {
        MainForm->OpenMotorFile(typed_);
        const TypedInput expected = TypedInputOf(std::get<InputForm>(MainForm->Current()->motor.input));
        QString shown;
        WithDialogOf(MainForm->EditInputPopup, ZadaniDlg, [&shown] {
            shown = ZadaniDlg->XPrNapr->text() + u' ' + ZadaniDlg->XR1f->text();
            ZadaniDlg->OKBtn->click();
        });
        QCOMPARE(shown, QString::fromStdString(expected.PrNapr + " " + expected.R1f));
        QCOMPARE(ZadaniDlg->SynchrOtackyIndex(), expected.SynchrOtackyIndex);
        QCOMPARE(MainForm->Current()->path, typed_);
        QVERIFY(!MainForm->Current()->edited);

        WithDialogOf(MainForm->EditInputPopup, ZadaniDlg, [] {
            ZadaniDlg->XR1f->setText(QString::fromStdString(TypedNumber("0.31")));
            ZadaniDlg->OKBtn->click();
        });
        QCOMPARE(MainForm->Diagram->CurrentDiagram()->texts.motor,
                 QStringLiteral("Cvičení 3 (cviceni3.orbitek, upraveno)"));
        QCOMPARE(MainForm->Current()->motor.at->value, std::string("9000")); // the same motor, its point kept

        WithDialogOf(MainForm->Vstupnhodnoty3, ZadaniDlg, [&shown] {
            shown = ZadaniDlg->XPrNapr->text();
            ZadaniDlg->CancelBtn->click();
        });
        QCOMPARE(shown, QString::fromStdString(DefaultInput().PrNapr));

        MainForm->OpenMotorFile(measured_);
        MeasuredReadings readings;
        WithDialogOf(MainForm->EditInputPopup, MeasuredDlg, [&readings] {
            readings = MeasuredDlg->Readings();
            MeasuredDlg->CancelBtn->click();
        });
        QVERIFY(MeasuredFormOf(readings) == std::get<MeasuredForm>(MainForm->Current()->motor.input));
    }

    // The newest first, eight at most; an item opens its file; one that is gone goes from the list.
    void recentMotors()
    {
        QStringList opened;
        for (int i = 0; i < 10; ++i) {
            opened.prepend(Write(QStringLiteral("m%1.orbitek").arg(i).toStdString(), Typed));
            MainForm->OpenMotorFile(opened.front());
        }
        QList<QAction*> items = MainForm->RecentMotorsMenu->actions();
        QCOMPARE(items.size(), settings::RecentMotorCount);
        QCOMPARE(items[0]->text(), QStringLiteral("&1 m9.orbitek"));
        QCOMPARE(items[7]->statusTip(), QDir::toNativeSeparators(opened[7]));
        items[3]->trigger();
        QCOMPARE(MainForm->Current()->path, opened[3]);

        QFile::remove(opened[5]);
        BoxAnswerer answer(MainForm);
        MainForm->RecentMotorsMenu->actions()[5]->trigger();
        QCOMPARE(
            answer.texts.value(0),
            QStringLiteral("Soubor „%1“ nelze otevřít: soubor neexistuje.").arg(QDir::toNativeSeparators(opened[5])));
        QVERIFY(!settings::RecentMotors().contains(opened[5]));
        QCOMPARE(MainForm->Current()->path, opened[3]);
    }

    void aDroppedFileOpens()
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(measured_)});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainForm, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(MainForm, &drop);
        RunEventLoop();
        QCOMPARE(MainForm->Current()->path, measured_);
        QCOMPARE(DifferingValue(Konstrukce, Computed(Measured)), -1);
    }

    // A file that is no motor, or one acceptance refuses: its message, and the motor shown stays.
    void aFileThatCannotServeLeavesTheMotor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("not JSON") << "{\"format\""
                                  << "není to JSON (řádek 1, znak 10)";
        QTest::newRow("refused") << QString::fromUtf8(Typed).replace("\"150\"", "\"12\"")
                                 << "Chybné zadání proudu nakrátko.";
    }

    void aFileThatCannotServeLeavesTheMotor()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const TKonstrukce before = Konstrukce;
        const CurrentMotor current = *MainForm->Current();
        const QByteArray page = PageSvg();
        BoxAnswerer answer(MainForm);
        MainForm->OpenMotorFile(Write("bad.orbitek", text.toStdString()));
        QVERIFY2(answer.texts.value(0).contains(message), qPrintable(answer.texts.value(0)));
        QCOMPARE(DifferingValue(Konstrukce, before), -1);
        QCOMPARE(MainForm->Current()->path, current.path);
        QCOMPARE(PageSvg(), page);
    }

    // The title names the motor's file and marks it edited; closing an edited motor file asks, and each
    // answer does what it says; with nothing edited, or for a termination signal, it closes at once.
    void closingAnEditedMotorAsks_data()
    {
        QTest::addColumn<QString>("answer"); // empty: no question expected
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("byKonec"); // Konec (Alt+K) rather than the close box
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("r1InFile");
        QTest::newRow("Storno keeps it") << "Storno" << true << true << false << "0.3";
        QTest::newRow("Zahodit closes") << "Zahodit" << true << false << true << "0.3";
        QTest::newRow("Uložit writes and closes") << "Uložit" << true << true << true << "0.31";
        QTest::newRow("unedited closes") << "" << false << false << true << "0.3";
    }

    void closingAnEditedMotorAsks()
    {
        QFETCH(QString, answer);
        QFETCH(bool, edit);
        QFETCH(bool, byKonec);
        QFETCH(bool, closes);
        QFETCH(QString, r1InFile);
        const QString path = Write("otazka.orbitek", Typed);
        MainForm->show();
        MainForm->OpenMotorFile(path);
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("Orbitek asynchronního motoru — otazka.orbitek[*]"));
        QVERIFY(!MainForm->isWindowModified());
        if (edit) {
            WithDialogOf(MainForm->EditInputPopup, ZadaniDlg, [] {
                ZadaniDlg->XR1f->setText(QString::fromStdString(TypedNumber("0.31")));
                ZadaniDlg->OKBtn->click();
            });
            QVERIFY(MainForm->isWindowModified());
        }
        QStringList asked;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &poll, [&asked, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box->objectName() != QLatin1String("SaveQuestion") || !box->isVisible())
                return;
            asked << box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == answer) {
                    button->click();
                    return;
                }
            box->reject();
        });
        poll.start(10);
        if (byKonec)
            MainForm->Konec1->trigger();
        else
            MainForm->close();
        RunEventLoop();
        poll.stop();
        QCOMPARE(asked, answer.isEmpty() ? QStringList() : QStringList{QStringLiteral("Uložit změny motoru?")});
        QCOMPARE(MainForm->isVisible(), !closes);
        const MotorFile file = LoadMotorFile(QFile::encodeName(path).toStdString(), "otazka.orbitek");
        QCOMPARE(QString::fromStdString(std::get<InputForm>(file.input).r1), r1InFile);
        QCOMPARE(MainForm->HasUnsavedMotorEdits(), answer == QLatin1String("Storno") || answer == "Zahodit");
        if (MainForm->HasUnsavedMotorEdits()) { // a signal never asks
            MainForm->show();
            MainForm->CloseWithoutAsking();
            QVERIFY(!MainForm->isVisible());
        }
        MainForm->show();
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
    }

    // The recent list tells two files of one name apart by their folders; a motor opened from anywhere
    // is where the open and save dialogs start next.
    void recentNamesThatClashShowTheirFolders()
    {
        QVERIFY(QDir(folder_.path()).mkpath(QStringLiteral("a")) && QDir(folder_.path()).mkpath(QStringLiteral("b")));
        const QString a = Write("a/motor.orbitek", Typed), b = Write("b/motor.orbitek", Typed);
        MainForm->OpenMotorFile(a);
        MainForm->OpenMotorFile(b);
        const QList<QAction*> items = MainForm->RecentMotorsMenu->actions();
        QCOMPARE(items[0]->text(),
                 QStringLiteral("&1 motor.orbitek (%1)").arg(QDir::toNativeSeparators(QFileInfo(b).absolutePath())));
        QCOMPARE(items[1]->text(),
                 QStringLiteral("&2 motor.orbitek (%1)").arg(QDir::toNativeSeparators(QFileInfo(a).absolutePath())));
        QCOMPARE(items[0]->statusTip(), QDir::toNativeSeparators(b));
        QCOMPARE(settings::LastFolder(settings::FileDialog::OpenMotor), QFileInfo(b).absolutePath());
        QCOMPARE(settings::LastFolder(settings::FileDialog::SaveMotor), QFileInfo(b).absolutePath());
    }

    // A FIFO nobody writes to: opening it is refused within seconds, not waited for with the window
    // frozen, and saving onto it is refused with the FIFO left as it was.
    void aFifoIsNeitherWaitedForNorReplaced()
    {
        const QString fifo = folder_.filePath(QStringLiteral("fifo.orbitek"));
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
        const QString path = MainForm->Current()->path;
        {
            BoxAnswerer answer(MainForm);
            MainForm->OpenMotorFile(fifo);
            QVERIFY2(answer.texts.value(0).contains(QStringLiteral("nikdo nezapisuje")),
                     qPrintable(answer.texts.value(0)));
        }
        QCOMPARE(MainForm->Current()->path, path);
        const std::optional<QString> error = WriteMotorFile(fifo, MainForm->Current()->motor);
        QCOMPARE(error.value_or(QString()), QStringLiteral("není to obyčejný soubor (ale FIFO, zařízení nebo soket)"));
        QVERIFY(!QFileInfo(fifo).isFile());
        QFile::remove(fifo);
    }

    // The frame, the divider and the recent motors come back on the next start; the torque line too.
    void settingsComeBackOnASecondStart()
    {
        MainForm->resize(900, 600);
        MainForm->ClientArea->setSizes({500, 380});
        RunEventLoop();
        const QSize size = MainForm->size();
        const QList<int> sizes = MainForm->ClientArea->sizes();
        const QStringList recent = settings::RecentMotors();
        Konstrukce.torqueLine = TorqueLine::NoLoadLine;
        MainForm->SetCurvesAxis(diagram::CurvesAxis::Output);
        MainForm->SaveSettings();
        DestroyWindows();
        Konstrukce.torqueLine = TorqueLine::Axis;

        QVERIFY(StartUp());
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        QCOMPARE(MainForm->size(), size);
        QCOMPARE(MainForm->ClientArea->sizes(), sizes);
        QCOMPARE(MainForm->RecentMotorsMenu->actions().size(), recent.size());
        QCOMPARE(Konstrukce.torqueLine, TorqueLine::NoLoadLine);
        QVERIFY(MainForm->TorqueLineItem->isChecked());
        QCOMPARE(MainForm->CurvesAxisBox->currentIndex(), 1);
    }

private:
    QString Write(const std::string& name, const std::string& text)
    {
        const QString path = folder_.filePath(QString::fromStdString(name));
        std::ofstream(QFile::encodeName(path).toStdString()) << text;
        return path;
    }

    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/orbitek-motors-XXXXXX")};
    QString typed_, measured_;
};

ORBITEK_WINDOW_TEST_MAIN(MotorFilesWindowTest)

#include "MotorFilesWindowTest.moc"
