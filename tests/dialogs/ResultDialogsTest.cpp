// The whole job through the real windows: F2, Enter, then the coordinates and the torque table.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolTip>

#include "AutPrava.h"
#include "Controls.h"
#include "DialogTestSupport.h"
#include "Fonts.h"
#include "HintTracker.h"
#include "Info.h"
#include "Moment.h"
#include "NumText.h"
#include "SourBod.h"
#include "StringGrid.h"
#include "WindowTestMain.h"
#include "Zadani.h"

namespace {

struct CellProbe {
    QString grid; // "Tabulka2", "Tabulka3" or "TabulkaM01"
    int col;
    int row;
};

StringGrid* GridNamed(const QString& name)
{
    if (name == "Tabulka2")
        return SouradniceDlg->Tabulka2;
    if (name == "Tabulka3")
        return SouradniceDlg->Tabulka3;
    return Tabulka1->TabulkaM01;
}

ModalDialog* DialogOf(const QString& grid)
{
    return grid == "TabulkaM01" ? static_cast<ModalDialog*>(Tabulka1) : SouradniceDlg;
}

QPushButton* ButtonOf(const QString& grid)
{
    return grid == "TabulkaM01" ? Tabulka1->TlacitkoOK : SouradniceDlg->TlacitkoOK;
}

// Reads one cell of a result dialog as a showing of it displays it.
QString ShownCell(const QString& grid, int col, int row)
{
    QString text;
    RunModal(DialogOf(grid), [&] {
        text = GridNamed(grid)->Cell(col, row);
        ButtonOf(grid)->click();
    });
    return text;
}

// F2 in the main window, then Enter in the input dialog: the default calculation.
void ComputeDefaultsFromTheKeyboard()
{
    // Keys go to the active window; a transient dialog's focus would otherwise count as the main window's.
    MainForm->activateWindow();
    QTRY_VERIFY(QApplication::activeWindow() == MainForm);
    QTimer::singleShot(0, ZadaniDlg, [] {
        WaitUntil([] { return QApplication::activeModalWidget() == ZadaniDlg; });
        QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(MainForm, Qt::Key_F2);
}

} // namespace

class ResultDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        StartProgram();
        DecimalSeparator = U',';
        ThousandSeparator = U'\u00A0';
    }
    void cleanupTestCase() { DestroyWindows(); }

    void cells_data()
    {
        QTest::addColumn<bool>("computed");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");
        // Before any calculation (the first rows) every value is zero, the slips are there.
        QTest::newRow("zero: Ao.x") << false << "Tabulka2" << 1 << 1 << "0,0000";
        QTest::newRow("zero: Rf") << false << "Tabulka3" << 1 << 3 << "0,0000";
        QTest::newRow("zero: synchronous speed") << false << "TabulkaM01" << 1 << 2 << "0.000";
        QTest::newRow("zero: torque at slip 0") << false << "TabulkaM01" << 2 << 2 << "0";
        QTest::newRow("zero: slip 0.25") << false << "TabulkaM01" << 0 << 7 << "0.25";
        QTest::newRow("zero: torque at slip 1") << false << "TabulkaM01" << 2 << 22 << "0.000";
        QTest::newRow("Ao.x") << true << "Tabulka2" << 1 << 1 << "14,9090";
        QTest::newRow("Ao.y") << true << "Tabulka2" << 2 << 1 << "1,6500";
        QTest::newRow("centre's y is Ao.y") << true << "Tabulka2" << 2 << 6 << "1,6500";
        QTest::newRow("power-line length") << true << "Tabulka3" << 1 << 4 << "162,7905";
        QTest::newRow("unit of a length") << true << "Tabulka3" << 2 << 4 << "mm";
        QTest::newRow("slip 0, speed") << true << "TabulkaM01" << 1 << 2 << "78.540";
        QTest::newRow("slip 0.25, speed") << true << "TabulkaM01" << 1 << 7 << "58.905";
        QTest::newRow("slip 0.25, torque") << true << "TabulkaM01" << 2 << 7 << "603.933";
        QTest::newRow("slip 1, speed") << true << "TabulkaM01" << 1 << 22 << "0.000";
        QTest::newRow("slip 1, torque") << true << "TabulkaM01" << 2 << 22 << "310.686";
        QTest::newRow("slip 1") << true << "TabulkaM01" << 0 << 22 << "1.00";
    }
    void cells()
    {
        QFETCH(bool, computed);
        QFETCH(QString, grid);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QString, expected);
        if (computed && Konstrukce.OmegaSynchr == 0) {
            ComputeDefaultsFromTheKeyboard();
            QCOMPARE(Konstrukce.SynchrOtacky, 750.0L);
        }
        QCOMPARE(ShownCell(grid, col, row), expected);
    }

    // Separators are read when a showing starts, not when the dialog was made.
    void groupingFollowsTheSeparators()
    {
        DecimalSeparator = U'.';
        ThousandSeparator = U',';
        const QString length = ShownCell("Tabulka3", 1, 4);
        DecimalSeparator = U',';
        ThousandSeparator = U'\u00A0';
        QCOMPARE(length, QStringLiteral("162.7905"));
    }

    void coordinatesGridHasTheFocusFirst()
    {
        QWidget* focused = nullptr;
        RunModal(SouradniceDlg, [&] {
            focused = SouradniceDlg->focusWidget();
            SouradniceDlg->TlacitkoOK->click();
        });
        QCOMPARE(focused, static_cast<QWidget*>(SouradniceDlg->Tabulka2));
    }

    void escDoesNotCloseAResultDialog()
    {
        bool openAfterEsc = false;
        const int result = RunModal(Tabulka1, [&] {
            QTest::keyClick(Tabulka1->focusWidget(), Qt::Key_Escape);
            QTest::qWait(20);
            openAfterEsc = Tabulka1->isVisible() && Tabulka1->ModalResult() == ModalDialog::mrNone;
            QTest::keyClick(Tabulka1->focusWidget(), Qt::Key_Return);
        });
        QVERIFY(openAfterEsc);
        QCOMPARE(result, int(ModalDialog::mrOk));
    }

    // Ctrl+C copies the dialog's tables, one after the other, wherever the focus is in the dialog.
    void ctrlCCopiesTheTables_data()
    {
        QTest::addColumn<QWidget*>("focus");
        QTest::addColumn<QStringList>("expected"); // line number, then its text
        QTest::addColumn<int>("lines");
        const QStringList torque{"0", "Skluz\tOmega\tMoment", "22", "1.00\t0.000\t310.686"};
        const QStringList coordinates{
            "0", "\tX\tY",           "1",  "Bod naprázdno Ao\t14,9090\t1,6500",        "8", "",
            "9", "\tHodnota\tJedn.", "15", "Poloměr kružnice (pomocí Ak)\t90,4276\tmm"};
        // Each row ends with a line break; an empty line stands between two tables.
        QTest::newRow("torque dialog, button") << static_cast<QWidget*>(Tabulka1->TlacitkoOK) << torque << 24;
        QTest::newRow("coordinates dialog, button")
            << static_cast<QWidget*>(SouradniceDlg->TlacitkoOK) << coordinates << 17;
        QTest::newRow("coordinates dialog, values grid")
            << static_cast<QWidget*>(SouradniceDlg->Tabulka3) << coordinates << 17;
    }
    void ctrlCCopiesTheTables()
    {
        QFETCH(QWidget*, focus);
        QFETCH(QStringList, expected);
        QFETCH(int, lines);
        auto* dialog = static_cast<ModalDialog*>(focus->window());
        QWidget* focusBefore = dialog->focusWidget(); // the focus carries over to later showings
        QString copied;
        RunModal(dialog, [&] {
            focus->setFocus();
            QApplication::clipboard()->clear();
            QTest::keyClick(dialog->focusWidget(), Qt::Key_C, Qt::ControlModifier);
            copied = QApplication::clipboard()->text();
            dialog->SetModalResult(ModalDialog::mrOk);
        });
        if (focusBefore)
            focusBefore->setFocus();
        const QStringList copiedLines = copied.split(QLatin1Char('\n'));
        QCOMPARE(copiedLines.size(), lines);
        for (int i = 0; i + 1 < expected.size(); i += 2)
            QCOMPARE(copiedLines.at(expected[i].toInt()), expected[i + 1]);
    }

    // A value clipped to its first digits reads as another number: whatever the separators and the
    // window's scale, the widest value of an accepted motor and the units show whole.
    void widestValuesShowWhole_data()
    {
        QTest::addColumn<QString>("separators"); // decimal, then thousands
        QTest::addColumn<int>("fontHeight");     // the dialog font's: 11 is the design's
        QTest::newRow("Czech") << QStringLiteral(",\u00A0") << 11;
        QTest::newRow("C") << QStringLiteral(".,") << 11;
        QTest::newRow("German") << QStringLiteral(",.") << 11;
        QTest::newRow("Swiss") << QStringLiteral(".\u2019") << 11;
        QTest::newRow("Czech, scaled by about 1.5") << QStringLiteral(",\u00A0") << 17;
    }
    void widestValuesShowWhole()
    {
        QFETCH(QString, separators);
        QFETCH(int, fontHeight);
        DecimalSeparator = separators.at(0).unicode();
        ThousandSeparator = separators.at(1).unicode();
        const TKonstrukce saved = Konstrukce;
        const long double widest = -888888.8888L;
        for (Point* p : {&Konstrukce.Ao, &Konstrukce.Ak, &Konstrukce.PrimkaVykonu, &Konstrukce.BodPomeru,
                         &Konstrukce.StredPrimky, &Konstrukce.AInf})
            *p = {widest, widest};
        for (long double* v : {&Konstrukce.StredKruznice.x, &Konstrukce.R1f, &Konstrukce.R21f, &Konstrukce.Rf,
                               &Konstrukce.DelkaPrimky, &Konstrukce.Polomer, &Konstrukce.PolomerPomociAk})
            *v = widest;
        SouradniceDlg->setFont(PixelFont(QStringLiteral("MS Sans Serif"), fontHeight));

        QStringList cut;
        QRect panel, coordinates, values, button, client;
        RunModal(SouradniceDlg, [&] {
            for (const StringGrid* grid : {SouradniceDlg->Tabulka2, SouradniceDlg->Tabulka3})
                for (int r = 0; r < grid->RowCount(); ++r)
                    for (int c = 0; c < grid->ColCount(); ++c)
                        if (!grid->TextFits(c, grid->Cell(c, r)))
                            cut << grid->Cell(c, r);
            panel = SouradniceDlg->Panel2->geometry();
            coordinates = SouradniceDlg->Tabulka2->geometry();
            values = SouradniceDlg->Tabulka3->geometry();
            button = SouradniceDlg->TlacitkoOK->geometry();
            client = SouradniceDlg->rect();
            SouradniceDlg->TlacitkoOK->click();
        });
        SouradniceDlg->setFont(DialogFont());
        Konstrukce = saved;
        DecimalSeparator = U',';
        ThousandSeparator = U'\u00A0';

        QCOMPARE(cut, QStringList{});
        // The grids side by side on the panel, the panel and the button in the window.
        QVERIFY(coordinates.right() < values.left());
        QVERIFY(QRect(QPoint(0, 0), panel.size()).contains(values));
        QVERIFY(client.contains(panel));
        QVERIFY(client.contains(button));
        QVERIFY(qAbs(button.center().x() - client.center().x()) <= 1);
    }

    // Substituted faces are a little wider than the ones the windows were laid out for.
    void noTextIsClipped_data()
    {
        QTest::addColumn<QWidget*>("window");
        QTest::newRow("input dialog") << static_cast<QWidget*>(ZadaniDlg);
        QTest::newRow("coordinates dialog") << static_cast<QWidget*>(SouradniceDlg);
        QTest::newRow("torque dialog") << static_cast<QWidget*>(Tabulka1);
        QTest::newRow("about box") << static_cast<QWidget*>(AboutBox);
        QTest::newRow("terms of use") << static_cast<QWidget*>(LicPodm);
    }
    void noTextIsClipped()
    {
        QFETCH(QWidget*, window);
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            const QRect g = label->geometry();
            const QString what = label->text();
            QVERIFY2(label->parentWidget()->rect().contains(g), qPrintable(what + " sticks out"));
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(g.width()) <= g.height(), qPrintable(what + " is cut off"));
            else
                QVERIFY2(label->fontMetrics().horizontalAdvance(what) <= g.width(), qPrintable(what + " is cut off"));
        }
        for (StringGrid* grid : window->findChildren<StringGrid*>())
            for (int r = 0; r < grid->RowCount(); ++r)
                for (int c = 0; c < grid->ColCount(); ++c) {
                    const int room = grid->CellRect(c, r).width() - StringGrid::TextInset;
                    QVERIFY2(grid->fontMetrics().horizontalAdvance(grid->Cell(c, r)) <= room,
                             qPrintable(grid->Cell(c, r) + " is cut off"));
                }
    }

    void hintUnderThePointerReachesTheStatusLine_data()
    {
        QTest::addColumn<QWidget*>("target");
        QTest::addColumn<QString>("hint");
        QTest::newRow("disabled torque grid")
            << static_cast<QWidget*>(Tabulka1->TabulkaM01) << "Tabulka vypočtených hodnot";
        QTest::newRow("radio item: its group's hint")
            << static_cast<QWidget*>(ZadaniDlg->SynchrOtackyItems[7]) << "Vyber synchronní otáčky motoru";
        QTest::newRow("edit box") << static_cast<QWidget*>(ZadaniDlg->XPrNakr) << "Zadej proud nakrátko";
        QTest::newRow("label: nothing") << static_cast<QWidget*>(ZadaniDlg->Label1) << "";
        QTest::newRow("about icon") << static_cast<QWidget*>(AboutBox->ProgramIcon) << "Ikona Kalmira pro Windows 95";
    }
    void hintUnderThePointerReachesTheStatusLine()
    {
        QFETCH(QWidget*, target);
        QFETCH(QString, hint);
        auto* dialog = static_cast<ModalDialog*>(target->window());
        QString shown = QStringLiteral("(not reached)");
        RunModal(dialog, [&] {
            HintTracker::Instance().SetHint(QStringLiteral("(stale)"));
            QCursor::setPos(target->mapToGlobal(target->rect().center()));
            HintTracker::Instance().IdleStep();
            shown = MainForm->StavovaRadka->currentMessage();
            dialog->SetModalResult(ModalDialog::mrCancel);
        });
        QCOMPARE(shown, hint);
    }

    void iconTipOpensAfterARestAndCloses()
    {
        bool earlyTip = true, tipShown = false, tipGone = false;
        QString text;
        RunModal(AboutBox, [&] {
            HintedImage* icon = AboutBox->ProgramIcon;
            QCursor::setPos(icon->mapToGlobal(icon->rect().center()));
            QEnterEvent enter(icon->rect().center(), icon->rect().center(), QCursor::pos());
            QApplication::sendEvent(icon, &enter);
            QTest::qWait(HintedImage::ShowDelayMs / 2);
            earlyTip = QToolTip::isVisible();
            tipShown = QTest::qWaitFor([] { return QToolTip::isVisible(); }, HintedImage::ShowDelayMs);
            text = QToolTip::text();
            tipGone = QTest::qWaitFor([] { return !QToolTip::isVisible(); }, HintedImage::ShowTimeMs + 1000);
            AboutBox->TlacitkoOK->click();
        });
        QVERIFY2(!earlyTip, "the tip opened before the pointer had rested");
        QVERIFY(tipShown);
        QCOMPARE(text, QStringLiteral("Ikona Kalmira pro Windows 95"));
        QVERIFY2(tipGone, "the tip stayed open");
    }

    void versionIsNavyOnTheButtonFace()
    {
        QImage image;
        RunModal(AboutBox, [&] {
            image = AboutBox->Version->grab().toImage();
            AboutBox->TlacitkoOK->click();
        });
        QColor darkest = Qt::white;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y).lightness() < darkest.lightness())
                    darkest = image.pixelColor(x, y);
        QCOMPARE(image.pixelColor(0, 0), AboutBox->palette().color(QPalette::Active, QPalette::Button));
        QVERIFY2(darkest.blue() >= 100 && darkest.red() < 40 && darkest.green() < 40, qPrintable(darkest.name()));
    }

    // The about box shows the program's drawing at 32 × 32, the same picture as the window icon.
    void aboutPictureIsTheWindowIcon()
    {
        QCOMPARE(AboutBox->ProgramIcon->size(), QSize(32, 32));
        const QImage shown = AboutBox->ProgramIcon->pixmap().toImage();
        QCOMPARE(shown, MainForm->windowIcon().pixmap(32).toImage());
        int opaque = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                opaque += qAlpha(shown.pixel(x, y)) == 255;
        QVERIFY2(opaque > shown.width() * shown.height() / 2, "the drawing did not load");
    }

    void conditionsAreNumberedWithTwoBlanks()
    {
        for (int i = 0; i < TLicPodm::ConditionCount; ++i)
            QVERIFY(LicPodm->Conditions[i]->text().startsWith(QString::number(i + 1) + QStringLiteral(")  ")));
    }
};

ORBITEK_WINDOW_TEST_MAIN(ResultDialogsTest)
#include "ResultDialogsTest.moc"
