// The equivalent circuit in the main window: the "Náhradní schéma" check item draws the circuit's locus
// over the circle with its slip marks and shows the box of its values, and takes both away again.
#include "CircuitBox.h"
#include "DiagramView.h"
#include "LoadTestDialog.h"
#include "Main.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <fstream>

#include "MotorFile.h"

namespace {

const std::optional<diagram::CircuitLocus>& DrawnLocus()
{
    return MainForm->Diagram->CurrentDiagram()->scene.circuit;
}

// Chooses `path` in the next file dialog as a user would type it, and presses its button; a dialog
// still open after a minute is cancelled, so that a failing test ends.
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
        static_cast<QDialog*>(dialog)->accept();
    });
    timer->start(50);
    QTimer::singleShot(60000, timer, [timer] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
        timer->deleteLater();
    });
}

} // namespace

class CircuitWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp());
        MainForm->resize(1000, 700);
        MainForm->move(0, 0);
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        DecimalSeparator = U',';
        ThousandSeparator = U' ';
        Later(ZadaniDlg, 50, [] { ZadaniDlg->OKBtn->click(); });
        MainForm->Vstupnhodnoty3->trigger();
        QVERIFY(MainForm->Diagram->CurrentDiagram());
    }

    void cleanupTestCase() { DestroyWindows(); }

    void checkItemShowsAndHidesTheCircuit()
    {
        QVERIFY(!MainForm->CircuitItem->isChecked());
        QVERIFY(!DrawnLocus());
        QVERIFY(MainForm->CircuitPanel->isHidden());

        MainForm->CircuitItem->trigger();
        QVERIFY(MainForm->CircuitItem->isChecked());
        QVERIFY(DrawnLocus());
        QVERIFY(!MainForm->CircuitPanel->isHidden());
        const QString box = MainForm->CircuitPanel->text();
        QVERIFY(box.contains(QStringLiteral("Náhradní schéma")));
        QVERIFY(box.contains(QStringLiteral("0,5783")));   // X1 of the defaults at k = 0,5
        QVERIFY(box.contains(QStringLiteral("176,5182"))); // the circuit's own current at s = 1
        QVERIFY(box.contains(QStringLiteral("Kružnice a náhradní schéma")));

        // Every mark lies on the locus's circle, and the one at s = 1 near the locked-rotor point Ak
        // (the circuit gives 176,52 A at 0,4102 for the test's 177 A at 0,41).
        const diagram::CircuitLocus& l = *DrawnLocus();
        for (int i = 1; i <= SlipCount; ++i)
            QVERIFY(std::abs(std::hypot(l.marks[i].x() - l.centre.x(), l.marks[i].y() - l.centre.y()) - l.radius) <
                    1e-9 * l.radius);
        const TKonstrukce& k = MainForm->Diagram->CurrentDiagram()->record;
        QVERIFY(std::hypot(l.marks[SlipCount].x() - double(k.Ak.x), l.marks[SlipCount].y() - double(k.Ak.y)) < 1.0);

        // The torque line computed anew keeps the circuit shown.
        MainForm->TorqueLineItem->trigger();
        QVERIFY(DrawnLocus());
        MainForm->TorqueLineItem->trigger();

        MainForm->CircuitItem->trigger();
        QVERIFY(!MainForm->CircuitItem->isChecked());
        QVERIFY(!DrawnLocus());
        QVERIFY(MainForm->CircuitPanel->isHidden());
    }

    // Points typed and pasted from a spreadsheet into the load test's table are drawn on the diagram and
    // compared in the box; a row removed goes.
    void loadTestDialogTakesPastedPoints()
    {
        QVERIFY(MainForm->CircuitItem->isChecked() || (MainForm->CircuitItem->trigger(), true));
        QVERIFY(DrawnLocus());
        std::vector<LoadPointForm> shown;
        Later(MainForm, 100, [&shown] {
            auto* dialog = qobject_cast<LoadTestDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            dialog->Table->setCurrentCell(0, 0);
            // Two rows from a spreadsheet (TAB, CRLF), the second's P2 empty and M given, and a third
            // row beyond the table's three added by the paste.
            dialog->Paste(QStringLiteral("220\t30\t15000\t720\t13570\r\n221\t29,5\t14800\t721\t\t180\r\n"
                                         "219\t20\t10000\t730\r\n230\t12\t5000\t745\r\n"));
            QCOMPARE(dialog->Table->rowCount(), 4);
            dialog->Table->setCurrentCell(3, 0);
            dialog->RemoveRow->click();
            shown = dialog->Points();
            dialog->accept();
        });
        MainForm->LoadTestItem->trigger();
        QCOMPARE(shown.size(), std::size_t{3});
        QVERIFY(shown[1] == (LoadPointForm{"221", "29.5", "14800", "721", "", "180"}));
        QCOMPARE(MainForm->Current()->motor.loadPoints.size(), std::size_t{3});
        QCOMPARE(MainForm->Diagram->CurrentDiagram()->scene.loadPoints.size(), std::size_t{3});
        // The first point as drawn: 30 A at cos φ = 15000 / (3 · 220 · 30), per phase.
        const QPointF first = MainForm->Diagram->CurrentDiagram()->scene.loadPoints[0];
        QVERIFY(std::abs(std::hypot(first.x(), first.y()) - 30) < 1e-9);
        QVERIFY(std::abs(first.y() - 15000.0 / (3 * 220)) < 1e-9);
        // On the curves: the current of each at its slip; against output only the two with an output.
        const diagram::DiagramCurves& curves = MainForm->Diagram->CurrentDiagram()->curves;
        const std::vector<QPointF>& currents = curves.slip.plots[diagram::CurrentPlot].measured;
        QCOMPARE(currents.size(), std::size_t{3});
        QVERIFY(std::abs(currents[0].x() - 0.04) < 1e-15 && std::abs(currents[0].y() - 30) < 1e-12);
        QCOMPARE(curves.output.plots[diagram::SlipPlot].measured.size(), std::size_t{2});
        QCOMPARE(curves.slip.plots[diagram::TorquePlot].measured.size(), std::size_t{2});
        const QString box = MainForm->CircuitPanel->text();
        QVERIFY(box.contains(QStringLiteral("Zatěžovací bod")));
        QVERIFY(box.contains(QStringLiteral("fázové hodnoty")));
        MainForm->CircuitItem->trigger();
    }

    // A motor file's circuit is shown with its share and loss, and saved again with the load points.
    void motorFileKeepsTheCircuitAndTheLoadPoints()
    {
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orbitek-circuit-XXXXXX"));
        QVERIFY(folder.isValid());
        const QString opened = folder.filePath(QStringLiteral("trida-c.orbitek"));
        {
            std::ofstream out(opened.toStdString());
            out << R"({"format": "orbitek-motor", "version": 1,
  "input": {"i0": "15", "cos0": "0.11", "ik": "177", "cosk": "0.41", "uf": "220", "r1": "0.25", "phases": 3,
            "poles": 8}, "circuit": {"share": "0.3", "frictionWindage": "300"},
  "loadPoints": [{"u": "220", "i": "30", "p1": "15000", "n": "720", "m": "180"}]})";
        }
        QVERIFY(!MainForm->CircuitItem->isChecked());
        MainForm->OpenMotorFile(opened);
        QVERIFY(MainForm->CircuitItem->isChecked());
        QVERIFY(DrawnLocus());
        // X1 and Rfe of the defaults at k = 0,3 and Pfw = 300 W.
        QVERIFY(MainForm->CircuitPanel->text().contains(QStringLiteral("0,3537")));
        QVERIFY(MainForm->CircuitPanel->text().contains(QStringLiteral("222,2037")));

        const QString saved = folder.filePath(QStringLiteral("ulozeny.orbitek"));
        AnswerFileDialog(saved);
        MainForm->SaveMotor->trigger();
        const MotorFile motor = LoadMotorFile(saved.toStdString(), "ulozeny.orbitek");
        QVERIFY(motor.circuit == (CircuitChoice{"0.3", "300"}));
        QCOMPARE(motor.loadPoints.size(), std::size_t{1});
        QVERIFY(motor.loadPoints[0] == (LoadPointForm{"220", "30", "15000", "720", "", "180"}));

        // Unchecked, the circuit is no longer saved.
        MainForm->CircuitItem->trigger();
        const QString again = folder.filePath(QStringLiteral("bez-schematu.orbitek"));
        AnswerFileDialog(again);
        MainForm->SaveMotor->trigger();
        QVERIFY(!LoadMotorFile(again.toStdString(), "bez-schematu.orbitek").circuit);
    }
};

ORBITEK_WINDOW_TEST_MAIN(CircuitWindowTest)

#include "CircuitWindowTest.moc"
