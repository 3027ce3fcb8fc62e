// Unit Main: the main window with its menus and status line, and the creation of all windows.
#include "Main.h"

#include "AutPrava.h"
#include "Characteristic.h"
#include "CurvesView.h"
#include "DiagramOutput.h"
#include "DiagramView.h"
#include "ErrorDisplay.h"
#include "Fonts.h"
#include "HintTracker.h"
#include "Info.h"
#include "LoadNumberSeparators.h"
#include "MeasuredDialog.h"
#include "Moment.h"
#include "OrbitekApplication.h"
#include "ProgramIcon.h"
#include "SourBod.h"
#include "Zadani.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QWindow>

TMainForm* MainForm = nullptr;

namespace {

constexpr QSize OuterDesignSize(656, 448);
// Frame of a sizeable window with caption on the system the layout was made for, used until the
// window system tells the real one.
constexpr QMargins DesignFrame(4, 23, 4, 4);
constexpr int StatusBarHeight = 20;
constexpr int DiagramShare = 2, CurvesShare = 1; // of the client area's width

const QString NoDiagramYet = QStringLiteral("Nejprve zadejte vstupní hodnoty (F2).");

void ShowDialog(ModalDialog* dialog)
{
    if (dialog != nullptr)
        dialog->ShowModal(); // the result is of no interest here
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Orbitek asynchronního motoru"));
    setWindowIcon(ProgramIconSet());
    setFont(DialogFont());
    Diagram = new DiagramView(this);
    Curves = new CurvesView(this);
    ClientArea = new QSplitter(Qt::Horizontal, this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setChildrenCollapsible(false);
    ClientArea->addWidget(Diagram);
    ClientArea->addWidget(Curves);
    ClientArea->setStretchFactor(0, DiagramShare);
    ClientArea->setStretchFactor(1, CurvesShare);
    ClientArea->setSizes({DiagramShare, CurvesShare});
    setCentralWidget(ClientArea);
    // The popup menu opens over both panels and the divider too.
    for (QWidget* w : {static_cast<QWidget*>(ClientArea), static_cast<QWidget*>(Diagram), static_cast<QWidget*>(Curves),
                       static_cast<QWidget*>(ClientArea->handle(1))})
        w->installEventFilter(this);
    connect(Diagram, &DiagramView::SlipUnderPointer, Curves, &CurvesView::MarkSlip);
    connect(Curves, &CurvesView::SlipUnderPointer, Diagram, &DiagramView::MarkSlip);

    StavovaRadka = new QStatusBar(this);
    StavovaRadka->setObjectName(QStringLiteral("StavovaRadka"));
    StavovaRadka->setSizeGripEnabled(false);
    StavovaRadka->setFixedHeight(qRound(StatusBarHeight * DesignScale(font())));
    StavovaRadka->setStatusTip(QStringLiteral("Stavová řádka s nápovědou"));
    StavovaRadka->installEventFilter(this);
    setStatusBar(StavovaRadka);

    HlavniMenu = new QMenuBar(this);
    HlavniMenu->setObjectName(QStringLiteral("HlavniMenu"));
    HlavniMenu->setFont(font());
    setMenuBar(HlavniMenu);

    auto newMenu = [this](const QString& caption) {
        auto* menu = new QMenu(caption, this);
        menu->setFont(font());
        menu->setToolTipsVisible(false);
        HintTracker::Instance().TrackMenu(menu);
        return menu;
    };
    QMenu* xx = newMenu(QStringLiteral("&XX"));
    QMenu* diagram = newMenu(QStringLiteral("&Diagram"));
    QMenu* help = newMenu(QStringLiteral("&Nápověda"));
    Zadn1 = HlavniMenu->addMenu(xx);
    Vsledky1 = HlavniMenu->addMenu(diagram);
    Npovda1 = HlavniMenu->addMenu(help);
    HintTracker::Instance().TrackMenuBar(HlavniMenu);

    SaveDiagramItem = AddItem(
        xx, QStringLiteral("&Uložit diagram..."),
        QStringLiteral("Uložení kruhového diagramu ve skutečném měřítku do souboru PDF, SVG nebo PNG"),
        &TMainForm::SaveDiagramClick);
    SaveDiagramItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    PrintDiagramItem = AddItem(xx, QStringLiteral("&Tisk diagramu..."),
                               QStringLiteral("Tisk kruhového diagramu ve skutečném měřítku"),
                               &TMainForm::PrintDiagramClick);
    PrintDiagramItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    CopyDiagramItem = AddItem(xx, QStringLiteral("&Kopírovat diagram"),
                              QStringLiteral("Zkopírování kruhového diagramu do schránky"),
                              &TMainForm::CopyDiagramClick);
    CopyDiagramItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    DiagramSeparator = xx->addSeparator();
    Konec1 = AddItem(xx, QStringLiteral("&Konec"), QStringLiteral("Ukončení programu"), &TMainForm::Konec1Click);
    Konec1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_K));

    std::tie(Vstupnhodnoty1, N1, Souradnice, Momentovka) = AddDiagramItems(diagram);

    Licennujednn1 = AddItem(help, QStringLiteral("&Licenční ujednání"),
                            QStringLiteral("Podmínky pro používání tohoto programu"), &TMainForm::Licennujednn1Click);
    N3 = help->addSeparator();
    Copyright1 = AddItem(help, QStringLiteral("&Copyright"), QStringLiteral("Informace o autorovi"),
                         &TMainForm::Copyright1Click);

    PodMenu1 = newMenu(QString());
    PodMenu1->setObjectName(QStringLiteral("PodMenu1"));
    std::tie(Vstupnhodnoty3, N2, Souadnicebodprokonstrukci1, Momentovcharakteristika1) = AddDiagramItems(PodMenu1);

    // Both menus show F2, but one key press must run the handler once: the popup item, which the
    // key reaches first, owns the shortcut (an action of the window, so it works while the popup is
    // closed); the main menu's item only shows the shortcut text.
    Vstupnhodnoty3->setShortcut(QKeySequence(Qt::Key_F2));
    Vstupnhodnoty3->setShortcutContext(Qt::WindowShortcut);
    addAction(Vstupnhodnoty3);
    Vstupnhodnoty1->setText(Vstupnhodnoty1->text() + QStringLiteral("\tF2"));

    // The measured readings, with F3 owned by the popup item as F2 is.
    MeasuredInput = AddMeasuredItem(diagram, N1);
    MeasuredInputPopup = AddMeasuredItem(PodMenu1, N2);
    MeasuredInputPopup->setShortcut(QKeySequence(Qt::Key_F3));
    MeasuredInputPopup->setShortcutContext(Qt::WindowShortcut);
    addAction(MeasuredInputPopup);
    MeasuredInput->setText(MeasuredInput->text() + QStringLiteral("\tF3"));

    GuardHandler([this] { FormCreate(this); });
}

QAction* TMainForm::AddItem(QMenu* menu, const QString& caption, const QString& hint,
                            void (TMainForm::*handler)(QObject*))
{
    QAction* action = menu->addAction(caption);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this,
            [this, action, handler] { GuardHandler([this, action, handler] { (this->*handler)(action); }); });
    return action;
}

std::tuple<QAction*, QAction*, QAction*, QAction*> TMainForm::AddDiagramItems(QMenu* menu)
{
    QAction* input = AddItem(menu, QStringLiteral("&Vstupní hodnoty..."),
                             QStringLiteral("Zadání vstupních hodnot pro výpočet"), &TMainForm::Vstupnhodnoty1Click);
    QAction* separator = menu->addSeparator();
    QAction* coordinates = AddItem(menu, QStringLiteral("&Souřadnice bodů pro konstrukci"),
                                   QStringLiteral("Vypočtené souřadnice všech bodů které jsou potřeba pro konstrukci"),
                                   &TMainForm::SouradniceClick);
    QAction* torque = AddItem(menu, QStringLiteral("&Momentová charakteristika"),
                              QStringLiteral("Vypočtené hodnoty momentu pro jednotlivé skluzy od 0 do 1 (po 0,05)"),
                              &TMainForm::MomentovkaClick);
    return {input, separator, coordinates, torque};
}

QAction* TMainForm::AddMeasuredItem(QMenu* menu, QAction* before)
{
    QAction* item = AddItem(menu, QStringLiteral("&Naměřené hodnoty..."),
                            QStringLiteral("Zadání hodnot naměřených při zkouškách naprázdno a nakrátko"),
                            &TMainForm::MeasuredInputClick);
    menu->removeAction(item);
    menu->insertAction(before, item);
    return item;
}

void TMainForm::FormCreate(QObject*)
{
    connect(&HintTracker::Instance(), &HintTracker::HintChanged, this, [this] { ShowHint(this); });
}

void TMainForm::ShowHint(QObject*)
{
    const QString& hint = HintTracker::Instance().Hint();
    if (StavovaRadka->currentMessage() != hint)
        StavovaRadka->showMessage(hint);
}

void TMainForm::Konec1Click(QObject*)
{
    close();
}

void TMainForm::Copyright1Click(QObject*)
{
    ShowDialog(AboutBox);
}

void TMainForm::Vstupnhodnoty1Click(QObject*)
{
    ShowDialog(ZadaniDlg);
}

void TMainForm::MeasuredInputClick(QObject*)
{
    ShowDialog(MeasuredDlg);
}

void TMainForm::MomentovkaClick(QObject*)
{
    ShowDialog(Tabulka1);
}

void TMainForm::PriStartu(QObject*) {}

void TMainForm::Licennujednn1Click(QObject*)
{
    ShowDialog(LicPodm);
}

void TMainForm::SouradniceClick(QObject*)
{
    ShowDialog(SouradniceDlg);
}

void TMainForm::SaveDiagramClick(QObject*)
{
    if (Diagram->CurrentDiagram())
        SaveDiagramAs(this, *Diagram->CurrentDiagram());
    else
        ShowOwnErrorMessage(NoDiagramYet);
}

void TMainForm::PrintDiagramClick(QObject*)
{
    if (Diagram->CurrentDiagram())
        PrintDiagram(this, *Diagram->CurrentDiagram());
    else
        ShowOwnErrorMessage(NoDiagramYet);
}

void TMainForm::CopyDiagramClick(QObject*)
{
    if (Diagram->CurrentDiagram())
        CopyDiagram(*Diagram->CurrentDiagram());
    else
        ShowOwnErrorMessage(NoDiagramYet);
}

void TMainForm::ShowAcceptedCalculation()
{
    GuardHandler([this] {
        const CharacteristicPoints c = ReadCharacteristicPoints(Konstrukce);
        if (std::optional<diagram::Diagram> d = diagram::MakeDiagram(Konstrukce, c)) {
            Diagram->SetDiagram(std::move(*d));
            Curves->SetCalculation(Konstrukce, c);
        }
    });
}

void TMainForm::PlaceForFirstShow()
{
    winId(); // the native window exists from creation on; its frame may be known now
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = DesignFrame;
    const QSize outer = OuterSizeOnScreen();
    resize(outer.shrunkBy(frame));
    CentreOnScreen(this, outer);
    // The frame guessed above is the design system's; once the window system has framed the window,
    // the outer size and the centring follow the real one.
    WhenFrameKnown(this, [this, outer] {
        resize(outer.shrunkBy(windowHandle()->frameMargins()));
        CentreOnScreen(this, outer);
    });
}

QSize TMainForm::OuterSizeOnScreen() const
{
    // At a high display scale a small screen may have fewer logical pixels than the design size: the
    // window then opens as large as the screen's available area, never beyond it.
    const QScreen* on = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    return on != nullptr ? OuterDesignSize.boundedTo(on->availableGeometry().size()) : OuterDesignSize;
}

bool TMainForm::event(QEvent* event)
{
    // The status line shows only what the hint tracker decides.
    if (event->type() == QEvent::StatusTip)
        return true;
    if (event->type() == QEvent::WindowActivate)
        GuardHandler([this] { PriStartu(this); });
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool clientArea = watched == ClientArea || watched == Diagram || watched == Curves ||
        watched == ClientArea->handle(1);
    if ((clientArea || watched == StavovaRadka) && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            OpenPopup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse opens the popup on the button's release (eventFilter); only the Menu key is used here.
    if (event->reason() == QContextMenuEvent::Keyboard &&
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0)
        OpenPopup(centralWidget()->mapToGlobal(QPoint(0, 0)));
    event->accept();
}

void TMainForm::OpenPopup(const QPoint& globalPos)
{
    PodMenu1->popup(globalPos);
}

bool StartUp()
{
    SetApplicationTitle();
    InstallQtTranslation();
    KeepQtSettingsForTheRun();
    InstallFontSubstitutes();
    QApplication::setFont(DialogFont());
    LoadNumberSeparators();
    CreateWindows();
    if (MainForm == nullptr)
        return false;
    MainForm->PlaceForFirstShow();
    MainForm->show();
    return true;
}

void CreateWindows()
{
    GuardHandler([] { MainForm = new TMainForm; });
    QWidget* owner = MainForm;
    GuardHandler([owner] { AboutBox = new TAboutBox(owner); });
    GuardHandler([owner] { ZadaniDlg = new TZadaniDlg(owner); });
    if (MainForm != nullptr && ZadaniDlg != nullptr)
        QObject::connect(ZadaniDlg, &TZadaniDlg::CalculationAccepted, MainForm, &TMainForm::ShowAcceptedCalculation);
    GuardHandler([owner] { Tabulka1 = new TTabulka1(owner); });
    GuardHandler([owner] { LicPodm = new TLicPodm(owner); });
    GuardHandler([owner] { SouradniceDlg = new TSouradniceDlg(owner); });
    GuardHandler([owner] { MeasuredDlg = new MeasuredDialog(owner); });
    if (MainForm != nullptr && MeasuredDlg != nullptr)
        QObject::connect(MeasuredDlg, &MeasuredDialog::CalculationAccepted, MainForm,
                         &TMainForm::ShowAcceptedCalculation);
}

void DestroyWindows()
{
    delete MeasuredDlg;
    MeasuredDlg = nullptr;
    delete SouradniceDlg;
    SouradniceDlg = nullptr;
    delete LicPodm;
    LicPodm = nullptr;
    delete Tabulka1;
    Tabulka1 = nullptr;
    delete ZadaniDlg;
    ZadaniDlg = nullptr;
    delete AboutBox;
    AboutBox = nullptr;
    delete MainForm;
    MainForm = nullptr;
}
