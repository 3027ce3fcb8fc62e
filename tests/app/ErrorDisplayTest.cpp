// The two error displays: the "Error" message dialog and the unhandled-error box.
#include "ErrorDisplay.h"
#include "Errors.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

class ErrorDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void periodRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter gets a period") << "Floating point overflow"
                                              << "Floating point overflow.";
        QTest::newRow("digit gets a period") << "Error 7"
                                             << "Error 7.";
        QTest::newRow("conversion error gets a period") << "'1,5' is not a valid floating point value"
                                                        << "'1,5' is not a valid floating point value.";
        QTest::newRow("quote gets no period") << "bad '1,5'"
                                              << "bad '1,5'";
        QTest::newRow("period stays single") << "Done."
                                             << "Done.";
        QTest::newRow("exclamation mark") << "Stop!"
                                          << "Stop!";
        QTest::newRow("closing parenthesis") << "bad (x)"
                                             << "bad (x)";
        QTest::newRow("trailing space") << "bad "
                                        << "bad ";
        QTest::newRow("slash is above the period") << "a/"
                                                   << "a/.";
        QTest::newRow("accented letter") << "Chyba v zadání"
                                         << "Chyba v zadání.";
        QTest::newRow("empty stays empty") << ""
                                           << "";
    }

    void periodRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(UnhandledErrorText(message), shown);
    }

    void unhandledErrorBox()
    {
        QObject scope; // ends the scheduled actions with the test
        QString caption, text;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        Later(&scope, 10, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        ShowUnhandledError(EConvertError("'<b>1</b>' is not a valid floating point value"));
        QCOMPARE(caption, QStringLiteral("Orbitek pro Windows 95/NT"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, 1);
        QCOMPARE(text, QStringLiteral("'<b>1</b>' is not a valid floating point value."));
    }

    // Wide enough for the caption, even for a short message, so that a window manager need not
    // shorten it.
    void unhandledErrorBoxIsWiderThanItsCaption()
    {
        QObject scope; // ends the scheduled actions with the test
        int width = 0;
        Later(&scope, 10, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            width = box->width();
            box->button(QMessageBox::Ok)->click();
        });
        ShowUnhandledError(EConvertError("x"));
        const int caption =
            QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Orbitek pro Windows 95/NT"));
        QVERIFY2(width >= caption + 120, qPrintable(QStringLiteral("%1 px").arg(width)));
    }

    void errorMessageClosesWith_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void errorMessageClosesWith()
    {
        QObject scope; // ends the scheduled actions with the test
        QFETCH(int, key);
        QString caption;
        QStringList buttons;
        QString text;
        Qt::TextFormat format = Qt::AutoText;
        Later(&scope, 10, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            caption = dialog->windowTitle();
            for (auto* button : dialog->findChildren<QPushButton*>())
                buttons << button->text();
            auto* label = dialog->findChild<QLabel*>(QStringLiteral("ErrorText"));
            text = label->text();
            format = label->textFormat();
            QTest::keyClick(dialog, Qt::Key(key));
        });
        bool stillOpen = false;
        Later(&scope, 100, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                stillOpen = true;
                dialog->close();
            }
        });
        ShowErrorMessage(QStringLiteral("Účiník <naprázdno> musí být menší než 1"));
        QVERIFY(!stillOpen);
        QCOMPARE(caption, QStringLiteral("Error"));
        QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(text, QStringLiteral("Účiník <naprázdno> musí být menší než 1"));
        QCOMPARE(format, Qt::PlainText);
    }

    void longMessageWrapsAtHalfTheScreen()
    {
        QObject scope; // ends the scheduled actions with the test
        const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;
        int textWidth = 0, textHeight = 0, lineHeight = 0;
        QRect dialogRect, buttonRect;
        Later(&scope, 10, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            auto* label = dialog->findChild<QLabel*>(QStringLiteral("ErrorText"));
            textWidth = label->width();
            textHeight = label->height();
            lineHeight = label->fontMetrics().height();
            dialogRect = dialog->geometry();
            buttonRect = dialog->findChild<QPushButton*>()->geometry();
            dialog->close();
        });
        ShowErrorMessage(QStringLiteral("slovo ").repeated(200).trimmed());
        QVERIFY(textWidth <= halfScreen);
        QVERIFY(textHeight >= 3 * lineHeight);
        // The button is centred under the text.
        QVERIFY(qAbs(buttonRect.center().x() - dialogRect.width() / 2) <= 1);
        QVERIFY(buttonRect.top() > textHeight);
    }
};

ORBITEK_WINDOW_TEST_MAIN(ErrorDisplayTest)

#include "ErrorDisplayTest.moc"
