// The main window: menus, shortcuts, the popup menu and the status-line hints.
#include "ErrorDisplay.h"
#include "HintTracker.h"
#include "Main.h"
#include "MeasuredDialog.h"
#include "ModalDialog.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QtTest>

namespace {

// Counts the showings of a window.
class ShowCounter : public QObject {
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// A dialog with hinted controls of every kind the status line has to find.
class HintDialog : public ModalDialog {
public:
    HintDialog()
    {
        edit = new QLineEdit(this);
        edit->setGeometry(10, 10, 100, 21);
        edit->setStatusTip(QStringLiteral("Napětí"));
        group = new QGroupBox(QStringLiteral("Počet fází"), this);
        group->setGeometry(10, 40, 120, 60);
        group->setStatusTip(QStringLiteral("Počet fází motoru"));
        radio = new QRadioButton(QStringLiteral("1"), group);
        radio->setGeometry(8, 20, 80, 15);
        disabled = new QLineEdit(this);
        disabled->setGeometry(140, 10, 100, 21);
        disabled->setStatusTip(QStringLiteral("Nedostupné"));
        disabled->setEnabled(false);
        SetDesignClientSize(260, 120);
    }
    QLineEdit* edit;
    QGroupBox* group;
    QRadioButton* radio;
    QLineEdit* disabled;
};

QString StatusText()
{
    return MainForm->StavovaRadka->currentMessage();
}

QPoint CentreOf(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp());
        QVERIFY(ZadaniDlg);
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
    }

    void cleanupTestCase() { DestroyWindows(); }

    // The design size where the screen has room for it; on a screen of fewer logical pixels (a display
    // scale of 200 % on a small screen, the run at that scale) never larger than its available area.
    void opensWithinTheScreen()
    {
        const QRect available = MainForm->screen()->availableGeometry();
        QCOMPARE(MainForm->OuterSizeOnScreen(), QSize(656, 448).boundedTo(available.size()));
        QVERIFY2(available.contains(MainForm->frameGeometry()),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(MainForm->frameGeometry().width())
                                .arg(MainForm->frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hint");
        const QString input = QStringLiteral("Zadání vstupních hodnot pro výpočet");
        const QString coords = QStringLiteral("Vypočtené souřadnice všech bodů které jsou potřeba pro konstrukci");
        const QString torque = QStringLiteral("Vypočtené hodnoty momentu pro jednotlivé skluzy od 0 do 1 (po 0,05)");
        QTest::newRow("Zadn1") << "Zadn1"
                               << "&XX"
                               << "";
        QTest::newRow("Konec1") << "Konec1"
                                << "&Konec\tAlt+K"
                                << "Ukončení programu";
        QTest::newRow("Vsledky1") << "Vsledky1"
                                  << "&Diagram"
                                  << "";
        QTest::newRow("Vstupnhodnoty1") << "Vstupnhodnoty1"
                                        << "&Vstupní hodnoty...\tF2" << input;
        QTest::newRow("Souradnice") << "Souradnice"
                                    << "&Souřadnice bodů pro konstrukci" << coords;
        QTest::newRow("Momentovka") << "Momentovka"
                                    << "&Momentová charakteristika" << torque;
        QTest::newRow("Npovda1") << "Npovda1"
                                 << "&Nápověda"
                                 << "";
        QTest::newRow("Licennujednn1") << "Licennujednn1"
                                       << "&Licenční ujednání"
                                       << "Podmínky pro používání tohoto programu";
        QTest::newRow("Copyright1") << "Copyright1"
                                    << "&Copyright"
                                    << "Informace o autorovi";
        QTest::newRow("Vstupnhodnoty3") << "Vstupnhodnoty3"
                                        << "&Vstupní hodnoty...\tF2" << input;
        QTest::newRow("Souadnicebodprokonstrukci1") << "Souadnicebodprokonstrukci1"
                                                    << "&Souřadnice bodů pro konstrukci" << coords;
        QTest::newRow("Momentovcharakteristika1") << "Momentovcharakteristika1"
                                                  << "&Momentová charakteristika" << torque;
        const QString measured = QStringLiteral("Zadání hodnot naměřených při zkouškách naprázdno a nakrátko");
        QTest::newRow("MeasuredInput") << "MeasuredInput"
                                       << "&Naměřené hodnoty...\tF3" << measured;
        QTest::newRow("MeasuredInputPopup") << "MeasuredInputPopup"
                                            << "&Naměřené hodnoty...\tF3" << measured;
        const QString edit = QStringLiteral("Úprava vstupních hodnot motoru, který je právě spočten");
        QTest::newRow("EditInput") << "EditInput"
                                   << "&Upravit zadání...\tShift+F2" << edit;
        QTest::newRow("EditInputPopup") << "EditInputPopup"
                                        << "&Upravit zadání...\tShift+F2" << edit;
        QTest::newRow("TorqueLineItem")
            << "TorqueLineItem"
            << "Momentová přímka od přímky naprázdno"
            << "Bod T dělí jen část pořadnice Ak nad přímkou naprázdno, jak momentovou přímku kreslí učebnice";
        QTest::newRow("CircuitItem") << "CircuitItem"
                                     << "Ná&hradní schéma"
                                     << "Náhradní schéma motoru ze stejných zkoušek: jeho kružnice proudu přes "
                                        "diagram a jeho hodnoty vedle hodnot kružnice";
        QTest::newRow("LoadTestItem")
            << "LoadTestItem"
            << "&Zatěžovací zkouška..."
            << "Body naměřené při zatěžovací zkoušce, porovnané s kružnicí a náhradním schématem";
    }

    void menuItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, text);
        QFETCH(QString, hint);
        const QMap<QString, QAction*> items{{"Zadn1", MainForm->Zadn1},
                                            {"Konec1", MainForm->Konec1},
                                            {"Vsledky1", MainForm->Vsledky1},
                                            {"Vstupnhodnoty1", MainForm->Vstupnhodnoty1},
                                            {"Souradnice", MainForm->Souradnice},
                                            {"Momentovka", MainForm->Momentovka},
                                            {"Npovda1", MainForm->Npovda1},
                                            {"Licennujednn1", MainForm->Licennujednn1},
                                            {"Copyright1", MainForm->Copyright1},
                                            {"Vstupnhodnoty3", MainForm->Vstupnhodnoty3},
                                            {"Souadnicebodprokonstrukci1", MainForm->Souadnicebodprokonstrukci1},
                                            {"Momentovcharakteristika1", MainForm->Momentovcharakteristika1},
                                            {"MeasuredInput", MainForm->MeasuredInput},
                                            {"MeasuredInputPopup", MainForm->MeasuredInputPopup},
                                            {"EditInput", MainForm->EditInput},
                                            {"EditInputPopup", MainForm->EditInputPopup},
                                            {"TorqueLineItem", MainForm->TorqueLineItem},
                                            {"CircuitItem", MainForm->CircuitItem},
                                            {"LoadTestItem", MainForm->LoadTestItem}};
        QAction* action = items.value(item);
        QVERIFY(action);
        // What the menu shows: the caption, then after a tab the shortcut text.
        QString shown = action->text();
        if (!action->shortcut().isEmpty())
            shown += u'\t' + action->shortcut().toString(QKeySequence::NativeText);
        QCOMPARE(shown, text);
        QCOMPARE(action->statusTip(), hint);
        QVERIFY(action->isEnabled() && action->isVisible());
        // The torque line and the circuit are the items with a check mark, unchecked at start.
        QCOMPARE(action->isCheckable(), item == "TorqueLineItem" || item == "CircuitItem");
        QVERIFY(!action->isChecked());
    }

    void menuOrderAndSeparators()
    {
        auto texts = [](const QList<QAction*>& actions) {
            QStringList list;
            for (QAction* a : actions)
                list << (a->isSeparator() ? QStringLiteral("-") : CaptionOf(a->text()));
            return list;
        };
        QCOMPARE(texts(MainForm->HlavniMenu->actions()), QStringList({"&XX", "&Diagram", "&Nápověda"}));
        const QStringList diagramItems{"&Vstupní hodnoty...",
                                       "&Naměřené hodnoty...",
                                       "&Upravit zadání...",
                                       "-",
                                       "&Souřadnice bodů pro konstrukci",
                                       "&Momentová charakteristika"};
        QCOMPARE(texts(MainForm->Vsledky1->menu()->actions()),
                 diagramItems +
                     QStringList(
                         {"-", "Momentová přímka od přímky naprázdno", "Ná&hradní schéma", "&Zatěžovací zkouška..."}));
        // No two items of the "Diagram" menu share an access key.
        QSet<QChar> keys;
        for (const QAction* a : MainForm->Vsledky1->menu()->actions())
            if (const qsizetype amp = a->text().indexOf(u'&'); amp >= 0)
                QVERIFY2(!std::exchange(keys, keys + QSet<QChar>{a->text()[amp + 1].toLower()})
                              .contains(a->text()[amp + 1].toLower()),
                         qPrintable(a->text()));
        QCOMPARE(texts(MainForm->Npovda1->menu()->actions()),
                 QStringList({"&Licenční ujednání", "-", "&Copyright", "-", "Jazyk / Language"}));
        QCOMPARE(texts(MainForm->LanguageMenu->actions()), QStringList({"Čeština", "English"}));
        QCOMPARE(texts(MainForm->PodMenu1->actions()), diagramItems);
    }

    void windowLooks()
    {
        QCOMPARE(MainForm->windowTitle(), QStringLiteral("Orbitek asynchronního motoru"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Orbitek pro Windows 95/NT"));
        QVERIFY(!MainForm->windowIcon().isNull());
        QCOMPARE(MainForm->StavovaRadka->height(), 20);
        QVERIFY(!MainForm->StavovaRadka->isSizeGripEnabled());
    }

    void shortcutOpensItsDialogOnceAndNoShortcutActsWhileItIsOpen_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QWidget*>("dialog");
        QTest::newRow("F2, input values") << int(Qt::Key_F2) << static_cast<QWidget*>(ZadaniDlg);
        QTest::newRow("F3, measured values") << int(Qt::Key_F3) << static_cast<QWidget*>(MeasuredDlg);
        // With no motor computed yet there is nothing to edit: the input values.
        QTest::newRow("Shift+F2, edit") << QKeySequence(Qt::SHIFT | Qt::Key_F2)[0].toCombined()
                                        << static_cast<QWidget*>(ZadaniDlg);
    }
    void shortcutOpensItsDialogOnceAndNoShortcutActsWhileItIsOpen()
    {
        QFETCH(int, key);
        QFETCH(QWidget*, dialog);
        ShowCounter counter;
        dialog->installEventFilter(&counter);
        bool mainStillOpen = false;
        Later(dialog, 20, [&] {
            QWidget* open = QApplication::activeModalWidget();
            QCOMPARE(open, dialog);
            for (const Qt::Key k : {Qt::Key_F2, Qt::Key_F3}) {
                QTest::keyClick(open, k);
                QTest::keyClick(MainForm, k);
                QTest::keyClick(MainForm, k, Qt::ShiftModifier);
            }
            QTest::keyClick(open, Qt::Key_K, Qt::AltModifier);
            QTest::keyClick(MainForm, Qt::Key_K, Qt::AltModifier);
        });
        Later(dialog, 80, [&] {
            mainStillOpen = MainForm->isVisible();
            dialog->close();
        });
        QTest::keySequence(MainForm, QKeySequence(key));
        RunEventLoop(150);
        dialog->removeEventFilter(&counter);
        QCOMPARE(counter.shows, 1);
        QVERIFY(mainStillOpen);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(QApplication::activeWindow(), MainForm); // the window active before is active again
    }

    void idleStepShowsTheHintUnderThePointer_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("hint");
        QTest::newRow("status bar shows its own hint") << "status"
                                                       << "Stavová řádka s nápovědou";
        QTest::newRow("client area is empty") << "client"
                                              << "";
        QTest::newRow("menu bar is empty") << "menubar"
                                           << "";
        QTest::newRow("outside every window is empty") << "outside"
                                                       << "";
    }

    void idleStepShowsTheHintUnderThePointer()
    {
        QFETCH(QString, where);
        QFETCH(QString, hint);
        HintTracker::Instance().SetHint(QStringLiteral("něco jiného"));
        const QPoint pos = where == "status" ? CentreOf(MainForm->StavovaRadka)
            : where == "client"              ? CentreOf(MainForm->centralWidget())
            : where == "menubar"             ? MainForm->HlavniMenu->mapToGlobal(QPoint(400, 5))
                                             : MainForm->frameGeometry().bottomRight() + QPoint(20, 20);
        QCursor::setPos(pos);
        RunEventLoop();
        QCOMPARE(StatusText(), hint);
    }

    void dialogControlsShowTheirHintsInTheMainStatusLine_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("edit") << "edit"
                              << "Napětí";
        QTest::newRow("radio button shows its group's hint") << "radio"
                                                             << "Počet fází motoru";
        QTest::newRow("disabled control") << "disabled"
                                          << "Nedostupné";
    }

    void dialogControlsShowTheirHintsInTheMainStatusLine()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        HintDialog dialog;
        QString shown;
        Later(&dialog, 20, [&] {
            QWidget* target = control == "edit" ? static_cast<QWidget*>(dialog.edit)
                : control == "radio"            ? static_cast<QWidget*>(dialog.radio)
                                                : static_cast<QWidget*>(dialog.disabled);
            QCursor::setPos(CentreOf(target));
            RunEventLoop();
            shown = StatusText();
            dialog.close();
        });
        dialog.ShowModal();
        QCOMPARE(shown, hint);
    }

    void menuHighlightSetsTheHintAndClosingEmptiesIt()
    {
        QCursor::setPos(CentreOf(MainForm->StavovaRadka));
        QMenu* xx = MainForm->Zadn1->menu();
        xx->popup(MainForm->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(xx));
        xx->setActiveAction(MainForm->Konec1);
        RunEventLoop(); // the idle step must leave a menu's hint alone
        QCOMPARE(StatusText(), QStringLiteral("Ukončení programu"));
        xx->hide();
        QCOMPARE(StatusText(), QString());
        RunEventLoop();
        QCOMPARE(StatusText(), QStringLiteral("Stavová řádka s nápovědou"));
    }

    void statusLineStandsStillWhileTheUnhandledErrorBoxIsOpen()
    {
        QCursor::setPos(CentreOf(MainForm->centralWidget()));
        RunEventLoop();
        QCOMPARE(StatusText(), QString());
        QString underBox = QStringLiteral("unset");
        QObject scope;
        Later(&scope, 20, [&] {
            QCursor::setPos(CentreOf(MainForm->StavovaRadka));
            RunEventLoop();
            underBox = StatusText();
            QApplication::activeModalWidget()->close();
        });
        ShowUnhandledError(std::runtime_error("Floating point overflow"));
        QCOMPARE(underBox, QString());
        RunEventLoop();
        QCOMPARE(StatusText(), QStringLiteral("Stavová řádka s nápovědou"));
    }

    void sameHintTwiceRaisesOneEvent()
    {
        HintTracker& tracker = HintTracker::Instance();
        tracker.SetHint(QString());
        QSignalSpy spy(&tracker, &HintTracker::HintChanged);
        tracker.SetHint(QStringLiteral("Ukončení programu"));
        tracker.SetHint(QStringLiteral("Ukončení programu"));
        QCOMPARE(spy.count(), 1);
        tracker.SetHint(QStringLiteral("ukončení programu")); // case counts
        QCOMPARE(spy.count(), 2);
    }

    void popupMenuOpens_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("right release on the client area") << "client" << false;
        QTest::newRow("right release on the status bar") << "status" << false;
        QTest::newRow("Menu key at the client area's corner") << "client" << true;
    }

    void popupMenuOpens()
    {
        QFETCH(QString, where);
        QFETCH(bool, byKey);
        QWidget* target = where == "client" ? MainForm->centralWidget() : MainForm->StavovaRadka;
        const QPoint local(30, 5);
        QPoint expected;
        if (byKey) {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), MainForm->mapToGlobal(QPoint(0, 0)),
                                    Qt::NoModifier);
            QApplication::sendEvent(MainForm, &event);
            expected = MainForm->centralWidget()->mapToGlobal(QPoint(0, 0));
        } else {
            QTest::mousePress(target, Qt::RightButton, {}, local);
            QVERIFY(!MainForm->PodMenu1->isVisible()); // the release opens it, not the press
            QTest::mouseRelease(target, Qt::RightButton, {}, local);
            expected = target->mapToGlobal(local);
        }
        QVERIFY(MainForm->PodMenu1->isVisible());
        QCOMPARE(MainForm->PodMenu1->pos(), expected);
        MainForm->PodMenu1->hide();
    }

    void altKEndsTheProgram()
    {
        MainForm->activateWindow();
        RunEventLoop();
        QCOMPARE(QApplication::activeWindow(), MainForm);
        QTest::keyClick(MainForm, Qt::Key_K, Qt::AltModifier);
        QVERIFY(!MainForm->isVisible());
    }
};

ORBITEK_WINDOW_TEST_MAIN(MainWindowTest)

#include "MainWindowTest.moc"
