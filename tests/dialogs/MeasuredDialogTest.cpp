// The measured values dialog: what the readings give as they are typed, a refusal kept for correction,
// an accepted motor drawn, the keyboard, and room for its texts in a larger font.
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "DiagramView.h"
#include "DialogTestSupport.h"
#include "Fonts.h"
#include "MeasuredDialog.h"
#include "NumText.h"
#include "RecordBits.h"
#include "WindowTestMain.h"

namespace {

// 200 V, star, 2p = 4; no-load 200 V 5 A 350 W; locked rotor 100 V 26 A 1700 W; R1 0,4 Ω per phase.
void TypeStarMotor()
{
    MeasuredDialog* d = MeasuredDlg;
    const std::pair<QLineEdit*, const char*> typed[] = {
        {d->RatedVoltage, "200"},  {d->NoLoadVoltage, "200"}, {d->NoLoadCurrent, "5"},  {d->NoLoadPower, "350"},
        {d->LockedVoltage, "100"}, {d->LockedCurrent, "26"},  {d->LockedPower, "1700"}, {d->Resistance, "0,4"},
    };
    for (const auto& [edit, text] : typed) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }
    d->Poles->setCurrentIndex(d->Poles->findText(QStringLiteral("4")));
    d->Star->setChecked(true);
    d->ThreePhases->setChecked(true);
    d->PerPhase->setChecked(true);
}

QStringList DerivedTexts()
{
    QStringList texts;
    for (const QLabel* l : MeasuredDlg->DerivedValues)
        texts << l->text();
    return texts;
}

} // namespace

class MeasuredDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { StartProgram(); }
    void cleanupTestCase() { DestroyWindows(); }
    void init()
    {
        DecimalSeparator = U',';
        ThousandSeparator = U'\u00A0';
    }

    void derivedValuesFollowTheTyping()
    {
        QStringList derived, warnings;
        QList<int> widths; // the dialog's, as warnings come and go: it keeps it
        RunModal(MeasuredDlg, [&] {
            TypeStarMotor();
            derived = DerivedTexts();
            MeasuredDlg->layout()->activate();
            widths << MeasuredDlg->width();
            MeasuredDlg->NoLoadVoltage->setText(QStringLiteral("180"));
            warnings << MeasuredDlg->Warnings->text();
            MeasuredDlg->layout()->activate();
            widths << MeasuredDlg->width();
            MeasuredDlg->NoLoadVoltage->setText(QStringLiteral("200"));
            warnings << MeasuredDlg->Warnings->text();
            MeasuredDlg->layout()->activate();
            widths << MeasuredDlg->width();
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(widths, (QList<int>{widths[0], widths[0], widths[0]}));
        QCOMPARE(derived,
                 (QStringList{"5,0000", "0,2021", "52,0000", "0,3775", "115,4701", "0,4000",
                              QStringLiteral("1\u00A0500,0000")}));
        QVERIFY2(warnings[0].startsWith(QStringLiteral("Napětí naprázdno se od jmenovitého liší")),
                 qPrintable(warnings[0]));
        QCOMPARE(warnings[1], QString());
    }

    void refusalKeepsTheDialogOpenAtTheReading_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // the reading to correct, its whole text selected
        QTest::newRow("no number") << "NoLoadCurrent"
                                   << "5.0"
                                   << "Proud naprázdno: '5.0' is not a valid floating point value"
                                   << "NoLoadCurrent";
        QTest::newRow("acceptance's own check") << "NoLoadCurrent"
                                                << "60"
                                                << "Chybné zadání proudu nakrátko."
                                                << "LockedCurrent";
        QTest::newRow("derived value out of range") << "RatedVoltage"
                                                    << "60000"
                                                    << "Fázové napětí 34641,02 V je mimo rozsah 1 až 30000 V."
                                                    << "RatedVoltage";
    }
    void refusalKeepsTheDialogOpenAtTheReading()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        Konstrukce = TKonstrukce{};
        BoxAnswerer boxes(MeasuredDlg);
        bool open = false;
        QString selected, whole;
        RunModal(MeasuredDlg, [&] {
            TypeStarMotor();
            auto* edit = MeasuredDlg->findChild<QLineEdit*>(field);
            auto* toCorrect = MeasuredDlg->findChild<QLineEdit*>(focus);
            edit->setText(typed);
            QTest::keyClick(edit, Qt::Key_Return);
            WaitUntil([&] { return MeasuredDlg->focusWidget() == toCorrect; });
            open = MeasuredDlg->isVisible();
            selected = toCorrect->selectedText();
            whole = toCorrect->text();
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(boxes.texts, QStringList{message});
        QVERIFY(open);
        QCOMPARE(MeasuredDlg->focusWidget()->objectName(), focus);
        QCOMPARE(selected, whole);
        QVERIFY(SameBits(Konstrukce, TKonstrukce{}));
    }

    void enterComputesAndDrawsAndTheReadingsStay()
    {
        Konstrukce = TKonstrukce{};
        const int result = RunModal(MeasuredDlg, [] {
            TypeStarMotor();
            QTest::keyClick(MeasuredDlg->LockedPower, Qt::Key_Return);
        });
        QCOMPARE(result, int(ModalDialog::mrOk));
        QCOMPARE(Konstrukce.SynchrOtacky, 1500.0L);
        QCOMPARE(Konstrukce.PrNakr, 52.0L);
        QVERIFY(MainForm->Diagram->CurrentDiagram().has_value());
        QString kept;
        RunModal(MeasuredDlg, [&] {
            kept = MeasuredDlg->LockedPower->text();
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(kept, QStringLiteral("1700"));
    }

    void tabFollowsTheLayout()
    {
        QStringList visited;
        RunModal(MeasuredDlg, [&] {
            MeasuredDlg->RatedVoltage->setFocus();
            for (int i = 0; i < 16; ++i) {
                visited << MeasuredDlg->focusWidget()->objectName();
                QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(visited,
                 (QStringList{"RatedVoltage", "Star", "ThreePhases", "Hz50", "Poles", "NoLoadVoltage", "NoLoadCurrent",
                              "NoLoadPower", "NoLoadPowerKind", "LockedVoltage", "LockedCurrent", "LockedPower",
                              "LockedPowerKind", "PerPhase", "Resistance", "ResistanceFactor"}));
    }

    // "neuvedeno" leaves the pole count out: computed for 2p = 8 and said so.
    void polesNotGivenAreSaid()
    {
        QString warnings, speed;
        MeasuredReadings typed;
        RunModal(MeasuredDlg, [&] {
            TypeStarMotor();
            MeasuredDlg->Poles->setCurrentIndex(MeasuredDlg->Poles->count() - 1);
            warnings = MeasuredDlg->Warnings->text();
            speed = MeasuredDlg->DerivedValues[6]->text();
            typed = MeasuredDlg->Readings();
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(MeasuredDlg->Poles->currentText(), QStringLiteral("neuvedeno"));
        QVERIFY2(warnings.startsWith(QStringLiteral("Počet pólů nezadán")), qPrintable(warnings));
        QCOMPARE(speed, QStringLiteral("750,0000"));
        QVERIFY(typed.poles.empty());
    }

    // The power factors and the pair R1, R2' a book prints give the motor the watts and R1 give:
    // cos φ0 = 350 / (3 · 200/√3 · 5), cos φk = 1700 / (3 · 100/√3 · 26), and R1 : R2' = 0,4 : 1,2.
    void bookFormsGiveTheSameRecord()
    {
        Konstrukce = TKonstrukce{};
        RunModal(MeasuredDlg, [] {
            TypeStarMotor();
            QTest::keyClick(MeasuredDlg->LockedPower, Qt::Key_Return);
        });
        const TKonstrukce watts = Konstrukce;
        Konstrukce = TKonstrukce{};
        QString caption, pairWarning;
        const int result = RunModal(MeasuredDlg, [&] {
            TypeStarMotor();
            MeasuredDlg->NoLoadPowerKind->setCurrentIndex(1);
            MeasuredDlg->NoLoadPower->setText(QStringLiteral("0,202072594216369"));
            MeasuredDlg->LockedPowerKind->setCurrentIndex(1);
            MeasuredDlg->LockedPower->setText(QStringLiteral("0,377498252931678"));
            MeasuredDlg->Pair->setChecked(true);
            MeasuredDlg->RotorResistance->setText(QStringLiteral("1,2"));
            const auto labels = MeasuredDlg->findChildren<QLabel*>();
            for (const QLabel* l : labels)
                if (l->buddy() == MeasuredDlg->NoLoadPower)
                    caption = l->text();
            pairWarning = MeasuredDlg->Warnings->text();
            QTest::keyClick(MeasuredDlg->LockedPower, Qt::Key_Return);
        });
        QCOMPARE(result, int(ModalDialog::mrOk));
        QCOMPARE(caption, QStringLiteral("Účiník cos φ0"));
        QVERIFY2(pairWarning.startsWith(QStringLiteral("Součet R1")), qPrintable(pairWarning));
        QVERIFY(std::fabs(Konstrukce.UcNapr / watts.UcNapr - 1) < 1e-14L);
        QVERIFY(std::fabs(Konstrukce.UcNakr / watts.UcNakr - 1) < 1e-14L);
        // Rf = 200/√3 / 52 · 0,3775 = 0,8383 Ω; R1f = Rf · 0,4 / 1,6.
        QVERIFY(std::fabs(Konstrukce.R1f / (Konstrukce.Rf * 0.25L) - 1) < 1e-14L);
        MeasuredReadings kept;
        RunModal(MeasuredDlg, [&] {
            kept = MeasuredDlg->Readings();
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(QString::fromStdString(kept.pf0), QStringLiteral("0,202072594216369"));
        QVERIFY(kept.p0.empty());
        QCOMPARE(QString::fromStdString(kept.r1kind), QStringLiteral("pair"));
        MeasuredDlg->NoLoadPowerKind->setCurrentIndex(0);
        MeasuredDlg->LockedPowerKind->setCurrentIndex(0);
        MeasuredDlg->PerPhase->setChecked(true);
    }

    // Every text fits its label with the font half as large again.
    void textsFitInALargerFont()
    {
        const QFont before = MeasuredDlg->font();
        QStringList clipped;
        RunModal(MeasuredDlg, [&] {
            MeasuredDlg->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 17));
            QTest::qWait(50);
            for (const QLabel* label : MeasuredDlg->findChildren<QLabel*>()) {
                const QRect where(label->mapTo(MeasuredDlg, QPoint()), label->size());
                if (label->width() < label->sizeHint().width() || !MeasuredDlg->rect().contains(where))
                    clipped << label->text();
            }
            MeasuredDlg->setFont(before);
            QTest::keyClick(MeasuredDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(clipped, QStringList{});
    }
};

ORBITEK_WINDOW_TEST_MAIN(MeasuredDialogTest)
#include "MeasuredDialogTest.moc"
