// Unit Main: the main window with its menus and status line, and the creation of all windows.
#include "Main.h"

#include "Acceptance.h"
#include "AutPrava.h"
#include "Characteristic.h"
#include "CurvesView.h"
#include "DiagramExport.h"
#include "DiagramOutput.h"
#include "DiagramView.h"
#include "ErrorDisplay.h"
#include "Fonts.h"
#include "HintTracker.h"
#include "Info.h"
#include "Language.h"
#include "LineCurrent.h"
#include "LoadNumberSeparators.h"
#include "MeasuredDialog.h"
#include "Moment.h"
#include "MotorFile.h"
#include "NumText.h"
#include "OperatingPointBar.h"
#include "OrbitekApplication.h"
#include "ProgramIcon.h"
#include "Settings.h"
#include "SourBod.h"
#include "Zadani.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

TMainForm* MainForm = nullptr;

namespace {

constexpr QSize OuterDesignSize(656, 448);
// Frame of a sizeable window with caption on the system the layout was made for, used until the
// window system tells the real one.
constexpr QMargins DesignFrame(4, 23, 4, 4);
constexpr int StatusBarHeight = 20;
constexpr int DiagramShare = 2, CurvesShare = 1; // of the client area's width

constexpr const char* NoDiagramYet = QT_TRANSLATE_NOOP("TMainForm", "Nejprve zadejte vstupní hodnoty (F2).");
// A torque between the starting and the maximum torque has a second point, past the maximum.
constexpr const char* SecondTorquePoint = QT_TRANSLATE_NOOP(
    "TMainForm", "Druhý bod s tímto momentem (za maximem, nestabilní): s = %1, I1 = %2 A.");

constexpr const char* TorqueLineCaption = QT_TRANSLATE_NOOP("TMainForm", "Momentová přímka od přímky naprázdno");
constexpr const char* TorqueLineHint = QT_TRANSLATE_NOOP(
    "TMainForm", "Bod T dělí jen část pořadnice Ak nad přímkou naprázdno, jak momentovou přímku kreslí učebnice");
constexpr const char* CurvesAxisCaption = QT_TRANSLATE_NOOP("TMainForm", "Křivky");
// The curves' axes in the order of diagram::CurvesAxis.
constexpr const char* CurvesAxisItems[] = {QT_TRANSLATE_NOOP("TMainForm", "podle skluzu"),
                                           QT_TRANSLATE_NOOP("TMainForm", "podle výkonu")};
constexpr const char* CurvesAxisHint = QT_TRANSLATE_NOOP(
    "TMainForm", "Vodorovná osa křivek: skluz od 0 do 1, nebo výkon P2 od nuly do maxima na stabilní větvi");
// The language submenu reads the same in both languages, so that a user lost in either finds it.
constexpr const char* WindowCaption = QT_TRANSLATE_NOOP("TMainForm", "Orbitek asynchronního motoru");
const QString LanguageMenuCaption = QStringLiteral("Jazyk / Language");
const QString LanguageItems[] = {QStringLiteral("Čeština"), QStringLiteral("English")}; // as Language
constexpr int PaneSpacing = 4;                                                          // px

// Whether the record holds an accepted motor, which a new torque line or an operating point needs.
bool MotorAccepted()
{
    return (Konstrukce.Spotrebic == 1 || Konstrukce.Spotrebic == 3) && Konstrukce.SynchrOtacky > 0;
}

void ShowDialog(ModalDialog* dialog)
{
    if (dialog != nullptr)
        dialog->ShowModal(); // the result is of no interest here
}

// The motor files among dropped or pasted URLs, local ones only.
QStringList MotorFilesOf(const QMimeData* data)
{
    QStringList files;
    if (data != nullptr)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile() && IsMotorFileName(url.toLocalFile()))
                files << url.toLocalFile();
    return files;
}

} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    language::Bind(this, this, "windowTitle", WindowCaption);
    setWindowIcon(ProgramIconSet());
    setFont(DialogFont());
    Diagram = new DiagramView(this);
    ClientArea = new QSplitter(Qt::Horizontal, this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    ClientArea->setChildrenCollapsible(false);
    ClientArea->addWidget(Diagram);
    ClientArea->addWidget(MakeCurvesPane());
    ClientArea->setStretchFactor(0, DiagramShare);
    ClientArea->setStretchFactor(1, CurvesShare);
    // Shares of the design width in pixels: shares of a few pixels would leave the diagram nothing once
    // the pane above the curves asks for its minimum width.
    ClientArea->setSizes({DiagramShare * OuterDesignSize.width(), CurvesShare * OuterDesignSize.width()});
    setCentralWidget(ClientArea);
    // The popup menu opens over both panels and the divider too.
    for (QWidget* w : {static_cast<QWidget*>(ClientArea), static_cast<QWidget*>(Diagram), static_cast<QWidget*>(Curves),
                       static_cast<QWidget*>(ClientArea->handle(1)), CurvesPane, static_cast<QWidget*>(PointBar)})
        w->installEventFilter(this);
    connect(Diagram, &DiagramView::SlipUnderPointer, Curves, &CurvesView::MarkSlip);
    connect(Curves, &CurvesView::SlipUnderPointer, Diagram, &DiagramView::MarkSlip);
    connect(PointBar, &OperatingPointBar::PointAsked, this,
            [this](OperatingQuantity q, long double v) { GuardHandler([this, q, v] { AskPoint(q, v); }); });
    connect(Diagram, &DiagramView::ArcClicked, this,
            [this](double slip) { GuardHandler([this, slip] { AskPoint(OperatingQuantity::Slip, slip); }); });
    // Esc anywhere in the window takes the point away.
    ClearPoint = new QAction(this);
    ClearPoint->setShortcut(QKeySequence(Qt::Key_Escape));
    ClearPoint->setShortcutContext(Qt::WindowShortcut);
    addAction(ClearPoint);
    connect(ClearPoint, &QAction::triggered, this, [this] { GuardHandler([this] { ClearOperatingPoint(); }); });

    StavovaRadka = new QStatusBar(this);
    StavovaRadka->setObjectName(QStringLiteral("StavovaRadka"));
    StavovaRadka->setSizeGripEnabled(false);
    StavovaRadka->setFixedHeight(qRound(StatusBarHeight * DesignScale(font())));
    language::Bind(this, StavovaRadka, "statusTip", QT_TR_NOOP("Stavová řádka s nápovědou"));
    StavovaRadka->installEventFilter(this);
    setStatusBar(StavovaRadka);

    HlavniMenu = new QMenuBar(this);
    HlavniMenu->setObjectName(QStringLiteral("HlavniMenu"));
    HlavniMenu->setFont(font());
    setMenuBar(HlavniMenu);

    auto newMenu = [this](const char* caption) {
        auto* menu = new QMenu(this);
        if (caption != nullptr)
            language::Bind(this, menu, "title", caption);
        menu->setFont(font());
        menu->setToolTipsVisible(false);
        HintTracker::Instance().TrackMenu(menu);
        return menu;
    };
    QMenu* xx = newMenu(QT_TR_NOOP("&XX"));
    QMenu* diagram = newMenu(QT_TR_NOOP("&Diagram"));
    QMenu* help = newMenu(QT_TR_NOOP("&Nápověda"));
    Zadn1 = HlavniMenu->addMenu(xx);
    Vsledky1 = HlavniMenu->addMenu(diagram);
    Npovda1 = HlavniMenu->addMenu(help);
    HintTracker::Instance().TrackMenuBar(HlavniMenu);

    OpenMotor = AddItem(xx, QT_TR_NOOP("&Otevřít motor..."), QT_TR_NOOP("Otevření motoru uloženého v souboru"),
                        &TMainForm::OpenMotorClick);
    OpenMotor->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveMotor = AddItem(xx, QT_TR_NOOP("Uložit &motor..."), QT_TR_NOOP("Uložení vstupních hodnot motoru do souboru"),
                        &TMainForm::SaveMotorClick);
    SaveMotor->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    RecentMotorsMenu = newMenu(QT_TR_NOOP("Naposledy otevřené"));
    RecentMotors = xx->addMenu(RecentMotorsMenu);
    language::Bind(this, RecentMotors, "statusTip", QT_TR_NOOP("Motory otevřené nebo uložené naposledy"));
    MotorSeparator = xx->addSeparator();

    SaveDiagramItem = AddItem(
        xx, QT_TR_NOOP("&Uložit diagram..."),
        QT_TR_NOOP("Uložení kruhového diagramu ve skutečném měřítku do souboru PDF, SVG nebo PNG"),
        &TMainForm::SaveDiagramClick);
    SaveDiagramItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    PrintDiagramItem = AddItem(xx, QT_TR_NOOP("&Tisk diagramu..."),
                               QT_TR_NOOP("Tisk kruhového diagramu ve skutečném měřítku"),
                               &TMainForm::PrintDiagramClick);
    PrintDiagramItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    CopyDiagramItem = AddItem(xx, QT_TR_NOOP("&Kopírovat diagram"),
                              QT_TR_NOOP("Zkopírování kruhového diagramu do schránky"), &TMainForm::CopyDiagramClick);
    CopyDiagramItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    DiagramSeparator = xx->addSeparator();
    Konec1 = AddItem(xx, QT_TR_NOOP("&Konec"), QT_TR_NOOP("Ukončení programu"), &TMainForm::Konec1Click);
    Konec1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_K));

    std::tie(Vstupnhodnoty1, N1, Souradnice, Momentovka) = AddDiagramItems(diagram);

    Licennujednn1 = AddItem(help, QT_TR_NOOP("&Licenční ujednání"),
                            QT_TR_NOOP("Podmínky pro používání tohoto programu"), &TMainForm::Licennujednn1Click);
    N3 = help->addSeparator();
    Copyright1 = AddItem(help, QT_TR_NOOP("&Copyright"), QT_TR_NOOP("Informace o autorovi"),
                         &TMainForm::Copyright1Click);
    AddLanguageMenu(help);

    PodMenu1 = newMenu(nullptr);
    PodMenu1->setObjectName(QStringLiteral("PodMenu1"));
    std::tie(Vstupnhodnoty3, N2, Souadnicebodprokonstrukci1, Momentovcharakteristika1) = AddDiagramItems(PodMenu1);

    // Both menus show F2, but one key press must run the handler once: the popup item, which the
    // key reaches first, owns the shortcut (an action of the window, so it works while the popup is
    // closed); the main menu's item only shows the shortcut text.
    Vstupnhodnoty3->setShortcut(QKeySequence(Qt::Key_F2));
    Vstupnhodnoty3->setShortcutContext(Qt::WindowShortcut);
    addAction(Vstupnhodnoty3);
    language::AddSuffix(Vstupnhodnoty1, "text", QStringLiteral("\tF2"));

    // The measured readings, with F3 owned by the popup item as F2 is.
    MeasuredInput = AddMeasuredItem(diagram, N1);
    MeasuredInputPopup = AddMeasuredItem(PodMenu1, N2);
    MeasuredInputPopup->setShortcut(QKeySequence(Qt::Key_F3));
    MeasuredInputPopup->setShortcutContext(Qt::WindowShortcut);
    addAction(MeasuredInputPopup);
    language::AddSuffix(MeasuredInput, "text", QStringLiteral("\tF3"));

    // The current motor's values, after the other input items; Shift+F2 owned by the popup item.
    EditInput = AddEditItem(diagram, N1);
    EditInputPopup = AddEditItem(PodMenu1, N2);
    EditInputPopup->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F2));
    EditInputPopup->setShortcutContext(Qt::WindowShortcut);
    addAction(EditInputPopup);
    language::AddSuffix(EditInput, "text", u'\t' + EditInputPopup->shortcut().toString(QKeySequence::NativeText));

    FillRecentMotors();
    setAcceptDrops(true);

    TorqueLineSeparator = diagram->addSeparator();
    TorqueLineItem = AddItem(diagram, TorqueLineCaption, TorqueLineHint, &TMainForm::TorqueLineClick);
    TorqueLineItem->setCheckable(true);
    TorqueLineItem->setChecked(Konstrukce.torqueLine == TorqueLine::NoLoadLine); // as the last run left it

    GuardHandler([this] { FormCreate(this); });
}

QAction* TMainForm::AddItem(QMenu* menu, const char* caption, const char* hint, void (TMainForm::*handler)(QObject*))
{
    QAction* action = menu->addAction(QString());
    language::Bind(this, action, "text", caption);
    language::Bind(this, action, "statusTip", hint);
    connect(action, &QAction::triggered, this,
            [this, action, handler] { GuardHandler([this, action, handler] { (this->*handler)(action); }); });
    return action;
}

std::tuple<QAction*, QAction*, QAction*, QAction*> TMainForm::AddDiagramItems(QMenu* menu)
{
    QAction* input = AddItem(menu, QT_TR_NOOP("&Vstupní hodnoty..."), QT_TR_NOOP("Zadání vstupních hodnot pro výpočet"),
                             &TMainForm::Vstupnhodnoty1Click);
    QAction* separator = menu->addSeparator();
    QAction* coordinates = AddItem(menu, QT_TR_NOOP("&Souřadnice bodů pro konstrukci"),
                                   QT_TR_NOOP("Vypočtené souřadnice všech bodů které jsou potřeba pro konstrukci"),
                                   &TMainForm::SouradniceClick);
    QAction* torque = AddItem(menu, QT_TR_NOOP("&Momentová charakteristika"),
                              QT_TR_NOOP("Vypočtené hodnoty momentu pro jednotlivé skluzy od 0 do 1 (po 0,05)"),
                              &TMainForm::MomentovkaClick);
    return {input, separator, coordinates, torque};
}

QAction* TMainForm::InsertItem(QMenu* menu, QAction* before, const char* caption, const char* hint,
                               void (TMainForm::*handler)(QObject*))
{
    QAction* item = AddItem(menu, caption, hint, handler);
    menu->removeAction(item);
    menu->insertAction(before, item);
    return item;
}

QAction* TMainForm::AddMeasuredItem(QMenu* menu, QAction* before)
{
    return InsertItem(menu, before, QT_TR_NOOP("&Naměřené hodnoty..."),
                      QT_TR_NOOP("Zadání hodnot naměřených při zkouškách naprázdno a nakrátko"),
                      &TMainForm::MeasuredInputClick);
}

QAction* TMainForm::AddEditItem(QMenu* menu, QAction* before)
{
    return InsertItem(menu, before, QT_TR_NOOP("&Upravit zadání..."),
                      QT_TR_NOOP("Úprava vstupních hodnot motoru, který je právě spočten"), &TMainForm::EditInputClick);
}

void TMainForm::FillRecentMotors()
{
    RecentMotorsMenu->clear();
    const QStringList files = settings::RecentMotors();
    for (int i = 0; i < files.size(); ++i) {
        // "&1 motor.orbitek"; where another file of the list has the same name, its folder after it;
        // the status line gives the whole path.
        const QString name = QFileInfo(files[i]).fileName();
        const bool clash = std::count_if(files.begin(), files.end(),
                                         [&name](const QString& f) { return QFileInfo(f).fileName() == name; }) > 1;
        QString shown = name;
        if (clash)
            shown += QStringLiteral(" (") + QDir::toNativeSeparators(QFileInfo(files[i]).absolutePath()) + u')';
        QAction* item = RecentMotorsMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(shown.replace(u'&', QStringLiteral("&&"))));
        item->setStatusTip(QDir::toNativeSeparators(files[i]));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { GuardHandler([this, path] { OpenMotorFile(path); }); });
    }
    if (files.isEmpty())
        RecentMotorsMenu->addAction(tr("(žádné)"))->setEnabled(false);
}

QWidget* TMainForm::MakeCurvesPane()
{
    CurvesPane = new QWidget(this);
    CurvesPane->setObjectName(QStringLiteral("CurvesPane"));
    PointBar = new OperatingPointBar(CurvesPane);
    auto* axisCaption = new QLabel(CurvesPane);
    language::Bind(this, axisCaption, "text", CurvesAxisCaption);
    CurvesAxisBox = new QComboBox(CurvesPane);
    CurvesAxisBox->setObjectName(QStringLiteral("CurvesAxisBox"));
    for (const char* item : CurvesAxisItems)
        CurvesAxisBox->addItem(tr(item));
    language::Bind(this, CurvesAxisBox, "statusTip", CurvesAxisHint);
    Curves = new CurvesView(CurvesPane);
    auto* axisRow = new QHBoxLayout;
    axisRow->setContentsMargins(PaneSpacing, 0, PaneSpacing, 0);
    axisRow->setSpacing(PaneSpacing);
    axisRow->addWidget(axisCaption);
    axisRow->addWidget(CurvesAxisBox);
    axisRow->addStretch(1);
    auto* column = new QVBoxLayout(CurvesPane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(PaneSpacing);
    column->addWidget(PointBar);
    column->addLayout(axisRow);
    column->addWidget(Curves, 1);
    connect(CurvesAxisBox, &QComboBox::currentIndexChanged, this,
            [this](int i) { Curves->SetAxis(i == 1 ? diagram::CurvesAxis::Output : diagram::CurvesAxis::Slip); });
    return CurvesPane;
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

void TMainForm::EditInputClick(QObject*)
{
    if (!current_) {
        ShowDialog(ZadaniDlg); // nothing to edit yet: the defaults, as F2
        return;
    }
    // What the dialog accepts while this runs edits the motor shown, even should an error leave it.
    struct Editing {
        bool& flag;
        explicit Editing(bool& f) : flag(f) { flag = true; }
        ~Editing() { flag = false; }
    } editing(editing_);
    if (const auto* form = std::get_if<InputForm>(&current_->motor.input)) {
        if (ZadaniDlg != nullptr)
            ZadaniDlg->ShowOnNextShowing(TypedInputOf(*form));
        ShowDialog(ZadaniDlg);
    } else {
        if (MeasuredDlg != nullptr)
            MeasuredDlg->SetReadings(TypedReadingsOf(std::get<MeasuredForm>(current_->motor.input)));
        ShowDialog(MeasuredDlg);
    }
}

void TMainForm::OpenMotorClick(QObject*)
{
    if (const std::optional<QString> path = AskMotorToOpen(this))
        OpenMotorFile(*path);
}

void TMainForm::SaveMotorClick(QObject*)
{
    if (!current_) {
        ShowErrorMessage(tr(NoDiagramYet));
        return;
    }
    if (const std::optional<QString> path = AskMotorToSave(this, current_->path))
        SaveMotorTo(*path);
}

bool TMainForm::SaveMotorTo(const QString& path)
{
    MotorFile motor = current_->motor;
    motor.torqueLine = Konstrukce.torqueLine;
    motor.at.reset(); // the point shown now, not the one the file was opened with
    if (point_)
        motor.at = ::AskedValue{point_->quantity,
                                FileNumber(OperatingPointBar::ValueText(point_->value).toStdString())};
    if (const std::optional<QString> error = WriteMotorFile(path, motor)) {
        ShowErrorMessage(SaveMotorErrorText(path, *error));
        return false;
    }
    current_->path = path;
    current_->edited = false;
    settings::AddRecentMotor(path);
    RememberMotorFolder(path);
    FillRecentMotors();
    ShowMotorTitle();
    return true;
}

bool TMainForm::HasUnsavedMotorEdits() const
{
    return current_ && !current_->path.isEmpty() && current_->edited;
}

void TMainForm::CloseWithoutAsking()
{
    closingWithoutAsking_ = true;
    close();
    closingWithoutAsking_ = false;
}

bool TMainForm::MayCloseMotor()
{
    if (!HasUnsavedMotorEdits())
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle().remove(QStringLiteral("[*]")), tr("Uložit změny motoru?"),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("SaveQuestion"));
    box.setInformativeText(QDir::toNativeSeparators(current_->path));
    QPushButton* save = box.addButton(tr("Uložit"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("Zahodit"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Storno"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == discard)
        return true;
    return box.clickedButton() == save && SaveMotorTo(current_->path);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!closingWithoutAsking_ && !MayCloseMotor()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::ShowDocumentTitle()
{
    QString name;
    if (current_)
        name = current_->path.isEmpty() ? QString::fromStdString(current_->motor.name)
                                        : QFileInfo(current_->path).fileName();
    // "[*]" where Qt puts the modified mark; one in the name itself would be taken for it.
    name.replace(QStringLiteral("[*]"), QStringLiteral("[ *]"));
    language::Bind(this, this, "windowTitle", WindowCaption,
                   name.isEmpty() ? QString() : QStringLiteral(" — ") + name + QStringLiteral("[*]"));
    setWindowModified(!name.isEmpty() && current_->edited);
}

void TMainForm::OpenMotorFile(const QString& path)
{
    MotorFile motor;
    try {
        motor = ReadMotorFile(path);
    } catch (const EMotorFileError& error) {
        if (!QFileInfo::exists(path)) {
            settings::RemoveRecentMotor(path); // gone: no use offering it again
            FillRecentMotors();
        }
        ShowErrorMessage(QString::fromStdString(error.what()));
        return;
    }
    if (const std::optional<std::string> rejection = AcceptMotor(motor, Konstrukce)) {
        ShowErrorMessage(QString::fromStdString(*rejection));
        return;
    }
    current_ = CurrentMotor{std::move(motor), QFileInfo(path).absoluteFilePath(), false}; // as the recent list has it
    settings::AddRecentMotor(path);
    RememberMotorFolder(path);
    FillRecentMotors();
    TorqueLineItem->setChecked(Konstrukce.torqueLine == TorqueLine::NoLoadLine); // the file's, where it names one
    // The file's operating point replaces the one shown; without one, the point asked before stays.
    if (const std::optional<::AskedValue>& at = current_->motor.at) {
        point_ = AskedValue{at->quantity, TextToNumber(TypedNumber(at->value))};
        PointBar->ShowPoint(at->quantity, point_->value);
    }
    ShowAcceptedCalculation();
}

void TMainForm::InputAccepted()
{
    if (ZadaniDlg != nullptr)
        TakeAcceptedMotor(InputFormOf(ZadaniDlg->TypedValues()));
}

void TMainForm::ReadingsAccepted()
{
    if (MeasuredDlg != nullptr)
        TakeAcceptedMotor(MeasuredFormOf(MeasuredDlg->Readings()));
}

void TMainForm::TakeAcceptedMotor(std::variant<InputForm, MeasuredForm> input)
{
    CurrentMotor next;
    if (editing_ && current_) {
        next = *current_;
        next.edited = current_->edited || input != current_->motor.input;
    }
    next.motor.input = std::move(input);
    next.motor.torqueLine = Konstrukce.torqueLine;
    current_ = std::move(next);
    ShowAcceptedCalculation();
}

void TMainForm::ShowMotorTitle()
{
    ShowDocumentTitle();
    if (current_)
        Diagram->SetMotorTitle(MotorTitle(*current_), QString::fromStdString(current_->motor.note));
}

void TMainForm::SaveSettings()
{
    settings::SetWindowGeometry(saveGeometry());
    settings::SetSplitterState(ClientArea->saveState());
    settings::SetTorqueLineChoice(Konstrukce.torqueLine);
    settings::SetCurvesAxisChoice(CurvesAxisBox->currentIndex() == 1 ? diagram::CurvesAxis::Output
                                                                     : diagram::CurvesAxis::Slip);
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
        ShowOwnErrorMessage(tr(NoDiagramYet));
}

void TMainForm::PrintDiagramClick(QObject*)
{
    if (Diagram->CurrentDiagram())
        PrintDiagram(this, *Diagram->CurrentDiagram());
    else
        ShowOwnErrorMessage(tr(NoDiagramYet));
}

void TMainForm::CopyDiagramClick(QObject*)
{
    if (Diagram->CurrentDiagram())
        CopyDiagram(*Diagram->CurrentDiagram());
    else
        ShowOwnErrorMessage(tr(NoDiagramYet));
}

void TMainForm::TorqueLineClick(QObject*)
{
    SetTorqueLine(TorqueLineItem->isChecked() ? TorqueLine::NoLoadLine : TorqueLine::Axis);
}

void TMainForm::ShowAcceptedCalculation()
{
    GuardHandler([this] { ShowDiagram(true); });
}

void TMainForm::ShowDiagram(bool fit)
{
    if (!MotorAccepted()) {
        PointBar->ShowMessage(point_ ? tr(NoDiagramYet) : QString());
        return;
    }
    PointBar->SetLineFactor(LineFactor());
    const CharacteristicPoints c = ReadCharacteristicPoints(Konstrukce);
    std::optional<AskedPoint> asked;
    if (point_)
        asked = AskedPoint{point_->quantity, point_->value,
                           SolveOperatingPoint(Konstrukce, point_->quantity, point_->value), false, LineFactor()};
    std::optional<diagram::Diagram> d = diagram::MakeDiagram(Konstrukce, c, {}, asked);
    if (!d && asked) // no page for the point's block: the motor without it rather than the one before
        d = diagram::MakeDiagram(Konstrukce, c);
    if (!d)
        return;
    ShowDocumentTitle();
    if (current_) {
        d->texts.motor = MotorTitle(*current_);
        d->texts.note = QString::fromStdString(current_->motor.note);
    }
    const std::optional<OperatingPoint> at = diagram::PointOf(*d);
    Curves->SetCalculation(*d);
    if (fit)
        Diagram->SetDiagram(std::move(*d));
    else
        Diagram->ReplaceDiagram(std::move(*d));
    Curves->SetOperatingPoint(at);
    QString message = asked ? QString::fromStdString(NoPointText(asked->quantity, asked->value, asked->solution))
                            : QString();
    if (asked && asked->quantity == OperatingQuantity::Torque && asked->solution.point)
        if (const std::optional<PointValues> high = HighSlipTorquePoint(Konstrukce, asked->value);
            high && high->values.slip && high->values.current)
            message = tr(SecondTorquePoint)
                          .arg(QString::fromStdString(NumberToGroupedText(*high->values.slip)),
                               QString::fromStdString(NumberToGroupedText(*high->values.current)));
    PointBar->ShowMessage(message);
}

std::optional<long double> TMainForm::LineFactor() const
{
    if (current_)
        if (const auto* measured = std::get_if<MeasuredForm>(&current_->motor.input))
            return LineCurrentFactor(measured->readings);
    return std::nullopt;
}

void TMainForm::AskPoint(OperatingQuantity quantity, long double value)
{
    if (MotorAccepted()) {
        const OperatingPointSolution s = SolveOperatingPoint(Konstrukce, quantity, value);
        if (!s.point) {
            PointBar->ShowMessage(QString::fromStdString(NoPointText(quantity, value, s)));
            PointBar->ValueEdit->selectAll();
            return;
        }
    }
    SetOperatingPoint(quantity, value);
}

void TMainForm::SetOperatingPoint(OperatingQuantity quantity, long double value)
{
    point_ = AskedValue{quantity, value};
    PointBar->ShowPoint(quantity, value);
    ShowDiagram(false);
}

void TMainForm::ClearOperatingPoint()
{
    const bool had = point_.has_value();
    point_.reset();
    PointBar->Clear();
    if (had)
        ShowDiagram(false);
}

TorqueLine TMainForm::CurrentTorqueLine() const
{
    return Konstrukce.torqueLine;
}

void TMainForm::SetTorqueLine(TorqueLine line)
{
    // The check item shows the record's line whatever happens below, a refusal or a fault included.
    struct Follow {
        QAction* item;
        ~Follow() { item->setChecked(Konstrukce.torqueLine == TorqueLine::NoLoadLine); }
    } follow{TorqueLineItem};
    if (line == Konstrukce.torqueLine)
        return;
    if (!MotorAccepted()) {
        Konstrukce.torqueLine = line;
        return;
    }
    // The same motor computed anew on a copy, which becomes the record only whole.
    TKonstrukce next = Konstrukce;
    next.torqueLine = line;
    const MotorValues values{Konstrukce.PrNapr,
                             Konstrukce.UcNapr,
                             Konstrukce.PrNakr,
                             Konstrukce.UcNakr,
                             Konstrukce.FazoveNapeti,
                             Konstrukce.R1f,
                             static_cast<int>(Konstrukce.Spotrebic),
                             Konstrukce.SynchrOtacky};
    if (const std::optional<Rejection> rejection = AcceptValues(values, next)) {
        ShowErrorMessage(QString::fromStdString(rejection->message));
        return;
    }
    Konstrukce = next;
    ShowDiagram(false);
}

void TMainForm::SetCurvesAxis(diagram::CurvesAxis axis)
{
    CurvesAxisBox->setCurrentIndex(axis == diagram::CurvesAxis::Output ? 1 : 0);
    Curves->SetAxis(axis);
}

void TMainForm::PlaceForFirstShow()
{
    ClientArea->restoreState(settings::SplitterState()); // an empty or foreign state changes nothing
    const QByteArray geometry = settings::WindowGeometry();
    if (!geometry.isEmpty() && restoreGeometry(geometry))
        return; // where the user left it, instead of centred at the design size
    winId();    // the native window exists from creation on; its frame may be known now
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
        watched == ClientArea->handle(1) || watched == CurvesPane || watched == PointBar;
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

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (!MotorFilesOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    const QStringList files = MotorFilesOf(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Once the drop is over: a message about the file must not hold the dragging program.
    const QString path = files.constFirst();
    QTimer::singleShot(0, this, [this, path] { GuardHandler([this, path] { OpenMotorFile(path); }); });
}

void TMainForm::AddLanguageMenu(QMenu* help)
{
    help->addSeparator();
    LanguageMenu = new QMenu(LanguageMenuCaption, this);
    LanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    LanguageMenu->setFont(font());
    HintTracker::Instance().TrackMenu(LanguageMenu);
    help->addMenu(LanguageMenu);
    auto* choices = new QActionGroup(this);
    for (const Language language : {Language::Czech, Language::English}) {
        QAction* item = LanguageMenu->addAction(LanguageItems[int(language)]);
        item->setCheckable(true);
        item->setData(QString::fromLatin1(LanguageCode(language)));
        choices->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] {
            GuardHandler([language] {
                settings::SetLanguageChoice(language);
                if (language != CurrentLanguage())
                    SetLanguage(language);
            });
        });
    }
    LanguageMenu->menuAction()->setStatusTip(QStringLiteral("Jazyk programu / The program's language"));
    CheckLanguage();
}

void TMainForm::CheckLanguage()
{
    for (QAction* item : LanguageMenu->actions())
        item->setChecked(item->data().toString() == QString::fromLatin1(LanguageCode(CurrentLanguage())));
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        GuardHandler([this] { Retranslate(); });
    QMainWindow::changeEvent(event);
}

void TMainForm::Retranslate()
{
    language::Retranslate(this);
    CheckLanguage();
    for (int i = 0; i < CurvesAxisBox->count(); ++i)
        CurvesAxisBox->setItemText(i, tr(CurvesAxisItems[i]));
    FillRecentMotors();
    ShowMotorTitle();
    // The diagram's names, the curves' captions and the point's message are made from the motor anew.
    ShowDiagram(false);
    Diagram->update();
    Curves->update();
}

void TMainForm::OpenPopup(const QPoint& globalPos)
{
    PodMenu1->popup(globalPos);
}

bool StartUp(const QString& motorFile, std::optional<Language> language)
{
    SetApplicationTitle();
    SetLanguage(language.value_or(settings::LanguageChoice()));
    InstallFontSubstitutes();
    QApplication::setFont(DialogFont());
    LoadNumberSeparators();
    Konstrukce.torqueLine = settings::TorqueLineChoice();
    CreateWindows();
    if (MainForm == nullptr)
        return false;
    MainForm->SetCurvesAxis(settings::CurvesAxisChoice());
    MainForm->PlaceForFirstShow();
    MainForm->show();
    if (!motorFile.isEmpty())
        QTimer::singleShot(0, MainForm,
                           [motorFile] { GuardHandler([motorFile] { MainForm->OpenMotorFile(motorFile); }); });
    return true;
}

void CreateWindows()
{
    GuardHandler([] { MainForm = new TMainForm; });
    QWidget* owner = MainForm;
    GuardHandler([owner] { AboutBox = new TAboutBox(owner); });
    GuardHandler([owner] { ZadaniDlg = new TZadaniDlg(owner); });
    if (MainForm != nullptr && ZadaniDlg != nullptr)
        QObject::connect(ZadaniDlg, &TZadaniDlg::CalculationAccepted, MainForm, &TMainForm::InputAccepted);
    GuardHandler([owner] { Tabulka1 = new TTabulka1(owner); });
    GuardHandler([owner] { LicPodm = new TLicPodm(owner); });
    GuardHandler([owner] { SouradniceDlg = new TSouradniceDlg(owner); });
    GuardHandler([owner] { MeasuredDlg = new MeasuredDialog(owner); });
    if (MainForm != nullptr && MeasuredDlg != nullptr)
        QObject::connect(MeasuredDlg, &MeasuredDialog::CalculationAccepted, MainForm, &TMainForm::ReadingsAccepted);
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
