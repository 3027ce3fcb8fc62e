// The curves beside the diagram: the cursor linked both ways, the popup menu over each panel and the
// divider, and Ctrl+C for the diagram in the main window but for the table in a result dialog.
#include "CurvesView.h"
#include "DiagramExport.h"
#include "DiagramView.h"
#include "Main.h"
#include "Moment.h"
#include "ShellTestSupport.h"
#include "StringGrid.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QtTest>

namespace {

constexpr int RingRadius = 5; // px: the diagram's mark of an operating point

// Black, or nearly so where the ring's edge is smoothed.
bool Dark(const QImage& image, QPointF at)
{
    const QColor c = image.pixelColor(at.toPoint());
    return c.red() < 80 && c.green() < 80 && c.blue() < 80;
}

// Whether the diagram shows its ring round the operating point of slip `slip`.
bool DiagramMarks(double slip)
{
    const std::optional<OperatingPoint> p = OperatingPointAtSlip(MainForm->Diagram->CurrentDiagram()->record, slip);
    const QPointF at = MainForm->Diagram->PixelOf(QPointF(double(p->point.x), double(p->point.y)));
    const QImage image = MainForm->Diagram->grab().toImage();
    int dark = 0;
    for (QPointF d : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        dark += Dark(image, at + d * (RingRadius - 0.5)) || Dark(image, at + d * (RingRadius + 0.5)) ? 1 : 0;
    return dark >= 3;
}

} // namespace

class CurvesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp());
        // Within the offscreen screen, so that the popup stands where it opens.
        MainForm->resize(780, 560);
        MainForm->move(0, 0);
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        // The diagram about two thirds of the width, the curves the rest.
        QVERIFY(std::abs(MainForm->Diagram->width() - 2 * MainForm->Curves->width()) <= 8);
        const QImage blank = MainForm->Curves->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(blank.pixelColor(blank.rect().center()), QColor(Qt::white));

        Later(ZadaniDlg, 50, [] { ZadaniDlg->OKBtn->click(); });
        MainForm->Vstupnhodnoty3->trigger();
        QVERIFY(MainForm->Curves->CurrentCurves());
    }

    void cleanupTestCase() { DestroyWindows(); }
    void cleanup() { MainForm->PodMenu1->hide(); }

    // The pointer on the circle marks that slip in the curves; over the curves, the circle's point.
    void cursorIsLinkedBothWays()
    {
        DiagramView* diagram = MainForm->Diagram;
        CurvesView* curves = MainForm->Curves;
        const TKonstrukce& k = diagram->CurrentDiagram()->record;
        for (int row : {5, 12}) {
            const QPointF at = diagram->PixelOf(QPointF(double(k.KruzniceX[row]), double(k.KruzniceY[row])));
            QTest::mouseMove(diagram, at.toPoint());
            QVERIFY(curves->MarkedSlip());
            QVERIFY2(std::abs(*curves->MarkedSlip() - row * 0.05) < 0.01, QByteArray::number(*curves->MarkedSlip()));
        }
        QTest::mouseMove(diagram, QPoint(2, 2)); // far from the circle
        QVERIFY(!curves->MarkedSlip());

        for (double slip : {0.4, 0.85}) {
            QVERIFY(!DiagramMarks(slip));
            QTest::mouseMove(curves, QPoint(qRound(curves->PixelOfSlip(slip)), curves->height() / 2));
            QVERIFY(curves->MarkedSlip());
            QVERIFY(std::abs(*curves->MarkedSlip() - slip) < 0.01);
            QVERIFY(DiagramMarks(*curves->MarkedSlip()));
        }
        const double last = *curves->MarkedSlip();
        QTest::mouseMove(diagram, QPoint(2, 2)); // leaving the curves takes the mark off the circle
        QVERIFY(!curves->MarkedSlip());
        QVERIFY(!DiagramMarks(last));
    }

    // The panel draws the curves the diagram was made with, on either axis, and a new calculation's once
    // the record changes (the torque line moves the torque curve).
    void panelDrawsTheDiagramsCurves()
    {
        const CurvesView* curves = MainForm->Curves;
        const TorqueLine before = MainForm->CurrentTorqueLine();
        const auto torque = [](const diagram::CurveSet& c) { return c.plots[diagram::TorquePlot].curves[0].values; };
        const auto shownTorque = torque(*curves->CurrentCurves());
        for (TorqueLine line : {before == TorqueLine::Axis ? TorqueLine::NoLoadLine : TorqueLine::Axis, before}) {
            MainForm->SetTorqueLine(line);
            for (diagram::CurvesAxis axis : {diagram::CurvesAxis::Output, diagram::CurvesAxis::Slip}) {
                MainForm->SetCurvesAxis(axis);
                const diagram::CurveSet& kept = MainForm->Diagram->CurrentDiagram()->curves.Against(axis);
                QCOMPARE(curves->CurrentCurves()->axis, axis);
                QVERIFY(curves->CurrentCurves()->xs == kept.xs);
                QVERIFY(torque(*curves->CurrentCurves()) == torque(kept));
            }
            QCOMPARE(torque(*curves->CurrentCurves()) == shownTorque, line == before);
        }
    }

    // Ctrl+C in the main window: the diagram page as SVG and as a 150-dpi PNG. In the torque dialog:
    // its table, as before.
    void ctrlCCopiesTheDiagramButNotInAResultDialog()
    {
        // Before the popup's tests: the offscreen platform leaves the focus with a closed popup.
        RunEventLoop(); // the input dialog's closing settles first
        MainForm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QTest::keyClick(MainForm, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data);
        QVERIFY(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
        const QImage png = QImage::fromData(data->data(QStringLiteral("image/png")), "png");
        const QSizeF page = MainForm->Diagram->CurrentDiagram()->page.page;
        QCOMPARE(png.size(), QSize(qRound(page.width() / 25.4 * 150), qRound(page.height() / 25.4 * 150)));
        QCOMPARE(png.dotsPerMeterX(), qRound(150 / 0.0254));

        QString copied;
        Later(Tabulka1, 50, [&copied] {
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_C, Qt::ControlModifier);
            copied = QApplication::clipboard()->text();
            Tabulka1->close();
        });
        MainForm->Momentovka->trigger();
        QCOMPARE(copied, Tabulka1->TabulkaM01->ToTabSeparated());
        QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/svg+xml")));
    }

    // A right-button release over either panel or the divider opens the popup at the pointer; none of
    // them has a hint of its own.
    void popupOpensOverEachPanelAndTheDivider_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("diagram") << "diagram";
        QTest::newRow("curves") << "curves";
        QTest::newRow("divider") << "divider";
    }

    void popupOpensOverEachPanelAndTheDivider()
    {
        QFETCH(QString, where);
        QWidget* target = where == "diagram" ? static_cast<QWidget*>(MainForm->Diagram)
            : where == "curves"              ? static_cast<QWidget*>(MainForm->Curves)
                                             : static_cast<QWidget*>(MainForm->ClientArea->handle(1));
        const QPoint local(std::min(target->width() / 2, 20), 40);
        QCursor::setPos(target->mapToGlobal(local));
        RunEventLoop();
        QCOMPARE(MainForm->StavovaRadka->currentMessage(), QString());

        QTest::mousePress(target, Qt::RightButton, {}, local);
        QVERIFY(!MainForm->PodMenu1->isVisible()); // the release opens it, not the press
        QTest::mouseRelease(target, Qt::RightButton, {}, local);
        QVERIFY(MainForm->PodMenu1->isVisible());
        QCOMPARE(MainForm->PodMenu1->pos(), target->mapToGlobal(local));
    }
};

ORBITEK_WINDOW_TEST_MAIN(CurvesWindowTest)

#include "CurvesWindowTest.moc"
