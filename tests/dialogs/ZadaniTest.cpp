// The input dialog: defaults, layout, tab order, Storno, and rejected input kept for correction.
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>

#include "DialogTestSupport.h"
#include "Fonts.h"
#include "NumText.h"
#include "WindowTestMain.h"
#include "Zadani.h"

namespace {

QString Name(const QWidget* w)
{
    const TZadaniDlg* d = ZadaniDlg;
    const std::pair<const QWidget*, const char*> names[] = {
        {d->OKBtn, "OKBtn"},
        {d->CancelBtn, "CancelBtn"},
        {d->XPrNapr, "XPrNapr"},
        {d->XUcNapr, "XUcNapr"},
        {d->XPrNakr, "XPrNakr"},
        {d->XUcNakr, "XUcNakr"},
        {d->XFazoveNapeti, "XFazoveNapeti"},
        {d->XR1f, "XR1f"},
    };
    for (const auto& [widget, name] : names)
        if (widget == w)
            return QString::fromLatin1(name);
    if (w && w->parentWidget() == d->XSpotrebic)
        return QStringLiteral("XSpotrebic");
    if (w && w->parentWidget() == d->XSynchrOtacky)
        return QStringLiteral("XSynchrOtacky");
    return w ? w->metaObject()->className() : QStringLiteral("nothing");
}

// The edit boxes by name, in the order acceptance reads them.
QLineEdit* Edit(const QString& name)
{
    const TZadaniDlg* d = ZadaniDlg;
    if (name == "XPrNapr")
        return d->XPrNapr;
    if (name == "XUcNapr")
        return d->XUcNapr;
    if (name == "XPrNakr")
        return d->XPrNakr;
    if (name == "XUcNakr")
        return d->XUcNakr;
    if (name == "XFazoveNapeti")
        return d->XFazoveNapeti;
    if (name == "XR1f")
        return d->XR1f;
    return nullptr;
}

bool SameRecord(const TKonstrukce& a, const TKonstrukce& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class ZadaniTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { StartProgram(); }
    void cleanupTestCase() { DestroyWindows(); }
    void init()
    {
        DecimalSeparator = U',';
        ThousandSeparator = U'\u00A0';
        Konstrukce = TKonstrukce{};
    }

    // First of all showings: nothing has moved the focus yet.
    void focusStartsOnOkAndIsKeptBetweenShowings()
    {
        QString first, second;
        RunModal(ZadaniDlg, [&] {
            first = Name(ZadaniDlg->focusWidget());
            ZadaniDlg->XFazoveNapeti->setFocus();
            QTest::keyClick(ZadaniDlg->XFazoveNapeti, Qt::Key_Escape);
        });
        RunModal(ZadaniDlg, [&] {
            second = Name(ZadaniDlg->focusWidget());
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(first, QStringLiteral("OKBtn"));
        QCOMPARE(second, QStringLiteral("XFazoveNapeti"));
    }

    void radioLayout_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QSize>("group");
        QTest::addColumn<QRect>("expected");
        const QSize phases(89, 49), speeds(225, 97);
        QTest::newRow("phases, first") << 0 << 2 << 1 << phases << QRect(8, 14, 79, 15);
        QTest::newRow("phases, second") << 1 << 2 << 1 << phases << QRect(8, 29, 79, 15);
        QTest::newRow("speeds, top left") << 0 << 10 << 2 << speeds << QRect(8, 16, 107, 15);
        QTest::newRow("speeds, bottom left") << 4 << 10 << 2 << speeds << QRect(8, 76, 107, 15);
        QTest::newRow("speeds, top right") << 5 << 10 << 2 << speeds << QRect(115, 16, 107, 15);
        QTest::newRow("speeds, bottom right") << 9 << 10 << 2 << speeds << QRect(115, 76, 107, 15);
        QTest::newRow("odd count fills left first") << 2 << 3 << 2 << QSize(110, 60) << QRect(58, 14, 50, 21);
    }
    void radioLayout()
    {
        QFETCH(int, k);
        QFETCH(int, n);
        QFETCH(int, columns);
        QFETCH(QSize, group);
        QFETCH(QRect, expected);
        QCOMPARE(RadioItemRect(k, n, columns, group, 13), expected);
    }

    void radioButtonsStandWhereTheLayoutPutsThem()
    {
        const double scale = DesignScale(ZadaniDlg->font());
        auto scaled = [scale](QRect r) {
            return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
                         qRound(r.height() * scale));
        };
        QCOMPARE(ZadaniDlg->SynchrOtackyItems[5]->text(), QStringLiteral("2p=12  »  500"));
        QCOMPARE(ZadaniDlg->SynchrOtackyItems[5]->geometry(), scaled(QRect(115, 16, 107, 15)));
        QCOMPARE(ZadaniDlg->SpotrebicItems[1]->geometry(), scaled(QRect(8, 29, 79, 15)));
    }

    // The title stands on the frame and the items inside it: the frame's top line, found in the
    // picture right of the title, lies above the group's first item.
    void groupFrameRunsAboveTheItems_data()
    {
        QTest::addColumn<QWidget*>("group");
        QTest::addColumn<QWidget*>("firstItem");
        QTest::newRow("phases") << static_cast<QWidget*>(ZadaniDlg->XSpotrebic)
                                << static_cast<QWidget*>(ZadaniDlg->SpotrebicItems[0]);
        QTest::newRow("speeds") << static_cast<QWidget*>(ZadaniDlg->XSynchrOtacky)
                                << static_cast<QWidget*>(ZadaniDlg->SynchrOtackyItems[0]);
    }
    void groupFrameRunsAboveTheItems()
    {
        QFETCH(QWidget*, group);
        QFETCH(QWidget*, firstItem);
        QImage image;
        RunModal(ZadaniDlg, [&] {
            image = ZadaniDlg->grab().toImage();
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        const QColor background = ZadaniDlg->palette().color(QPalette::Active, QPalette::Window);
        const QPoint topRight = group->mapTo(ZadaniDlg, QPoint(group->width() - 4, 0));
        int line = -1;
        for (int y = 0; y < group->height() && line < 0; ++y)
            if (image.pixelColor(topRight.x(), topRight.y() + y) != background)
                line = y;
        QVERIFY2(line >= 0, "no frame line");
        QVERIFY2(line < firstItem->y(),
                 qPrintable(QStringLiteral("frame at %1, first item at %2").arg(line).arg(firstItem->y())));
    }

    void defaultsFollowTheSeparator_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("texts"); // XPrNapr, XUcNapr, XPrNakr, XUcNakr, XFazoveNapeti, XR1f
        QTest::newRow("comma") << "," << QStringList{"15", "0,11", "177", "0,41", "220", "0,25"};
        QTest::newRow("full stop") << "." << QStringList{"15", "0.11", "177", "0.41", "220", "0.25"};
        QTest::newRow("arabic separator")
            << QString(QChar(0x066B))
            << QStringList{"15",  QString("0") + QChar(0x066B) + "11", "177", QString("0") + QChar(0x066B) + "41",
                           "220", QString("0") + QChar(0x066B) + "25"};
    }
    void defaultsFollowTheSeparator()
    {
        QFETCH(QString, separator);
        QFETCH(QStringList, texts);
        DecimalSeparator = separator.at(0).unicode();
        QStringList shown;
        int phaseIndex = -1, speedIndex = -1;
        RunModal(ZadaniDlg, [&] {
            for (const char* name : {"XPrNapr", "XUcNapr", "XPrNakr", "XUcNakr", "XFazoveNapeti", "XR1f"})
                shown << Edit(name)->text();
            phaseIndex = ZadaniDlg->SpotrebicIndex();
            speedIndex = ZadaniDlg->SynchrOtackyIndex();
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(shown, texts);
        QCOMPARE(phaseIndex, 1);
        QCOMPARE(speedIndex, 3);
    }

    // The defaults must be accepted as they stand, whatever the separator.
    void defaultsAreAccepted_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("comma") << ",";
        QTest::newRow("full stop") << ".";
    }
    void defaultsAreAccepted()
    {
        QFETCH(QString, separator);
        DecimalSeparator = separator.at(0).unicode();
        BoxAnswerer boxes(ZadaniDlg);
        const int result = RunModal(ZadaniDlg, [] { QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Return); });
        QCOMPARE(result, int(ModalDialog::mrOk));
        QCOMPARE(boxes.texts, QStringList{});
        QCOMPARE(Konstrukce.SynchrOtacky, 750.0L);
        QVERIFY(Konstrukce.OmegaSynchr > 78.5L && Konstrukce.OmegaSynchr < 78.6L);
    }

    void leavingChangesNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Esc") << false;
        QTest::newRow("close box") << true;
    }
    void leavingChangesNothing()
    {
        QFETCH(bool, closeBox);
        Konstrukce.PrNapr = 7;
        const TKonstrukce before = Konstrukce;
        const int result = RunModal(ZadaniDlg, [closeBox] {
            ZadaniDlg->XPrNapr->setText(QStringLiteral("20"));
            ZadaniDlg->SetSynchrOtackyIndex(0);
            if (closeBox)
                ZadaniDlg->close();
            else
                QTest::keyClick(ZadaniDlg->XPrNapr, Qt::Key_Escape);
        });
        QCOMPARE(result, int(ModalDialog::mrCancel));
        QVERIFY(SameRecord(Konstrukce, before));
    }

    void rejectedInputStaysForCorrection_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("no-load current too small") << "XPrNapr"
                                                   << "0,999"
                                                   << "Chybné zadání proudu naprázdno.";
        QTest::newRow("short-circuit current equal to no-load") << "XPrNakr"
                                                                << "15"
                                                                << "Chybné zadání proudu nakrátko.";
        QTest::newRow("voltage too low") << "XFazoveNapeti"
                                         << "9,99"
                                         << "Chybné zadání fázového napětí.";
        QTest::newRow("R1f above Rf") << "XR1f"
                                      << "0,6"
                                      << "R1f ? R21f ? Rf ?";
        QTest::newRow("not a number") << "XUcNakr"
                                      << "0,4x"
                                      << "'0,4x' is not a valid floating point value.";
        QTest::newRow("empty text") << "XUcNapr"
                                    << ""
                                    << "'' is not a valid floating point value.";
    }
    void rejectedInputStaysForCorrection()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const TKonstrukce before = Konstrukce;
        BoxAnswerer boxes(ZadaniDlg);
        bool stillOpen = false;
        QString kept, focused, selected, otherKept;
        int speedIndex = -1;
        const int result = RunModal(ZadaniDlg, [&] {
            Edit(field)->setText(typed);
            ZadaniDlg->XFazoveNapeti->setText(field == "XFazoveNapeti" ? typed : QStringLiteral("221"));
            ZadaniDlg->SetSynchrOtackyIndex(7);
            QTest::keyClick(ZadaniDlg->OKBtn, Qt::Key_Return);
            QTest::qWait(50);
            stillOpen = ZadaniDlg->isVisible() && ZadaniDlg->ModalResult() == ModalDialog::mrNone;
            kept = Edit(field)->text();
            otherKept = ZadaniDlg->XFazoveNapeti->text();
            WaitUntil([&] { return ZadaniDlg->focusWidget() == Edit(field); });
            focused = Name(ZadaniDlg->focusWidget());
            selected = Edit(field)->selectedText();
            speedIndex = ZadaniDlg->SynchrOtackyIndex();
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(boxes.texts, QStringList{message});
        QVERIFY2(stillOpen, "the dialog closed on a rejected value");
        QCOMPARE(kept, typed);
        QCOMPARE(otherKept, field == "XFazoveNapeti" ? typed : QStringLiteral("221"));
        QCOMPARE(focused, field);
        QCOMPARE(selected, typed);
        QCOMPARE(speedIndex, 7);
        QCOMPARE(result, int(ModalDialog::mrCancel));
        QVERIFY(SameRecord(Konstrukce, before));
    }

    void correctedInputIsAccepted()
    {
        BoxAnswerer boxes(ZadaniDlg);
        const int result = RunModal(ZadaniDlg, [] {
            ZadaniDlg->XR1f->setText(QStringLiteral("0,51"));
            QTest::keyClick(ZadaniDlg->OKBtn, Qt::Key_Return);
            WaitUntil([] { return ZadaniDlg->focusWidget() == ZadaniDlg->XR1f; });
            QTest::keyClicks(ZadaniDlg->XR1f, QStringLiteral("0,25")); // replaces the selected text
            QTest::keyClick(ZadaniDlg->XR1f, Qt::Key_Return);
        });
        QCOMPARE(result, int(ModalDialog::mrOk));
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(Konstrukce.R1f, 0.25L);
        QVERIFY(Konstrukce.Polomer > 0);
    }

    void eachShowingStartsFromTheDefaults()
    {
        RunModal(ZadaniDlg, [] {
            ZadaniDlg->XPrNapr->setText(QStringLiteral("30"));
            ZadaniDlg->SetSpotrebicIndex(0);
            QTest::keyClick(ZadaniDlg->OKBtn, Qt::Key_Return);
        });
        QCOMPARE(Konstrukce.PrNapr, 30.0L);
        QString text;
        int phaseIndex = -1;
        RunModal(ZadaniDlg, [&] {
            text = ZadaniDlg->XPrNapr->text();
            phaseIndex = ZadaniDlg->SpotrebicIndex();
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(text, QStringLiteral("15"));
        QCOMPARE(phaseIndex, 1);
    }

    void tabOrder()
    {
        QStringList visited;
        RunModal(ZadaniDlg, [&] {
            ZadaniDlg->OKBtn->setFocus();
            for (int i = 0; i < 11; ++i) {
                visited << Name(ZadaniDlg->focusWidget());
                QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Tab);
            }
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        // A radio group is one stop, at its selected item.
        QCOMPARE(visited,
                 (QStringList{"OKBtn", "CancelBtn", "XPrNapr", "XUcNapr", "XUcNakr", "XSpotrebic", "XFazoveNapeti",
                              "XSynchrOtacky", "XR1f", "XPrNakr", "OKBtn"}));
    }

    void arrowsSelectWithinARadioGroup()
    {
        int selected = -1, wrapped = -1;
        QString focused;
        RunModal(ZadaniDlg, [&] {
            ZadaniDlg->SynchrOtackyItems[3]->setFocus();
            QTest::keyClick(ZadaniDlg->SynchrOtackyItems[3], Qt::Key_Down);
            selected = ZadaniDlg->SynchrOtackyIndex();
            ZadaniDlg->SynchrOtackyItems[0]->setFocus();
            QTest::keyClick(ZadaniDlg->SynchrOtackyItems[0], Qt::Key_Up);
            wrapped = ZadaniDlg->SynchrOtackyIndex();
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Tab);
            focused = Name(ZadaniDlg->focusWidget());
            QTest::keyClick(ZadaniDlg->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(selected, 4);
        QCOMPARE(wrapped, 9);
        QCOMPARE(focused, QStringLiteral("XR1f"));
    }
};

ORBITEK_WINDOW_TEST_MAIN(ZadaniTest)
#include "ZadaniTest.moc"
