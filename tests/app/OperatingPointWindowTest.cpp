// The operating point in the main window: typed into the "Pracovní bod" bar, clicked on the arc, taken
// away with Esc; the torque line's check item computing the motor again; the printed pages carrying the
// point; and the curves against output with the cursor still linked.
#include "CurvesView.h"
#include "DiagramOutput.h"
#include "DiagramView.h"
#include "Main.h"
#include "OperatingPointBar.h"
#include "RecordBits.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

OperatingPointBar* Bar()
{
    return MainForm->PointBar;
}

// The slip of the point the diagram draws, as the tables print it; empty without one.
QString DrawnSlip()
{
    const std::optional<diagram::Diagram>& d = MainForm->Diagram->CurrentDiagram();
    if (!d || !d->scene.operatingPoint)
        return {};
    return QString::fromStdString(NumberToGroupedText(d->scene.operatingPoint->slip));
}

QString Message()
{
    return Bar()->Message->isVisible() ? Bar()->Message->text() : QString();
}

void Type(int quantity, const QString& text)
{
    Bar()->QuantityBox->setCurrentIndex(quantity);
    Bar()->ValueEdit->setText(text);
    QTest::keyClick(Bar()->ValueEdit, Qt::Key_Return);
}

QString PdfText(const QString& pdf, int page)
{
    QProcess process;
    process.start(QStringLiteral(PDFTOTEXT),
                  {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page), pdf,
                   QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class OperatingPointWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp());
        MainForm->resize(1000, 700);
        MainForm->move(0, 0);
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        // The messages below are written with Czech separators.
        DecimalSeparator = U',';
        ThousandSeparator = U' ';
        // A point asked for before any motor waits for one.
        Type(0, QStringLiteral("15000"));
        QCOMPARE(Message(), QStringLiteral("Nejprve zadejte vstupní hodnoty (F2)."));
        Later(ZadaniDlg, 50, [] { ZadaniDlg->OKBtn->click(); });
        MainForm->Vstupnhodnoty3->trigger();
        QVERIFY(MainForm->Diagram->CurrentDiagram());
        QCOMPARE(DrawnSlip(), QStringLiteral("0,0357"));
        QCOMPARE(Message(), QString());
    }

    void cleanupTestCase() { DestroyWindows(); }

    // Enter sets the point; a value off the arc or no number says why and leaves the point as it was.
    void typingAValue_data()
    {
        QTest::addColumn<int>("quantity"); // in the box's order: P2, M, I, P1, s, n
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("slip"); // of the point drawn afterwards
        QTest::addColumn<QString>("message");
        const QString before = QStringLiteral("0,1000"); // set before each row
        QTest::newRow("output") << 0 << "15000"
                                << "0,0357"
                                << "";
        QTest::newRow("slip") << 4 << "0,04"
                              << "0,0400"
                              << "";
        QTest::newRow("current") << 2 << "31,7583"
                                 << "0,0357"
                                 << "";
        QTest::newRow("torque above its maximum") << 1 << "700" << before << "Moment větší než maximální 604,0041 Nm.";
        QTest::newRow("speed above synchronous")
            << 5 << "751" << before << "Otáčky větší než maximální 750,0000 1/min.";
        QTest::newRow("input below no load") << 3 << "-1" << before << "Příkon menší než minimální 1 089,0000 W.";
        QTest::newRow("output in kW") << 0 << "15 kW"
                                      << "0,0357"
                                      << "";
        QTest::newRow("slip in percent") << 4 << "4 %"
                                         << "0,0400"
                                         << "";
        QTest::newRow("unit of another quantity")
            << 0 << "15 Nm" << before << "Jednotka „Nm“ nepatří k veličině Výkon; ta se zadává v W, kW, MW, hp.";
        QTest::newRow("no number") << 0 << "15.5 kW" << before << "Hodnota „15.5 kW“ není číslo.";
    }

    // A torque between the starting and the maximum torque: the stable point is drawn, the bar names the
    // high-slip one; a torque below the starting torque has only the one.
    void bothTorquePointsAreListed()
    {
        Type(1, QStringLiteral("500"));
        QVERIFY2(Message().startsWith(QStringLiteral("Druhý bod s tímto momentem (za maximem, nestabilní): s = 0,")),
                 qPrintable(Message()));
        QCOMPARE(MainForm->CurrentOperatingPoint()->quantity, OperatingQuantity::Torque);
        Type(1, QStringLiteral("200"));
        QCOMPARE(Message(), QString());
        Type(4, QStringLiteral("0,1"));
    }

    void typingAValue()
    {
        QFETCH(int, quantity);
        QFETCH(QString, text);
        QFETCH(QString, slip);
        QFETCH(QString, message);
        Type(4, QStringLiteral("0,1"));
        QCOMPARE(DrawnSlip(), QStringLiteral("0,1000"));
        Type(quantity, text);
        QCOMPARE(DrawnSlip(), slip);
        QCOMPARE(Message(), message);
        QCOMPARE(MainForm->Curves->PointShown().has_value(), true);
        QCOMPARE(MainForm->CurrentOperatingPoint()->quantity,
                 message.isEmpty() ? OperatingQuantities[quantity].quantity : OperatingQuantity::Slip);
        // What the field shows of a point set is typed again as it stands.
        if (message.isEmpty()) {
            QTest::keyClick(Bar()->ValueEdit, Qt::Key_Return);
            QCOMPARE(Message(), QString());
            QCOMPARE(DrawnSlip(), slip);
        }
    }

    // A click on the arc sets the point there by its slip; a drag, a click away from the arc or on the
    // braking arc beyond Ak does not.
    void clickingTheArc()
    {
        DiagramView* view = MainForm->Diagram;
        const TKonstrukce& k = view->CurrentDiagram()->record;
        const QPoint onArc = view->PixelOf(QPointF(double(k.KruzniceX[5]), double(k.KruzniceY[5]))).toPoint();
        QTest::mouseClick(view, Qt::LeftButton, {}, onArc);
        QCOMPARE(MainForm->CurrentOperatingPoint()->quantity, OperatingQuantity::Slip);
        QVERIFY(std::abs(double(MainForm->CurrentOperatingPoint()->value) - 0.25) < 0.01);
        QCOMPARE(Bar()->QuantityBox->currentText(), QStringLiteral("s skluz"));
        QVERIFY(Bar()->ValueEdit->text().startsWith(QStringLiteral("0,2")));

        const auto clicked = MainForm->CurrentOperatingPoint()->value;
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3, view->height() - 3));
        QTest::mouseClick(view, Qt::LeftButton, {},
                          view->PixelOf(QPointF(double(k.AInf.x), double(k.AInf.y))).toPoint());
        QCOMPARE(Message(), QStringLiteral("Skluz větší než maximální 1,0000."));
        QTest::mousePress(view, Qt::LeftButton, {}, onArc);
        QTest::mouseMove(view, onArc + QPoint(40, 0));
        QTest::mouseRelease(view, Qt::LeftButton, {}, onArc + QPoint(40, 0));
        QCOMPARE(MainForm->CurrentOperatingPoint()->value, clicked);
        view->FitToView();
    }

    // Esc takes the point away wherever the focus is in the window: the diagram, the curves and the
    // bar are empty of it, and the next motor is drawn without one.
    void escClearsThePoint_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in the value field") << "field";
        QTest::newRow("on the diagram") << "diagram";
    }

    void escClearsThePoint()
    {
        QFETCH(QString, focus);
        RunEventLoop();             // the input dialog's closing settles first
        MainForm->activateWindow(); // as a user's key press finds it
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        Type(0, QStringLiteral("15000"));
        QVERIFY(!DrawnSlip().isEmpty());
        QWidget* target = focus == "field" ? static_cast<QWidget*>(Bar()->ValueEdit) : MainForm->Diagram;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!MainForm->CurrentOperatingPoint());
        QCOMPARE(DrawnSlip(), QString());
        QVERIFY(!MainForm->Curves->PointShown());
        QCOMPARE(Bar()->ValueEdit->text(), QString());
        QCOMPARE(Message(), QString());
    }

    // The check item computes the motor again with the textbook line, the point with it, and says so
    // in the title block; unchecked, the record is the one before to the bit. From outside as well.
    void torqueLineRecomputesTheMotor()
    {
        Type(0, QStringLiteral("15000"));
        const TKonstrukce before = Konstrukce;
        QVERIFY(!MainForm->TorqueLineItem->isChecked());
        MainForm->TorqueLineItem->trigger();
        QVERIFY(MainForm->TorqueLineItem->isChecked());
        QCOMPARE(Konstrukce.torqueLine, TorqueLine::NoLoadLine);
        QCOMPARE(QString::fromStdString(NumberToGroupedText(Konstrukce.MomentSkluzu[SlipCount])),
                 QStringLiteral("303,6224"));
        QCOMPARE(MainForm->Diagram->CurrentDiagram()->record.torqueLine, TorqueLine::NoLoadLine);
        QCOMPARE(DrawnSlip(), QStringLiteral("0,0349"));
        QVERIFY(
            MainForm->Diagram->CurrentDiagram()->texts.torqueLine.contains(QStringLiteral("nad přímkou naprázdno")));
        MainForm->TorqueLineItem->trigger();
        QVERIFY(SameBits(Konstrukce, before));
        QCOMPARE(DrawnSlip(), QStringLiteral("0,0357"));

        MainForm->SetTorqueLine(TorqueLine::NoLoadLine);
        QVERIFY(MainForm->TorqueLineItem->isChecked());
        QCOMPARE(MainForm->CurrentTorqueLine(), TorqueLine::NoLoadLine);
        MainForm->SetTorqueLine(TorqueLine::Axis);
        QVERIFY(!MainForm->TorqueLineItem->isChecked());
        QVERIFY(SameBits(Konstrukce, before));
    }

    // Printed into a PDF: the point's block on the first page, its row on the second, the working
    // characteristics on the third; without a point none of it.
    void printedPagesCarryThePoint()
    {
        // The application's name holds a "/": no default template.
        QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/orbitek-point-XXXXXX"));
        const QString pdf = directory.filePath(QStringLiteral("tisk.pdf"));
        for (const bool point : {true, false}) {
            if (point)
                Type(0, QStringLiteral("15000"));
            else
                MainForm->ClearOperatingPoint();
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setFullPage(true);
            printer.setPageSize(QPageSize(QPageSize::A4));
            const std::optional<QString> error = PrintOn(printer, *MainForm->Diagram->CurrentDiagram());
            QVERIFY2(!error, qPrintable(error.value_or(QString())));
            const QString first = PdfText(pdf, 1);
            QCOMPARE(first.contains(QStringLiteral("Pracovní bod")), point);
            QCOMPARE(first.contains(QStringLiteral("zadáno P2 = 15 000 W")), point);
            QVERIFY(first.contains(QStringLiteral("Měřítko 1 A = 1 mm"))); // the point's block costs no scale
            QCOMPARE(PdfText(pdf, 2).contains(QStringLiteral("0,0357")), point);
            QVERIFY(PdfText(pdf, 3).contains(QStringLiteral("Pracovní charakteristiky")));
        }
    }

    // A motor given as measured offers the line current: typed there it asks the point of the phase
    // current it gives (delta: divided by √3), the field keeps what was typed and the readout gives
    // both currents; a motor given per phase does not offer it.
    void lineCurrentOfAMeasuredMotor()
    {
        QTemporaryDir folder(QDir::homePath() + QStringLiteral("/motors-XXXXXX")); // in the test's own home
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("delta.orbitek"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "orbitek-motor", "version": 1, "input": {"un": "415", "connection": "delta",
            "f": 50, "poles": 4, "phases": 3, "u0": "415", "i0": "21", "p0": "1250", "uk": "100", "ik": "45",
            "pk": "2730", "r1": "0.5", "r1kind": "share"}})");
        file.close();
        MainForm->OpenMotorFile(path);
        QCOMPARE(Bar()->QuantityBox->count(), 7);
        QCOMPARE(Bar()->QuantityBox->itemText(6), QStringLiteral("Proud síťový"));
        for (const QString& typed : {QStringLiteral("60"), QStringLiteral("0,06 kA")}) {
            Type(6, typed);
            QCOMPARE(Message(), QString());
            QCOMPARE(MainForm->CurrentOperatingPoint()->quantity, OperatingQuantity::Current);
            QCOMPARE(MainForm->CurrentOperatingPoint()->value, 60 / 1.732050807568877293527446341505872366943L);
            QCOMPARE(Bar()->ValueEdit->text(), typed);
            QCOMPARE(Bar()->QuantityBox->currentIndex(), 6);
            const std::optional<AskedPoint>& asked = MainForm->Diagram->CurrentDiagram()->asked;
            QVERIFY(asked && asked->solution.point);
            const std::optional<diagram::TextRow> line = diagram::LineCurrentRow(*asked->solution.point,
                                                                                 asked->lineFactor);
            QVERIFY(line);
            QCOMPARE(line->caption, QStringLiteral("Síťový proud IL"));
            QCOMPARE(line->value, QStringLiteral("60,0000 A"));
        }
        Later(ZadaniDlg, 50, [] { ZadaniDlg->OKBtn->click(); });
        MainForm->Vstupnhodnoty3->trigger();
        QCOMPARE(Bar()->QuantityBox->count(), 6);
        MainForm->ClearOperatingPoint();
    }

    // Against output the curves end at the maximum output; the pointer over them still marks the
    // circle's point, at the output under it.
    void curvesAgainstOutput()
    {
        CurvesView* curves = MainForm->Curves;
        MainForm->CurvesAxisBox->setCurrentIndex(1);
        QCOMPARE(curves->Axis(), diagram::CurvesAxis::Output);
        QCOMPARE(curves->CurrentCurves()->axis, diagram::CurvesAxis::Output);
        for (double slip : {0.03, 0.1}) {
            QTest::mouseMove(curves, QPoint(qRound(curves->PixelOfSlip(slip)), curves->height() / 2));
            QVERIFY(curves->MarkedSlip());
            QVERIFY2(std::abs(*curves->MarkedSlip() - slip) < 0.005, QByteArray::number(*curves->MarkedSlip()));
        }
        QCOMPARE(curves->PixelOfSlip(0.5), -1.0); // past the maximum output: not on this axis
        MainForm->SetCurvesAxis(diagram::CurvesAxis::Slip);
        QCOMPARE(MainForm->CurvesAxisBox->currentIndex(), 0);
        QCOMPARE(curves->Axis(), diagram::CurvesAxis::Slip);
    }
};

ORBITEK_WINDOW_TEST_MAIN(OperatingPointWindowTest)

#include "OperatingPointWindowTest.moc"
