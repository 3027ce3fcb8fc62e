// The modal dialog protocol: activation, results, Enter and Esc, the close box, errors in handlers.
#include "ModalDialog.h"
#include "ErrorDisplay.h"
#include "Errors.h"
#include "Fonts.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

class TestDialog : public ModalDialog {
public:
    TestDialog(bool withCancel = true)
    {
        ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setGeometry(10, 60, 75, 25);
        ok->setDefault(true);
        cancel = new QPushButton(QStringLiteral("Storno"), this);
        cancel->setGeometry(100, 60, 75, 25);
        edit = new QLineEdit(this);
        edit->setGeometry(10, 10, 100, 21);
        SetButtonResult(ok, mrOk, [this] {
            resultInOkHandler = ModalResult();
            if (okHandler)
                okHandler();
        });
        SetButtonResult(cancel, mrCancel);
        if (withCancel)
            SetCancelButton(cancel);
        SetDesignClientSize(200, 100);
    }
    int activations = 0;
    int resultInOkHandler = -1;
    std::function<void()> okHandler;
    QPushButton* ok;
    QPushButton* cancel;
    QLineEdit* edit;

protected:
    void Activate() override
    {
        ++activations;
        SetModalResult(mrOk); // must not count: the protocol resets the result afterwards
    }
};

// Closes whatever dialog is still open, so a test never hangs on a dialog that ignored its key.
void CloseStragglerLater(QWidget* dialog, bool* stillOpen)
{
    Later(dialog, 80, [dialog, stillOpen] {
        *stillOpen = dialog->isVisible();
        if (*stillOpen)
            dialog->close();
    });
}

} // namespace

class ModalDialogTest : public QObject {
    Q_OBJECT
private slots:
    void activationRunsOncePerShowingAndItsResultDoesNotCount()
    {
        TestDialog dialog;
        for (int showing = 1; showing <= 2; ++showing) {
            Later(&dialog, 10, [&] { dialog.activateWindow(); }); // re-activation is no new showing
            Later(&dialog, 30, [&] { dialog.close(); });
            QCOMPARE(dialog.ShowModal(), int(ModalDialog::mrCancel));
            QCOMPARE(dialog.activations, showing);
            QVERIFY(!dialog.isVisible());
        }
    }

    void keys_data()
    {
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<bool>("cancelUsable");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closesByKey");
        QTest::addColumn<int>("result");

        const int none = Qt::NoModifier;
        QTest::newRow("Esc presses the cancel button")
            << true << true << "edit" << int(Qt::Key_Escape) << none << true << 2;
        QTest::newRow("Esc without cancel button does nothing")
            << false << true << "edit" << int(Qt::Key_Escape) << none << false << 2;
        QTest::newRow("Esc with disabled cancel button does nothing")
            << true << false << "edit" << int(Qt::Key_Escape) << none << false << 2;
        QTest::newRow("Shift+Esc does nothing")
            << true << true << "edit" << int(Qt::Key_Escape) << int(Qt::ShiftModifier) << false << 2;
        QTest::newRow("Enter in an edit presses the default button")
            << true << true << "edit" << int(Qt::Key_Return) << none << true << 1;
        QTest::newRow("keypad Enter presses the default button")
            << true << true << "edit" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << 1;
        QTest::newRow("Enter presses the focused push button")
            << true << true << "cancel" << int(Qt::Key_Return) << none << true << 2;
        QTest::newRow("Ctrl+Enter does nothing")
            << true << true << "edit" << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 2;
        QTest::newRow("Alt+Enter on a focused button does nothing")
            << true << true << "ok" << int(Qt::Key_Return) << int(Qt::AltModifier) << false << 2;
    }

    void keys()
    {
        QFETCH(bool, withCancel);
        QFETCH(bool, cancelUsable);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closesByKey);
        QFETCH(int, result);

        TestDialog dialog(withCancel);
        dialog.cancel->setEnabled(cancelUsable);
        QWidget* target = focus == "edit" ? static_cast<QWidget*>(dialog.edit)
            : focus == "ok"               ? static_cast<QWidget*>(dialog.ok)
                                          : static_cast<QWidget*>(dialog.cancel);
        bool stillOpen = false;
        Later(&dialog, 10, [&] {
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        });
        CloseStragglerLater(&dialog, &stillOpen);
        QCOMPARE(dialog.ShowModal(), result);
        QCOMPARE(!stillOpen, closesByKey);
    }

    void inputAfterTheDecisionIsNotHandled_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("okRuns");
        QTest::newRow("Esc, then Enter before the loop is idle") << "Esc"
                                                                 << "Enter" << 2 << 0;
        QTest::newRow("Enter, then Esc") << "Enter"
                                         << "Esc" << 1 << 1;
        QTest::newRow("Enter twice") << "Enter"
                                     << "Enter" << 1 << 1;
        QTest::newRow("Storno clicked, then OK clicked") << "click Storno"
                                                         << "click OK" << 2 << 0;
        QTest::newRow("close box, then Enter") << "close"
                                               << "Enter" << 2 << 0;
    }

    // Input queued behind the one that decided the result must not reach the closing dialog: a
    // cancelled input dialog would otherwise still run its OK handler and store a calculation.
    void inputAfterTheDecisionIsNotHandled()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(int, result);
        QFETCH(int, okRuns);
        TestDialog dialog;
        int runs = 0;
        dialog.okHandler = [&runs] { ++runs; };
        auto act = [&dialog](const QString& what) {
            if (what == "Esc" || what == "Enter")
                QTest::keyClick(dialog.edit, what == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
            else if (what == "close")
                dialog.close();
            else
                QTest::mouseClick(what == "click OK" ? dialog.ok : dialog.cancel, Qt::LeftButton);
        };
        Later(&dialog, 10, [&] {
            dialog.edit->setFocus();
            act(first);
            act(second); // in the same pass of the loop, before it runs out of events
        });
        bool stillOpen = false;
        CloseStragglerLater(&dialog, &stillOpen);
        QCOMPARE(dialog.ShowModal(), result);
        QCOMPARE(runs, okRuns);
        QVERIFY(!stillOpen);
    }

    void buttonResultIsSetBeforeItsHandlerRuns()
    {
        TestDialog dialog;
        Later(&dialog, 10, [&] { dialog.ok->click(); });
        QCOMPARE(dialog.ShowModal(), int(ModalDialog::mrOk));
        QCOMPARE(dialog.resultInOkHandler, int(ModalDialog::mrOk));
    }

    void handlerResettingTheResultKeepsTheDialogOpen()
    {
        TestDialog dialog;
        dialog.okHandler = [&] { dialog.SetModalResult(ModalDialog::mrNone); };
        bool stillOpen = false;
        Later(&dialog, 10, [&] { dialog.ok->click(); });
        CloseStragglerLater(&dialog, &stillOpen);
        QCOMPARE(dialog.ShowModal(), int(ModalDialog::mrCancel));
        QVERIFY(stillOpen);
    }

    void errorInHandler_data()
    {
        QTest::addColumn<bool>("resetFirst");
        QTest::addColumn<int>("result");
        QTest::newRow("closes with the button's result after the box") << false << 1;
        QTest::newRow("stays open when the handler reset the result") << true << 2;
    }

    void errorInHandler()
    {
        QFETCH(bool, resetFirst);
        QFETCH(int, result);
        TestDialog dialog;
        dialog.okHandler = [&] {
            if (resetFirst)
                dialog.SetModalResult(ModalDialog::mrNone);
            throw EConvertError("'x' is not a valid floating point value");
        };
        QString boxText;
        bool dialogOpenUnderBox = false;
        Later(&dialog, 10, [&] { dialog.ok->click(); });
        Later(&dialog, 40, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            boxText = box->text();
            dialogOpenUnderBox = dialog.isVisible();
            box->button(QMessageBox::Ok)->click();
        });
        bool stillOpen = false;
        Later(&dialog, 120, [&] {
            stillOpen = dialog.isVisible();
            if (stillOpen)
                dialog.close();
        });
        QCOMPARE(dialog.ShowModal(), result);
        QCOMPARE(boxText, QStringLiteral("'x' is not a valid floating point value."));
        QVERIFY(dialogOpenUnderBox);
        QCOMPARE(stillOpen, resetFirst);
    }

    void firstShowingIsCentredAndLaterShowingsKeepThePosition()
    {
        TestDialog dialog;
        QPoint first;
        Later(&dialog, 10, [&] {
            first = dialog.pos();
            dialog.move(5, 7);
            dialog.close();
        });
        dialog.ShowModal();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = dialog.frameGeometry().size();
        QCOMPARE(first, QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
        QPoint second;
        Later(&dialog, 10, [&] {
            second = dialog.pos();
            dialog.close();
        });
        dialog.ShowModal();
        QCOMPARE(second, QPoint(5, 7));
    }

    void tallerFontsScaleTheLayout()
    {
        QCOMPARE(DesignScale(DialogFont()), 1.0);
        ModalDialog dialog;
        dialog.setFont(PixelFont(QStringLiteral("MS Sans Serif"), 16));
        auto* child = new QLineEdit(&dialog);
        child->setGeometry(13, 26, 130, 13);
        const double scale = TextHeight(dialog.font()) / 13.0;
        QVERIFY(scale > 1.0);
        dialog.SetDesignClientSize(260, 130);
        QCOMPARE(child->geometry(),
                 QRect(qRound(13 * scale), qRound(26 * scale), qRound(130 * scale), qRound(13 * scale)));
        QCOMPARE(dialog.size(), QSize(qRound(260 * scale), qRound(130 * scale)));
    }
};

ORBITEK_WINDOW_TEST_MAIN(ModalDialogTest)

#include "ModalDialogTest.moc"
