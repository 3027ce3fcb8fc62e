// Helpers of the dialog tests: the program's start-up, driving a modal dialog, answering message boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "Main.h"
#include "ModalDialog.h"

// What start-up does before the windows exist, then the six windows.
inline void StartProgram()
{
    QVERIFY(StartUp());
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
}

// Shows `dialog` modally; `whileOpen` runs once it is up and must end the showing. Returns the result.
// A showing that `whileOpen` failed to end is cancelled after a while, so a failing test cannot hang.
inline int RunModal(ModalDialog* dialog, std::function<void()> whileOpen)
{
    QTimer::singleShot(0, dialog, [dialog, whileOpen] {
        if (!QTest::qWaitForWindowActive(dialog))
            qWarning("dialog did not become active");
        whileOpen();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, dialog, [dialog] {
        qWarning("the dialog stayed open: cancelled");
        if (QWidget* box = QApplication::activeModalWidget(); box && box != dialog)
            box->close();
        dialog->SetModalResult(ModalDialog::mrCancel);
    });
    watchdog.start(10000);
    return dialog->ShowModal();
}

// Inside a showing, where a failed QVERIFY would leave the dialog open: wait, and only warn.
template <class Condition>
void WaitUntil(Condition condition)
{
    if (!QTest::qWaitFor(condition))
        qWarning("condition not reached");
}

// Answers every message box that opens on top of `owner` with its OK button and keeps its text.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QWidget* owner) : owner_(owner)
    {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(10);
    }

    QStringList texts;

private:
    void Poll()
    {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || box == owner_ || !box->isVisible() || answered_ == box)
            return;
        answered_ = box;
        if (auto* messageBox = qobject_cast<QMessageBox*>(box))
            texts << messageBox->text();
        else if (auto* label = box->findChild<QLabel*>(QStringLiteral("ErrorText")))
            texts << label->text();
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            if (button->text().remove(QLatin1Char('&')) == QLatin1String("OK")) {
                button->click();
                return;
            }
        qWarning("message box without an OK button");
    }

    QPointer<QWidget> owner_;
    QPointer<QWidget> answered_;
    QTimer timer_;
};
