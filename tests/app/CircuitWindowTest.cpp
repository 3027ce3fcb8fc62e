// The equivalent circuit in the main window: the "Náhradní schéma" check item draws the circuit's locus
// over the circle with its slip marks and shows the box of its values, and takes both away again.
#include "CircuitBox.h"
#include "DiagramView.h"
#include "Main.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <cmath>

namespace {

const std::optional<diagram::CircuitLocus>& DrawnLocus()
{
    return MainForm->Diagram->CurrentDiagram()->scene.circuit;
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
};

ORBITEK_WINDOW_TEST_MAIN(CircuitWindowTest)

#include "CircuitWindowTest.moc"
