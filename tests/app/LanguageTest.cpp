// The interface's language: the English translation file finished and current, and every window
// switched to English and back to exactly its Czech texts, without a restart.
#include "Language.h"
#include "DiagramView.h"
#include "Info.h"
#include "Main.h"
#include "MeasuredDialog.h"
#include "OperatingPointBar.h"
#include "Settings.h"
#include "ShellTestSupport.h"
#include "SourBod.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <functional>

namespace {

const QString TranslationFile = QStringLiteral(ORBITEK_SOURCE_DIR "/translations/orbitek_en.ts");

// Every text a user can see in the windows, object by object in the windows' order: captions,
// titles, hints, items. Items made anew (the recent motors) take the places of the ones they replace.
QStringList VisibleTexts()
{
    QStringList texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QList<QObject*> objects = window->findChildren<QObject*>();
        objects.prepend(window);
        for (const QObject* o : objects) {
            QStringList t{QString::fromLatin1(o->metaObject()->className())};
            if (const auto* w = qobject_cast<const QWidget*>(o))
                t << w->windowTitle() << w->statusTip();
            if (const auto* a = qobject_cast<const QAction*>(o))
                t << a->text() << a->statusTip();
            if (const auto* l = qobject_cast<const QLabel*>(o))
                t << l->text();
            if (const auto* b = qobject_cast<const QAbstractButton*>(o))
                t << b->text();
            if (const auto* g = qobject_cast<const QGroupBox*>(o))
                t << g->title();
            if (const auto* m = qobject_cast<const QMenu*>(o))
                t << m->title();
            if (const auto* c = qobject_cast<const QComboBox*>(o))
                for (int i = 0; i < c->count(); ++i)
                    t << c->itemText(i);
            t << o->property("caption").toString(); // the panels' captions
            texts << t.join(u'|');
        }
    }
    return texts;
}

void Choose(const QString& item)
{
    for (QAction* a : MainForm->LanguageMenu->actions())
        if (a->text() == item)
            a->trigger();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp(QStringLiteral(ORBITEK_SOURCE_DIR "/data/example.orbitek")));
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        RunEventLoop();
        QVERIFY(MainForm->Diagram->CurrentDiagram().has_value());
    }

    void cleanupTestCase() { DestroyWindows(); }

    void translationFileIsFinishedAndCurrent()
    {
        QFile file(TranslationFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context, source;
        int messages = 0;
        static const QRegularExpression placeholder(QStringLiteral("%\\d"));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                const QString english = xml.readElementText();
                const QString where = context + QStringLiteral(": ") + source;
                QVERIFY2(type.isEmpty(),
                         qPrintable(type + QStringLiteral(" ") + where)); // unfinished, vanished, obsolete
                QVERIFY2(!english.isEmpty(), qPrintable(where));
                // The slots a message fills in must all be there in English.
                QVERIFY2(english.count(placeholder) == source.count(placeholder), qPrintable(where));
                ++messages;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 100);

        // Brought up to date on a copy of the sources, the file stays as it is: no text is missing.
        QTemporaryDir copy(QDir::tempPath() + QStringLiteral("/orbitek-sources-XXXXXX"));
        QVERIFY(copy.isValid());
        QProcess cp;
        QStringList folders{"app", "dialogs",   "diagram", "core",        "numtext",
                            "cli", "motorfile", "scripts", "translations"};
        for (QString& f : folders)
            f.prepend(QStringLiteral(ORBITEK_SOURCE_DIR "/"));
        cp.start(QStringLiteral("cp"), QStringList{"-r"} + folders + QStringList{copy.path()});
        QVERIFY(cp.waitForFinished(60000) && cp.exitCode() == 0);
        QProcess update;
        update.start(QStringLiteral("bash"), {copy.filePath(QStringLiteral("scripts/update-translations.sh"))});
        QVERIFY(update.waitForFinished(120000));
        QVERIFY2(update.exitCode() == 0, update.readAllStandardError().constData());
        QFile updated(copy.filePath(QStringLiteral("translations/orbitek_en.ts")));
        QVERIFY(updated.open(QIODevice::ReadOnly));
        file.seek(0);
        QVERIFY2(updated.readAll() == file.readAll(), "scripts/update-translations.sh changes the file");
    }

    void switchesEveryWindowToEnglishAndBack()
    {
        QVERIFY(QFile::exists(QStringLiteral(":/i18n/orbitek_en.qm"))); // built into the test as into the program
        const QStringList czech = VisibleTexts();
        QCOMPARE(CurrentLanguage(), Language::Czech);

        Choose(QStringLiteral("English"));
        QCOMPARE(CurrentLanguage(), Language::English);
        QCOMPARE(settings::LanguageChoice(), Language::English);
        const diagram::Diagram& d = *MainForm->Diagram->CurrentDiagram();
        const struct {
            const char* where;
            std::function<QString()> text;
            const char* english;
        } shown[] = {
            {"main menu", [] { return MainForm->Npovda1->text(); }, "&Help"},
            {"menu item", [] { return CaptionOf(MainForm->Vstupnhodnoty1->text()); }, "&Input values..."},
            {"item's shortcut kept", [] { return MainForm->Vstupnhodnoty1->text().section(u'\t', 1); }, "F2"},
            {"hint", [] { return MainForm->Konec1->statusTip(); }, "Quit the program"},
            {"curves' axis", [] { return MainForm->CurvesAxisBox->itemText(1); }, "against output"},
            {"input dialog", [] { return ZadaniDlg->Label1->text(); }, "No-load current"},
            {"radio item", [] { return ZadaniDlg->SpotrebicItems[1]->text(); }, "3-phase"},
            {"result dialog", [] { return SouradniceDlg->windowTitle(); }, "Coordinates of the construction points"},
            {"about box", [] { return AboutBox->TlacitkoOK->text(); }, "&OK, noted"},
            {"measured values", [] { return MeasuredDlg->windowTitle(); }, "Measured values"},
            {"operating point", [] { return MainForm->PointBar->Caption->text(); }, "Operating point"},
            {"diagram page", [&d] { return d.texts.inputs.front().caption; }, "No-load current I0"},
            {"diagram title", [] { return QString(diagram::DiagramTitle); }, "Circle diagram of the induction motor"},
            {"application title", [] { return QApplication::applicationName(); }, "Orbitek for Windows 95/NT"},
        };
        for (const auto& s : shown)
            QVERIFY2(s.text() == QString::fromUtf8(s.english),
                     qPrintable(QString::fromUtf8(s.where) + QStringLiteral(": ") + s.text()));
        const QStringList english = VisibleTexts();
        QCOMPARE(english.size(), czech.size()); // nothing made or lost by the change
        QVERIFY(english != czech);

        Choose(QStringLiteral("Čeština"));
        QCOMPARE(settings::LanguageChoice(), Language::Czech);
        QCOMPARE(VisibleTexts(), czech);
        QVERIFY(MainForm->LanguageMenu->actions().front()->isChecked());
        QVERIFY(!MainForm->LanguageMenu->actions().back()->isChecked());
    }

    // Switched while running, every window shows what it shows when the program starts in English:
    // the measured values dialog's units, the window's title and every other text alike.
    void aLiveSwitchShowsWhatAnEnglishStartShows()
    {
        Choose(QStringLiteral("English"));
        QStringList live = VisibleTexts();
        DestroyWindows();
        QVERIFY(StartUp(QStringLiteral(ORBITEK_SOURCE_DIR "/data/example.orbitek"))); // English, as chosen
        QVERIFY(QTest::qWaitForWindowExposed(MainForm));
        RunEventLoop();
        QCOMPARE(CurrentLanguage(), Language::English);
        QStringList fresh = VisibleTexts();
        // The top-level windows come in no fixed order: each object's texts are compared as a set.
        live.sort();
        fresh.sort();
        QCOMPARE(live.size(), fresh.size());
        for (qsizetype i = 0; i < live.size(); ++i)
            QCOMPARE(live[i], fresh[i]);
        QVERIFY(fresh.join(u' ').contains(QStringLiteral("ohms")));
        QVERIFY(!fresh.join(u' ').contains(QStringLiteral("Ohmů")));
        Choose(QStringLiteral("Čeština"));
    }
};

ORBITEK_WINDOW_TEST_MAIN(LanguageTest)

#include "LanguageTest.moc"
