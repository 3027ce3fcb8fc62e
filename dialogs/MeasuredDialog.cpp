// The measured values dialog: the readings of the no-load and locked-rotor tests as a lab sheet gives
// them, and the inputs they give, shown as they are typed.
#include "MeasuredDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "Controls.h"
#include "ErrorDisplay.h"
#include "Language.h"

MeasuredDialog* MeasuredDlg = nullptr;

namespace {

// Every text of the dialog.
namespace text {
const char* const Title = QT_TRANSLATE_NOOP("MeasuredDialog", "Naměřené hodnoty");
const char* const Motor = QT_TRANSLATE_NOOP("MeasuredDialog", "Motor");
const char* const NoLoad = QT_TRANSLATE_NOOP("MeasuredDialog", "Zkouška naprázdno");
const char* const Locked = QT_TRANSLATE_NOOP("MeasuredDialog", "Zkouška nakrátko");
const char* const StatorResistance = QT_TRANSLATE_NOOP("MeasuredDialog", "Odpor statoru");
const char* const Derived = QT_TRANSLATE_NOOP("MeasuredDialog", "Odvozené vstupní hodnoty");

const char* const RatedVoltage = QT_TRANSLATE_NOOP("MeasuredDialog", "Jmenovité napětí");
const char* const Connection = QT_TRANSLATE_NOOP("MeasuredDialog", "Spojení");
const char* const Star = QT_TRANSLATE_NOOP("MeasuredDialog", "hvězda");
const char* const Delta = QT_TRANSLATE_NOOP("MeasuredDialog", "trojúhelník");
const char* const Phases = QT_TRANSLATE_NOOP("MeasuredDialog", "Počet fází");
const char* const Frequency = QT_TRANSLATE_NOOP("MeasuredDialog", "Kmitočet");
const char* const Hz50 = "50 Hz";
const char* const Hz60 = "60 Hz";
const char* const Poles = QT_TRANSLATE_NOOP("MeasuredDialog", "Počet pólů 2p");
const char* const PolesNotGiven = QT_TRANSLATE_NOOP("MeasuredDialog", "neuvedeno");
const char* const NoLoadVoltage = QT_TRANSLATE_NOOP("MeasuredDialog", "Napětí U0");
const char* const NoLoadCurrent = QT_TRANSLATE_NOOP("MeasuredDialog", "Proud I0");
const char* const NoLoadPower = QT_TRANSLATE_NOOP("MeasuredDialog", "Příkon P0");
const char* const LockedVoltage = QT_TRANSLATE_NOOP("MeasuredDialog", "Napětí Uk");
const char* const LockedCurrent = QT_TRANSLATE_NOOP("MeasuredDialog", "Proud Ik");
const char* const LockedPower = QT_TRANSLATE_NOOP("MeasuredDialog", "Příkon Pk");
const char* const NoLoadPowerFactor = QT_TRANSLATE_NOOP("MeasuredDialog", "Účiník cos φ0");
const char* const LockedPowerFactor = QT_TRANSLATE_NOOP("MeasuredDialog", "Účiník cos φk");
const char* const PowerKind = "P (W)";
const char* const PowerFactorKind = "cos φ";
const char* const PowerKindHint = QT_TRANSLATE_NOOP("MeasuredDialog",
                                                    "Zadává se příkon ve W, nebo účiník, jak jej uvádí zadání");
const char* const PowerFactorHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Účiník při zkoušce");
const char* const PerPhase = QT_TRANSLATE_NOOP("MeasuredDialog", "na fázi");
const char* const Terminals = QT_TRANSLATE_NOOP("MeasuredDialog", "mezi svorkami");
const char* const Share = QT_TRANSLATE_NOOP("MeasuredDialog", "podíl rotoru");
const char* const PerPhaseValue = QT_TRANSLATE_NOOP("MeasuredDialog", "Odpor R1 na fázi");
const char* const TerminalsValue = QT_TRANSLATE_NOOP("MeasuredDialog", "Odpor mezi dvěma svorkami");
const char* const ShareValue = QT_TRANSLATE_NOOP("MeasuredDialog", "Podíl rotoru q na ztrátách nakrátko");
const char* const Pair = QT_TRANSLATE_NOOP("MeasuredDialog", "R1 a R2'");
const char* const Ratio = QT_TRANSLATE_NOOP("MeasuredDialog", "poměr rotor : stator");
const char* const RatioValue = QT_TRANSLATE_NOOP("MeasuredDialog", "Poměr ztrát rotoru a statoru r");
const char* const RotorReferred = QT_TRANSLATE_NOOP("MeasuredDialog", "Odpor R2' na fázi");
const char* const RotorOwnSide = QT_TRANSLATE_NOOP("MeasuredDialog", "Odpor R2 na fázi rotoru");
const char* const Turns = QT_TRANSLATE_NOOP("MeasuredDialog", "Převod a (je-li R2 na straně rotoru)");
const char* const RotorHint = QT_TRANSLATE_NOOP(
    "MeasuredDialog", "Odpor rotoru přepočtený na stator, nebo na straně rotoru, je-li zadán převod");
const char* const TurnsHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Převod a: R2' = a² R2; prázdné pole pro R2'");
const char* const Factor = QT_TRANSLATE_NOOP("MeasuredDialog", "Součinitel odporu");
const char* const Volts = "V";
const char* const Amperes = "A";
const char* const Watts = "W";
const char* const Ohms = "Ω";
const char* const DefaultFactor = "1";
const char* const Ok = "OK";
const char* const Cancel = QT_TRANSLATE_NOOP("MeasuredDialog", "Storno");

// Hints for the status line.
const char* const RatedVoltageHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Jmenovité sdružené napětí motoru");
const char* const ConnectionHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Spojení vinutí statoru");
const char* const PhasesHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Počet fází motoru");
const char* const FrequencyHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Kmitočet napájecí sítě");
const char* const PolesHint = QT_TRANSLATE_NOOP("MeasuredDialog",
                                                "Počet pólů motoru; s kmitočtem dává synchronní otáčky");
const char* const VoltageHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Sdružené napětí při zkoušce");
const char* const CurrentHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Proud ve vedení při zkoušce");
const char* const PowerHint = QT_TRANSLATE_NOOP("MeasuredDialog",
                                                "Příkon všech fází při zkoušce (součet údajů wattmetrů)");
const char* const ResistanceKindHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Co bylo u odporu statoru změřeno");
const char* const ResistanceHint = QT_TRANSLATE_NOOP(
    "MeasuredDialog", "Odpor statoru, nebo podíl rotoru na ztrátách ve vinutí při zkoušce nakrátko");
const char* const FactorHint = QT_TRANSLATE_NOOP(
    "MeasuredDialog", "Součinitel, kterým se naměřený odpor násobí (oteplení, střídavý odpor)");
const char* const DerivedHint = QT_TRANSLATE_NOOP("MeasuredDialog",
                                                  "Vstupní hodnoty výpočtu odvozené z naměřených hodnot");
const char* const OkHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Převzetí naměřených hodnot a výpočet");
const char* const CancelHint = QT_TRANSLATE_NOOP("MeasuredDialog", "Zavření dialogu beze změn");
} // namespace text

constexpr char Context[] = "MeasuredDialog";

QString Text(const char* s)
{
    return QCoreApplication::translate(Context, s);
}

// `object`'s `property` shows `s` in the interface's language, also after it changes.
template <class Object>
Object* Bound(Object* object, const char* property, const char* s)
{
    language::Bind(object, property, Context, s);
    return object;
}

// An edit box wide enough for a reading such as "12345,678", whatever the font.
class ReadingEdit : public QLineEdit {
public:
    explicit ReadingEdit(QWidget* parent) : QLineEdit(parent) { setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed); }
    QSize sizeHint() const override
    {
        QSize size = QLineEdit::sizeHint();
        size.setWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000,000")) + 12);
        return size;
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

QLabel* Label(const char* s, QWidget* parent)
{
    auto* label = Bound(new QLabel(parent), "text", s);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A row of a group: caption, the edit box, its unit.
QLineEdit* AddEditRow(QGridLayout* grid, const char* caption, const char* unit, const char* hint)
{
    QWidget* parent = grid->parentWidget();
    const int row = grid->rowCount();
    auto* edit = new ReadingEdit(parent);
    Bound(edit, "statusTip", hint);
    QLabel* label = Label(caption, parent);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(Label(unit, parent), row, 2);
    return edit;
}

// A row of radio items in a container of their own, so that each row is a group of its own.
template <std::size_t N>
std::array<QRadioButton*, N> AddRadioRow(QGridLayout* grid, const char* caption, const char* const (&items)[N],
                                         const char* hint)
{
    QWidget* parent = grid->parentWidget();
    const int row = grid->rowCount();
    auto* box = new QWidget(parent);
    Bound(box, "statusTip", hint);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(box);
    std::array<QRadioButton*, N> buttons;
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = Bound(new QRadioButton(box), "text", items[i]);
        group->addButton(buttons[i], static_cast<int>(i));
        layout->addWidget(buttons[i]);
    }
    layout->addStretch();
    buttons[0]->setChecked(true);
    MakeOneTabStop(group);
    if (*caption == '\0') {
        grid->addWidget(box, row, 0, 1, 3);
    } else {
        grid->addWidget(Label(caption, parent), row, 0);
        grid->addWidget(box, row, 1, 1, 2);
    }
    return buttons;
}

// The rows of a group box: caption, value, unit, and room to spare on the right.
QGridLayout* GroupGrid(QWidget* box)
{
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(3, 1);
    return grid;
}

QGridLayout* AddGroup(QGridLayout* outer, const char* title, int row, int column, int rowSpan = 1)
{
    auto* box = Bound(new GroupBox(QString(), outer->parentWidget()), "title", title);
    outer->addWidget(box, row, column, rowSpan, 1);
    return GroupGrid(box);
}

std::string Typed(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

} // namespace

MeasuredDialog::MeasuredDialog(QWidget* parent) : ModalDialog(parent)
{
    Bound(this, "windowTitle", text::Title);
    auto* outer = new QGridLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize); // sized for its texts in whatever font

    QGridLayout* motor = AddGroup(outer, text::Motor, 0, 0);
    RatedVoltage = AddEditRow(motor, text::RatedVoltage, text::Volts, text::RatedVoltageHint);
    const auto connection = AddRadioRow(motor, text::Connection, {text::Star, text::Delta}, text::ConnectionHint);
    Star = connection[0];
    Delta = connection[1];
    const auto phases = AddRadioRow(motor, text::Phases, {"3", "1"}, text::PhasesHint);
    ThreePhases = phases[0];
    OnePhase = phases[1];
    const auto hertz = AddRadioRow(motor, text::Frequency, {text::Hz50, text::Hz60}, text::FrequencyHint);
    Hz50 = hertz[0];
    Hz60 = hertz[1];
    Poles = new QComboBox(motor->parentWidget());
    Bound(Poles, "statusTip", text::PolesHint);
    Poles->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (const SpeedChoice& s : SpeedTable)
        Poles->addItem(QString::number(s.poles));
    Poles->addItem(Text(text::PolesNotGiven)); // last: the pole count a problem does not print
    Poles->setCurrentIndex(DefaultSpeedIndex); // as the input dialog and the calculator start
    const int polesRow = motor->rowCount();
    QLabel* polesLabel = Label(text::Poles, motor->parentWidget());
    polesLabel->setBuddy(Poles);
    motor->addWidget(polesLabel, polesRow, 0);
    motor->addWidget(Poles, polesRow, 1);

    auto* tests = new QHBoxLayout;
    outer->addLayout(tests, 1, 0);
    auto testGroup = [this, tests](const char* title) {
        auto* box = Bound(new GroupBox(QString(), this), "title", title);
        tests->addWidget(box);
        return GroupGrid(box);
    };
    QGridLayout* noLoad = testGroup(text::NoLoad);
    NoLoadVoltage = AddEditRow(noLoad, text::NoLoadVoltage, text::Volts, text::VoltageHint);
    NoLoadCurrent = AddEditRow(noLoad, text::NoLoadCurrent, text::Amperes, text::CurrentHint);
    NoLoadPower = AddEditRow(noLoad, text::NoLoadPower, text::Watts, text::PowerHint);
    QGridLayout* locked = testGroup(text::Locked);
    LockedVoltage = AddEditRow(locked, text::LockedVoltage, text::Volts, text::VoltageHint);
    LockedCurrent = AddEditRow(locked, text::LockedCurrent, text::Amperes, text::CurrentHint);
    LockedPower = AddEditRow(locked, text::LockedPower, text::Watts, text::PowerHint);
    // The third row's unit becomes the choice of what it holds.
    auto powerKind = [](QGridLayout* grid) {
        const int row = grid->rowCount() - 1;
        QWidget* unit = grid->itemAtPosition(row, 2)->widget();
        grid->removeWidget(unit);
        delete unit;
        auto* kind = new QComboBox(grid->parentWidget());
        Bound(kind, "statusTip", text::PowerKindHint);
        kind->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        kind->addItem(QString::fromUtf8(text::PowerKind));
        kind->addItem(QString::fromUtf8(text::PowerFactorKind));
        grid->addWidget(kind, row, 2);
        return kind;
    };
    NoLoadPowerKind = powerKind(noLoad);
    LockedPowerKind = powerKind(locked);

    QGridLayout* resistance = AddGroup(outer, text::StatorResistance, 2, 0);
    const auto kinds = AddRadioRow(resistance, "",
                                   {text::PerPhase, text::Terminals, text::Share, text::Pair, text::Ratio},
                                   text::ResistanceKindHint);
    PerPhase = kinds[0];
    Terminals = kinds[1];
    Share = kinds[2];
    Pair = kinds[3];
    Ratio = kinds[4];
    Resistance = AddEditRow(resistance, text::PerPhaseValue, text::Ohms, text::ResistanceHint);
    ResistanceCaption = qobject_cast<QLabel*>(resistance->itemAtPosition(resistance->rowCount() - 1, 0)->widget());
    ResistanceUnit = qobject_cast<QLabel*>(resistance->itemAtPosition(resistance->rowCount() - 1, 2)->widget());
    RotorResistance = AddEditRow(resistance, text::RotorReferred, text::Ohms, text::RotorHint);
    RotorCaption = qobject_cast<QLabel*>(resistance->itemAtPosition(resistance->rowCount() - 1, 0)->widget());
    TurnsRatio = AddEditRow(resistance, text::Turns, "", text::TurnsHint);
    ResistanceFactor = AddEditRow(resistance, text::Factor, "", text::FactorHint);
    ResistanceFactor->setText(Text(text::DefaultFactor));

    QGridLayout* derived = AddGroup(outer, text::Derived, 0, 1, 2);
    Bound(derived->parentWidget(), "statusTip", text::DerivedHint);
    const GridRows rows = DerivedRows({});
    for (std::size_t i = 0; i < DerivedValues.size(); ++i) {
        const GridRow& row = rows[i + 1]; // row 0 is the grid's heading
        QWidget* box = derived->parentWidget();
        DerivedValues[i] = new QLabel(box);
        DerivedValues[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        DerivedValues[i]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00 000,0000")));
        // The captions are the calculator's, in the language of its texts: set again on a change.
        DerivedCaptions[i] = new QLabel(QString::fromStdString(row[0]), box);
        DerivedCaptions[i]->setTextFormat(Qt::PlainText);
        derived->addWidget(DerivedCaptions[i], static_cast<int>(i), 0);
        derived->addWidget(DerivedValues[i], static_cast<int>(i), 1);
        // The units too: the grid's texts are already translated, no source to look up again.
        DerivedUnits[i] = new QLabel(QString::fromStdString(row[2]), box);
        DerivedUnits[i]->setTextFormat(Qt::PlainText);
        derived->addWidget(DerivedUnits[i], static_cast<int>(i), 2);
    }
    derived->setRowStretch(derived->rowCount(), 1);

    // Room for the four warnings there can be, so that the dialog does not jump as they come and go.
    Warnings = new QLabel(this);
    Warnings->setTextFormat(Qt::PlainText);
    Warnings->setWordWrap(true);
    Warnings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Warnings->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    // No wider than the derived values above them, whatever they say: they wrap there, and the
    // dialog keeps its width as they come and go.
    Warnings->setMaximumWidth(derived->parentWidget()->sizeHint().width());
    outer->addWidget(Warnings, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OKBtn = Bound(new QPushButton(this), "text", text::Ok);
    OKBtn->setDefault(true);
    Bound(OKBtn, "statusTip", text::OkHint);
    CancelBtn = Bound(new QPushButton(this), "text", text::Cancel);
    Bound(CancelBtn, "statusTip", text::CancelHint);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    outer->addLayout(buttons, 3, 0, 1, 2);

    // Tab order follows the layout: the motor, the two tests, the resistance, then the buttons.
    QWidget* order[] = {RatedVoltage,
                        Star,
                        Delta,
                        ThreePhases,
                        OnePhase,
                        Hz50,
                        Hz60,
                        Poles,
                        NoLoadVoltage,
                        NoLoadCurrent,
                        NoLoadPower,
                        NoLoadPowerKind,
                        LockedVoltage,
                        LockedCurrent,
                        LockedPower,
                        LockedPowerKind,
                        PerPhase,
                        Terminals,
                        Share,
                        Pair,
                        Ratio,
                        Resistance,
                        RotorResistance,
                        TurnsRatio,
                        ResistanceFactor,
                        OKBtn,
                        CancelBtn};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    const std::pair<QObject*, const char*> names[] = {
        {RatedVoltage, "RatedVoltage"},
        {Star, "Star"},
        {Delta, "Delta"},
        {ThreePhases, "ThreePhases"},
        {OnePhase, "OnePhase"},
        {Hz50, "Hz50"},
        {Hz60, "Hz60"},
        {Poles, "Poles"},
        {NoLoadVoltage, "NoLoadVoltage"},
        {NoLoadCurrent, "NoLoadCurrent"},
        {NoLoadPower, "NoLoadPower"},
        {LockedVoltage, "LockedVoltage"},
        {LockedCurrent, "LockedCurrent"},
        {LockedPower, "LockedPower"},
        {NoLoadPowerKind, "NoLoadPowerKind"},
        {LockedPowerKind, "LockedPowerKind"},
        {PerPhase, "PerPhase"},
        {Terminals, "Terminals"},
        {Share, "Share"},
        {Pair, "Pair"},
        {Ratio, "Ratio"},
        {Resistance, "Resistance"},
        {RotorResistance, "RotorResistance"},
        {TurnsRatio, "TurnsRatio"},
        {ResistanceFactor, "ResistanceFactor"},
        {OKBtn, "OKBtn"},
        {CancelBtn, "CancelBtn"},
    };
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));

    SetButtonResult(OKBtn, mrOk, [this] { AcceptReadings(); });
    SetButtonResult(CancelBtn, mrCancel);
    SetCancelButton(CancelBtn);

    for (QLineEdit* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, &MeasuredDialog::ShowDerived);
    for (QRadioButton* radio : findChildren<QRadioButton*>())
        connect(radio, &QRadioButton::toggled, this, &MeasuredDialog::ShowDerived);
    for (QComboBox* box : findChildren<QComboBox*>())
        connect(box, &QComboBox::currentIndexChanged, this, &MeasuredDialog::ShowDerived);
    ShowDerived();
    RatedVoltage->setFocus();
}

MeasuredReadings MeasuredDialog::Readings() const
{
    MeasuredReadings r;
    r.un = Typed(RatedVoltage);
    r.connection = Star->isChecked() ? choice::Star : choice::Delta;
    r.f = Hz50->isChecked() ? choice::Hz50 : choice::Hz60;
    if (Poles->currentIndex() < static_cast<int>(SpeedTable.size()))
        r.poles = Poles->currentText().toStdString();
    r.phases = ThreePhases->isChecked() ? "3" : "1";
    r.u0 = Typed(NoLoadVoltage);
    r.i0 = Typed(NoLoadCurrent);
    (NoLoadPowerKind->currentIndex() == 1 ? r.pf0 : r.p0) = Typed(NoLoadPower);
    r.uk = Typed(LockedVoltage);
    r.ik = Typed(LockedCurrent);
    (LockedPowerKind->currentIndex() == 1 ? r.pfk : r.pk) = Typed(LockedPower);
    r.r1 = Typed(Resistance);
    r.r1kind = PerPhase->isChecked() ? choice::PerPhase
        : Terminals->isChecked()     ? choice::Terminals
        : Share->isChecked()         ? choice::Share
        : Pair->isChecked()          ? choice::Pair
                                     : choice::Ratio;
    if (!Share->isChecked() && !Ratio->isChecked())
        r.r1factor = Typed(ResistanceFactor);
    if (Pair->isChecked()) {
        r.r2 = Typed(RotorResistance);
        r.turns = Typed(TurnsRatio);
    }
    return r;
}

void MeasuredDialog::SetReadings(const MeasuredReadings& r)
{
    auto set = [](QLineEdit* edit, const std::string& text) { edit->setText(QString::fromStdString(text)); };
    set(RatedVoltage, r.un);
    if (r.connection == choice::Star || r.connection == choice::Delta)
        (r.connection == choice::Star ? Star : Delta)->setChecked(true);
    (r.f == choice::Hz60 ? Hz60 : Hz50)->setChecked(true);
    if (r.poles.empty())
        Poles->setCurrentIndex(static_cast<int>(SpeedTable.size()));
    else if (const int pole = Poles->findText(QString::fromStdString(r.poles)); pole >= 0)
        Poles->setCurrentIndex(pole);
    (r.phases == "1" ? OnePhase : ThreePhases)->setChecked(true);
    set(NoLoadVoltage, r.u0);
    set(NoLoadCurrent, r.i0);
    NoLoadPowerKind->setCurrentIndex(r.pf0.empty() ? 0 : 1);
    set(NoLoadPower, r.pf0.empty() ? r.p0 : r.pf0);
    set(LockedVoltage, r.uk);
    set(LockedCurrent, r.ik);
    LockedPowerKind->setCurrentIndex(r.pfk.empty() ? 0 : 1);
    set(LockedPower, r.pfk.empty() ? r.pk : r.pfk);
    set(Resistance, r.r1);
    (r.r1kind == choice::Terminals   ? Terminals
         : r.r1kind == choice::Share ? Share
         : r.r1kind == choice::Pair  ? Pair
         : r.r1kind == choice::Ratio ? Ratio
                                     : PerPhase)
        ->setChecked(true);
    set(RotorResistance, r.r2);
    set(TurnsRatio, r.turns);
    set(ResistanceFactor, r.r1factor);
}

QWidget* MeasuredDialog::FieldOf(Reading reading) const
{
    switch (reading) {
    case Reading::Un: return RatedVoltage;
    case Reading::Connection: return Star->isChecked() ? Star : Delta;
    case Reading::F: return Hz50->isChecked() ? Hz50 : Hz60;
    case Reading::Poles: return Poles;
    case Reading::Phases: return ThreePhases->isChecked() ? ThreePhases : OnePhase;
    case Reading::U0: return NoLoadVoltage;
    case Reading::I0: return NoLoadCurrent;
    case Reading::P0: return NoLoadPower;
    case Reading::Uk: return LockedVoltage;
    case Reading::Ik: return LockedCurrent;
    case Reading::Pk: return LockedPower;
    case Reading::R1: return Resistance;
    case Reading::R1Kind: return PerPhase;
    case Reading::R1Factor: return ResistanceFactor;
    case Reading::Pf0: return NoLoadPower;
    case Reading::Pfk: return LockedPower;
    case Reading::R2: return RotorResistance;
    case Reading::Turns: return TurnsRatio;
    }
    return nullptr;
}

void MeasuredDialog::ShowDerived()
{
    ShowResistanceKind();
    ShowPowerKinds();
    Star->parentWidget()->setEnabled(ThreePhases->isChecked()); // one phase has no connection
    const MeasuredConversion c = ConvertReadings(Readings());
    const GridRows rows = DerivedRows(c.derived);
    for (std::size_t i = 0; i < DerivedValues.size(); ++i)
        DerivedValues[i]->setText(QString::fromStdString(rows[i + 1][1]));
    QStringList warnings;
    for (const std::string& w : c.warnings)
        warnings << QString::fromStdString(w);
    // A number stays on one line with its unit when the warnings wrap.
    static const QRegularExpression numberThenBlank(QStringLiteral("(\\d) "));
    Warnings->setText(warnings.join(u'\n').replace(numberThenBlank, QStringLiteral("\\1\u00A0")));
}

void MeasuredDialog::changeEvent(QEvent* event)
{
    ModalDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    Poles->setItemText(static_cast<int>(SpeedTable.size()), Text(text::PolesNotGiven));
    const GridRows rows = DerivedRows({});
    for (std::size_t i = 0; i < DerivedCaptions.size(); ++i) {
        DerivedCaptions[i]->setText(QString::fromStdString(rows[i + 1][0]));
        DerivedUnits[i]->setText(QString::fromStdString(rows[i + 1][2]));
    }
    ShowDerived(); // the warnings and the resistance's caption
}

void MeasuredDialog::ShowPowerKinds()
{
    auto show = [](QLineEdit* edit, const QComboBox* kind, const char* powerCaption, const char* factorCaption) {
        const bool factor = kind->currentIndex() == 1;
        for (QLabel* l : edit->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l->buddy() == edit)
                l->setText(Text(factor ? factorCaption : powerCaption));
        edit->setStatusTip(Text(factor ? text::PowerFactorHint : text::PowerHint));
    };
    show(NoLoadPower, NoLoadPowerKind, text::NoLoadPower, text::NoLoadPowerFactor);
    show(LockedPower, LockedPowerKind, text::LockedPower, text::LockedPowerFactor);
}

void MeasuredDialog::ShowResistanceKind()
{
    const bool share = Share->isChecked();
    const bool ratio = Ratio->isChecked();
    const bool pair = Pair->isChecked();
    ResistanceCaption->setText(Text(share                        ? text::ShareValue
                                        : ratio                  ? text::RatioValue
                                        : Terminals->isChecked() ? text::TerminalsValue
                                                                 : text::PerPhaseValue));
    ResistanceUnit->setText(share || ratio ? QString() : Text(text::Ohms));
    ResistanceFactor->setEnabled(!share && !ratio); // neither is a measured resistance
    RotorResistance->setEnabled(pair);
    TurnsRatio->setEnabled(pair);
    RotorCaption->setText(Text(TurnsRatio->text().trimmed().isEmpty() ? text::RotorReferred : text::RotorOwnSide));
}

void MeasuredDialog::AcceptReadings()
{
    // Caught here rather than by the guard so that the dialog can stay open once the box is gone.
    try {
        const MeasuredOutcome outcome = AcceptMeasured(Readings(), Konstrukce);
        if (outcome.rejection) {
            ShowErrorMessage(QString::fromStdString(outcome.rejection->message));
            StayOpenAt(FieldOf(outcome.rejection->field));
        } else {
            emit CalculationAccepted();
        }
    } catch (const EMathError& error) {
        ShowUnhandledError(error);
        StayOpenAt(nullptr);
    }
}

void MeasuredDialog::StayOpenAt(QWidget* field)
{
    SetModalResult(mrNone);
    if (field == nullptr)
        return;
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}
