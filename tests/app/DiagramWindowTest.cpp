// The diagram in the main window: the two "&XX" items, the view before and after a calculation, the popup
// menu over the drawing, the paper and scale asked before saving, saving that fails without leaving a
// file, and printing on A4, A5 and Letter read back from the printer's PDF.
#include "DiagramExport.h"
#include "DiagramOutput.h"
#include "DiagramTexts.h"
#include "DiagramView.h"
#include "ErrorDisplay.h"
#include "FileDialogAnswer.h"
#include "Main.h"
#include "PageChoiceDialog.h"
#include "Settings.h"
#include "ShellTestSupport.h"
#include "WindowTestMain.h"
#include "Zadani.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString NoCalculation = QStringLiteral("Nejprve zadejte vstupní hodnoty (F2).");

// Handles the next modal window that `handle` takes (it returns true then), from inside its loop.
void WhenModal(std::function<bool(QWidget*)> handle)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, handle] {
        QWidget* top = QApplication::activeModalWidget();
        if (top != nullptr && top->isVisible() && handle(top))
            timer->deleteLater();
    });
    timer->start(10);
    QTimer::singleShot(10000, timer, &QObject::deleteLater); // a test that fails must not hang
}

// Answers the next error message with OK and keeps its text in `text`, its caption in `caption`:
// "Error" for a validation message, "Chyba" for one of the program's own commands.
void AnswerErrorMessage(QString& text, QString& caption)
{
    WhenModal([&text, &caption](QWidget* top) {
        const QLabel* label = top->findChild<QLabel*>(QStringLiteral("ErrorText"));
        if (label == nullptr)
            return false;
        text = label->text();
        caption = top->windowTitle();
        for (QPushButton* b : top->findChildren<QPushButton*>())
            b->click();
        return true;
    });
}

// Strongly blue pixels, as the circle draws them (the paper's blue-grey is far paler): the drawing is there.
int CirclePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() - c.red() > 80)
                ++count;
        }
    return count;
}

// Answers the next paper and scale panel with `choose`, then OK; keeps the texts it offered.
void AnswerPagePanel(std::function<void(PageChoiceDialog*)> choose = {}, QStringList* papers = nullptr)
{
    WhenModal([choose, papers](QWidget* top) {
        auto* panel = qobject_cast<PageChoiceDialog*>(top);
        if (panel == nullptr)
            return false;
        if (papers != nullptr)
            for (int i = 0; i < panel->PaperBox->count(); ++i)
                *papers << panel->PaperBox->itemText(i);
        if (choose)
            choose(panel);
        panel->accept();
        return true;
    });
}

// What a poppler tool prints.
QString Poppler(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QImage Grab()
{
    return MainForm->Diagram->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// F2, then `whileOpen` in the input dialog.
void WithInputDialog(std::function<void()> whileOpen)
{
    MainForm->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(MainForm));
    Later(ZadaniDlg, 50, std::move(whileOpen));
    QTest::keyClick(MainForm, Qt::Key_F2);
    RunEventLoop();
}

} // namespace

class DiagramWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(StartUp());
        QVERIFY(QTest::qWaitForWindowActive(MainForm));
        QCOMPARE(MainForm->Diagram->parentWidget(), MainForm->centralWidget());
    }

    void cleanupTestCase() { DestroyWindows(); }

    void xxMenuHoldsMotorFilesThenSaveAndPrintAboveKonec()
    {
        struct Item {
            QString shown, hint;
        };
        const QList<Item> expected{
            {"&Otevřít motor...\tCtrl+O", "Otevření motoru uloženého v souboru"},
            {"Uložit &motor...\tCtrl+Shift+S", "Uložení vstupních hodnot motoru do souboru"},
            {"Naposledy otevřené", "Motory otevřené nebo uložené naposledy"},
            {"-", ""},
            {"&Uložit diagram...\tCtrl+S",
             "Uložení kruhového diagramu ve skutečném měřítku do souboru PDF, SVG nebo PNG"},
            {"&Tisk diagramu...\tCtrl+P", "Tisk kruhového diagramu ve skutečném měřítku"},
            {"&Kopírovat diagram\tCtrl+C", "Zkopírování kruhového diagramu do schránky"},
            {"-", ""},
            {"&Konec\tAlt+K", "Ukončení programu"},
        };
        const QList<QAction*> actions = MainForm->Zadn1->menu()->actions();
        QCOMPARE(actions.size(), expected.size());
        for (int i = 0; i < actions.size(); ++i) {
            QAction* a = actions[i];
            QString shown = a->isSeparator() ? QStringLiteral("-") : a->text();
            if (!a->shortcut().isEmpty())
                shown += u'\t' + a->shortcut().toString(QKeySequence::NativeText);
            QCOMPARE(shown, expected[i].shown);
            QCOMPARE(a->statusTip(), expected[i].hint);
            QVERIFY(a->isEnabled() && a->isVisible());
        }
    }

    // Only the start line, centred; saving and printing say what to do first.
    void beforeAnyCalculation_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("save") << "save";
        QTest::newRow("print") << "print";
        QTest::newRow("copy") << "copy";
    }

    void beforeAnyCalculation()
    {
        QFETCH(QString, item);
        QVERIFY(!MainForm->Diagram->CurrentDiagram());
        const QImage empty = Grab();
        const QRect text = MainForm->Diagram->fontMetrics()
                               .boundingRect(MainForm->Diagram->rect(), Qt::AlignCenter,
                                             QStringLiteral("F2 – zadání vstupních hodnot"))
                               .adjusted(-2, -2, 2, 2);
        int inked = 0;
        for (int y = 0; y < empty.height(); ++y)
            for (int x = 0; x < empty.width(); ++x)
                if (empty.pixel(x, y) != qRgb(255, 255, 255)) {
                    QVERIFY2(text.contains(x, y), "ink outside the centred line");
                    ++inked;
                }
        QVERIFY(inked > 50);

        QString shown, caption;
        bool firstIsTheMessage = false; // no file or print dialog before it
        WhenModal([&firstIsTheMessage](QWidget* top) {
            firstIsTheMessage = top->findChild<QLabel*>(QStringLiteral("ErrorText")) != nullptr;
            return true;
        });
        AnswerErrorMessage(shown, caption);
        (item == "save"        ? MainForm->SaveDiagramItem
             : item == "print" ? MainForm->PrintDiagramItem
                               : MainForm->CopyDiagramItem)
            ->trigger();
        QCOMPARE(shown, NoCalculation);
        QCOMPARE(caption, QStringLiteral("Chyba"));
        QVERIFY(firstIsTheMessage);
    }

    // F2 and Enter draw the defaults; a rejected input afterwards leaves the same drawing.
    void calculationShowsTheDrawingAndARejectionKeepsIt()
    {
        const QImage empty = Grab();
        WithInputDialog([] { QTest::keyClick(ZadaniDlg, Qt::Key_Return); });
        QVERIFY(MainForm->Diagram->CurrentDiagram());
        const QImage drawn = Grab();
        QCOMPARE(CirclePixels(empty), 0);
        QVERIFY(CirclePixels(drawn) > 100);

        QString message, caption;
        WithInputDialog([&message, &caption] {
            ZadaniDlg->XPrNapr->setText(QStringLiteral("0"));
            AnswerErrorMessage(message, caption);
            QTest::keyClick(ZadaniDlg, Qt::Key_Return);
            Later(ZadaniDlg, 100, [] { QTest::keyClick(ZadaniDlg, Qt::Key_Escape); });
        });
        RunEventLoop(200);
        QCOMPARE(message, QStringLiteral("Chybné zadání proudu naprázdno."));
        QCOMPARE(caption, QStringLiteral("Error"));
        QVERIFY(!ZadaniDlg->isVisible());
        QCOMPARE(Grab(), drawn);
    }

    // A right-button release over the drawing, on the circle where the view reads the operating point, opens
    // the popup.
    void popupOpensOverTheDrawing()
    {
        DiagramView* view = MainForm->Diagram;
        QVERIFY(view->CurrentDiagram());
        const TKonstrukce& k = view->CurrentDiagram()->record;
        const QPoint onArc = view->PixelOf(QPointF(double(k.KruzniceX[5]), double(k.KruzniceY[5]))).toPoint();
        QVERIFY(view->rect().contains(onArc));
        QTest::mousePress(view, Qt::RightButton, {}, onArc);
        QVERIFY(!MainForm->PodMenu1->isVisible()); // the release opens it, not the press
        QTest::mouseRelease(view, Qt::RightButton, {}, onArc);
        QVERIFY(MainForm->PodMenu1->isVisible());
        QCOMPARE(MainForm->PodMenu1->pos(), view->mapToGlobal(onArc));
        MainForm->PodMenu1->hide();
    }

    // The save dialog opens in the folder the last save went to, in this run or an earlier one.
    void saveDialogStartsInTheFolderSavedToLast()
    {
        QVERIFY(MainForm->Diagram->CurrentDiagram());
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/orbitek-diagram-XXXXXX"));
        settings::SetLastFolder(settings::FileDialog::SaveDiagram, folder.path());
        AnswerPagePanel();
        const auto seen = AnswerFileDialog({}); // cancelled
        MainForm->SaveDiagramItem->trigger();
        QVERIFY(seen->answered);
        QCOMPARE(seen->folder, QDir(folder.path()).absolutePath());
    }

    // The disk is full from the first byte, or half-way with a file of that name already there (the file
    // size limit stands in for a full disk): the message names the file and the reason, and nothing new
    // is left under the chosen name.
    void failedWriteLeavesNoFile_data()
    {
        QTest::addColumn<bool>("halfWay");
        QTest::newRow("disk full from the start") << false;
        QTest::newRow("disk full half-way over an older file") << true;
    }

    void failedWriteLeavesNoFile()
    {
        QFETCH(bool, halfWay);
        QVERIFY(MainForm->Diagram->CurrentDiagram());
        // The application's name holds a "/": no default template.
        QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/orbitek-diagram-XXXXXX"));
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(QStringLiteral("kruhovy-diagram.pdf"));
        const QByteArray before = "the drawing saved the day before";
        if (halfWay) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(before) == before.size());
        }
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process

        QString message, caption;
        AnswerPagePanel();
        const auto seen = AnswerFileDialog(path, [&](QFileDialog* dialog) {
            dialog->setOption(QFileDialog::DontConfirmOverwrite);
            AnswerErrorMessage(message, caption);
            rlimit full = saved;
            full.rlim_cur = halfWay ? 4096 : 0;
            setrlimit(RLIMIT_FSIZE, &full);
        });
        MainForm->SaveDiagramItem->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY2(seen->answered && seen->problem.isEmpty(), qPrintable(seen->problem));
        QCOMPARE(seen->suggestedName, QStringLiteral("kruhovy-diagram.pdf"));
        const QStringList& filters = seen->filters;
        QCOMPARE(filters.size(), 3);
        QVERIFY(filters[0].contains("*.pdf") && filters[1].contains("*.svg") && filters[2].contains("*.png"));
        const QString prefix = QStringLiteral("Diagram se nepodařilo uložit: %1 (").arg(QDir::toNativeSeparators(path));
        QVERIFY2(message.startsWith(prefix) && message.endsWith(u')') && message.size() > prefix.size() + 1,
                 qPrintable(message));
        QCOMPARE(caption, QStringLiteral("Chyba"));
        if (halfWay) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), before);
        } else {
            QVERIFY(!QFile::exists(path));
        }
        QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden).size(), halfWay ? 1 : 0); // no temporary
    }

    // The panel before the file dialog: the paper and the scale chosen there are the file's; a choice
    // that cannot hold the diagram is refused with its message and the panel stays.
    void savePanelChoosesPaperAndScale()
    {
        QVERIFY(MainForm->Diagram->CurrentDiagram());
        QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/orbitek-diagram-XXXXXX"));
        const QString path = directory.filePath(QStringLiteral("a3.pdf"));
        QStringList papers;
        QString refused, result, caption;
        AnswerPagePanel(
            [&](PageChoiceDialog* panel) {
                panel->PaperBox->setCurrentText(QStringLiteral("A4"));
                panel->ScaleBox->setCurrentText(diagram::ScaleText({2, -1}));
                QCOMPARE(panel->ScaleBox->currentText(), diagram::ScaleText({2, -1}));
                result = panel->Result->text();
                AnswerErrorMessage(refused, caption);
                panel->accept(); // refused: the panel stays open
                QVERIFY(panel->isVisible());
                panel->PaperBox->setCurrentText(QStringLiteral("A3"));
                panel->ScaleBox->setCurrentText(diagram::ScaleText({1, 0}));
            },
            &papers);
        const auto seen = AnswerFileDialog(path);
        MainForm->SaveDiagramItem->trigger();
        QVERIFY2(seen->answered && seen->problem.isEmpty(), qPrintable(seen->problem));
        QCOMPARE(papers, QStringList({"A4", "A3", "A2", "A1", "A0"}));
        QCOMPARE(result, DoesNotFitText);
        QCOMPARE(refused, DoesNotFitText);
        QCOMPARE(caption, QStringLiteral("Chyba"));
        const QString info = Poppler(QStringLiteral(PDFINFO), {path});
        QVERIFY2(info.contains(QStringLiteral("1191 x 842 pts (A3)")), qPrintable(info));
        QVERIFY(
            Poppler(QStringLiteral(PDFTOTEXT), {path, QStringLiteral("-")}).contains(QStringLiteral("1 A = 1 mm, A3")));
    }

    // The printer's PDF on A4, A5 and Letter: all pages, the title block whole with its scales, paper and
    // fields (compact on A5 and Letter), and with an operating point its block, every word inside the frame.
    void printOnPaper_data()
    {
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("point");
        QTest::newRow("A4") << int(QPageSize::A4) << false;
        QTest::newRow("A5") << int(QPageSize::A5) << false;
        QTest::newRow("Letter") << int(QPageSize::Letter) << false;
        QTest::newRow("A4 with a point") << int(QPageSize::A4) << true;
        QTest::newRow("A5 with a point") << int(QPageSize::A5) << true;
    }

    void printOnPaper()
    {
        QFETCH(int, paper);
        QFETCH(bool, point);
        if (point)
            MainForm->SetOperatingPoint(OperatingQuantity::Output, 15000);
        else
            MainForm->ClearOperatingPoint();
        QVERIFY(MainForm->Diagram->CurrentDiagram());
        QTemporaryDir directory(QDir::tempPath() + QStringLiteral("/orbitek-print-XXXXXX"));
        const QString pdf = directory.filePath(QStringLiteral("tisk.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setFullPage(true);
        printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        QCOMPARE(PrintOn(printer, *MainForm->Diagram->CurrentDiagram()), std::nullopt);

        const QString info = Poppler(QStringLiteral(PDFINFO), {pdf});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info);
        QVERIFY2(pages.hasMatch() && pages.captured(1).toInt() == 3, qPrintable(info));
        const QString html = Poppler(
            QStringLiteral(PDFTOTEXT),
            {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re")).match(html);
        QVERIFY(size.hasMatch());
        constexpr double FramePt = 10 / 25.4 * 72 - 0.5; // the 10 mm margins, less rounding
        const QRectF frame(FramePt, FramePt, size.captured(1).toDouble() - 2 * FramePt,
                           size.captured(2).toDouble() - 2 * FramePt);
        QStringList words;
        const QRegularExpression word(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
            QVERIFY2(frame.contains(box), qPrintable(m.captured(5)));
            words << m.captured(5);
        }
        const QString text = words.join(u' ');
        for (const char* expected :
             {"Kruhový diagram asynchronního motoru", "Výkon 1 mm =", "Moment 1 mm =", "Vypracoval:", "Datum:",
              "Bod T dělí pořadnici Ak", "přímka výkonu", "Vstupní hodnoty", "Měřítko"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        // Every block names its paper; A5's and Letter's compact one leaves the characteristic values to
        // the second page.
        const bool compact = paper == QPageSize::A5 || paper == QPageSize::Letter;
        const QString name = paper == QPageSize::Letter ? QStringLiteral("Letter") // Qt's "US Letter"
                                                        : QPageSize(QPageSize::PageSizeId(paper)).name();
        QVERIFY2(text.contains(QStringLiteral("mm, ") + name), qPrintable(name));
        QCOMPARE(text.contains(QStringLiteral("Charakteristické body")), !compact);
        for (const char* expected : {"Pracovní bod", "zadáno P2", "ΔPCu1", "ΔP0"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)) == point, expected);
    }
};

ORBITEK_WINDOW_TEST_MAIN(DiagramWindowTest)

#include "DiagramWindowTest.moc"
