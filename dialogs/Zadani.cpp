// The input dialog: the motor's test data.
#include "Zadani.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "Controls.h"
#include "ErrorDisplay.h"
#include "Fonts.h"
#include "Language.h"

TZadaniDlg* ZadaniDlg = nullptr;

namespace {

constexpr char Context[] = "TZadaniDlg";

// The phase table's captions, which the window shows in the interface's language.
[[maybe_unused]] constexpr const char* PhaseCaptions[] = {QT_TRANSLATE_NOOP("TZadaniDlg", "1-fázový"),
                                                          QT_TRANSLATE_NOOP("TZadaniDlg", "3-fázový")};

QLineEdit* PlaceEdit(QWidget* parent, const QRect& geometry, const char* hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    language::Bind(edit, "statusTip", Context, hint);
    return edit;
}

// A radio group with one item per entry of `choices`, captioned as the entry says.
template <class Choice, std::size_t N>
QGroupBox* PlaceRadioGroup(QWidget* parent, const QRect& geometry, const char* title, const char* hint, int columns,
                           const std::array<Choice, N>& choices, std::array<QRadioButton*, N>& items,
                           QButtonGroup*& group)
{
    auto* box = new GroupBox(QString(), parent);
    box->setGeometry(geometry);
    language::Bind(box, "title", Context, title);
    language::Bind(box, "statusTip", Context, hint);
    group = new QButtonGroup(box);
    for (std::size_t k = 0; k < N; ++k) {
        items[k] = new QRadioButton(box);
        language::Bind(items[k], "text", Context, choices[k].caption);
        items[k]->setGeometry(
            RadioItemRect(static_cast<int>(k), static_cast<int>(N), columns, geometry.size(), DesignTextHeight));
        group->addButton(items[k], static_cast<int>(k));
    }
    MakeOneTabStop(group);
    return box;
}

void SelectIndex(QButtonGroup* group, int index)
{
    if (QAbstractButton* button = group->button(index))
        button->setChecked(true);
}

} // namespace

QRect RadioItemRect(int k, int n, int columns, QSize group, int textHeight)
{
    const int perColumn = (n + columns - 1) / columns;
    const int buttonWidth = (group.width() - 10) / columns;
    const int inner = group.height() - textHeight - 5;
    const int buttonHeight = inner / perColumn;
    const int topMargin = textHeight + 1 + (inner % perColumn) / 2;
    return QRect((k / perColumn) * buttonWidth + 8, (k % perColumn) * buttonHeight + topMargin, buttonWidth,
                 buttonHeight);
}

TZadaniDlg::TZadaniDlg(QWidget* parent) : ModalDialog(parent)
{
    language::Bind(this, this, "windowTitle", QT_TR_NOOP("Zadání vstupních hodnot"));

    Panel1 = new Panel(this, QRect(8, 8, 385, 249));
    Label1 = language::Bound(this, PlaceLabel(Panel1, 16, 16, QString()), "text", QT_TR_NOOP("Proud naprázdno"));
    XPrNapr = PlaceEdit(Panel1, QRect(112, 14, 49, 21), QT_TR_NOOP("Zadej proud naprázdno"));
    Label2 = PlaceLabel(Panel1, 168, 16, QStringLiteral("A"));
    Label3 = language::Bound(this, PlaceLabel(Panel1, 16, 40, QString()), "text", QT_TR_NOOP("Proud nakrátko"));
    XPrNakr = PlaceEdit(Panel1, QRect(112, 38, 49, 21), QT_TR_NOOP("Zadej proud nakrátko"));
    Label4 = PlaceLabel(Panel1, 168, 40, QStringLiteral("A"));
    Label5 = language::Bound(this, PlaceLabel(Panel1, 216, 16, QString()), "text", QT_TR_NOOP("Účiník naprázdno"));
    XUcNapr = PlaceEdit(Panel1, QRect(312, 14, 49, 21), QT_TR_NOOP("Účiník naprázdno"));
    Label6 = language::Bound(this, PlaceLabel(Panel1, 216, 40, QString()), "text", QT_TR_NOOP("Účiník nakrátko"));
    XUcNakr = PlaceEdit(Panel1, QRect(312, 38, 49, 21), QT_TR_NOOP("Účiník nakrátko"));
    Label7 = language::Bound(this, PlaceLabel(Panel1, 216, 72, QString()), "text", QT_TR_NOOP("Fázové napětí"));
    XFazoveNapeti = PlaceEdit(Panel1, QRect(312, 70, 49, 21), QT_TR_NOOP("Fázové napětí"));
    Label8 = PlaceLabel(Panel1, 368, 72, QStringLiteral("V"));
    Label9 = language::Bound(this, PlaceLabel(Panel1, 216, 96, QString()), "text", QT_TR_NOOP("Odpor R1f"));
    XR1f = PlaceEdit(Panel1, QRect(312, 94, 49, 21), QT_TR_NOOP("Odpor R1f"));
    Label10 = PlaceLabel(Panel1, 368, 96, QStringLiteral("Ω"));
    XSpotrebic = PlaceRadioGroup(Panel1, QRect(16, 72, 89, 49), QT_TR_NOOP("Spotřebič"),
                                 QT_TR_NOOP("Počet fází motoru"), 1, PhaseTable, SpotrebicItems, phaseGroup_);
    XSynchrOtacky = PlaceRadioGroup(Panel1, QRect(16, 136, 225, 97), QT_TR_NOOP("Synchronní otáčky"),
                                    QT_TR_NOOP("Vyber synchronní otáčky motoru"), 2, SpeedTable, SynchrOtackyItems,
                                    speedGroup_);
    OKBtn = PlaceButton(Panel1, QRect(295, 172, 75, 25), QStringLiteral("OK"), true);
    language::Bind(this, OKBtn, "statusTip", QT_TR_NOOP("Akceptování zadaných hodnot"));
    CancelBtn = language::Bound(this, PlaceButton(Panel1, QRect(295, 212, 75, 25), QString(), false), "text",
                                QT_TR_NOOP("Storno"));
    language::Bind(this, CancelBtn, "statusTip", QT_TR_NOOP("Zavření dialogu beze změn"));

    // The OK button first, the short-circuit current last.
    QWidget* chain[] = {OKBtn, CancelBtn, XPrNapr, XUcNapr, XUcNakr};
    QWidget* previous = nullptr;
    auto append = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* w : chain)
        append(w);
    for (QRadioButton* item : SpotrebicItems)
        append(item);
    append(XFazoveNapeti);
    for (QRadioButton* item : SynchrOtackyItems)
        append(item);
    append(XR1f);
    append(XPrNakr);

    SetButtonResult(OKBtn, mrOk, [this] { ZmacknutoOK(); });
    SetButtonResult(CancelBtn, mrCancel);
    SetCancelButton(CancelBtn);

    SetDesignClientSize(401, 265);
    OKBtn->setFocus();
}

int TZadaniDlg::SpotrebicIndex() const
{
    return phaseGroup_->checkedId();
}
int TZadaniDlg::SynchrOtackyIndex() const
{
    return speedGroup_->checkedId();
}
void TZadaniDlg::SetSpotrebicIndex(int index)
{
    SelectIndex(phaseGroup_, index);
}
void TZadaniDlg::SetSynchrOtackyIndex(int index)
{
    SelectIndex(speedGroup_, index);
}

QLineEdit* TZadaniDlg::FieldOf(InputField field) const
{
    switch (field) {
    case InputField::PrNapr: return XPrNapr;
    case InputField::UcNapr: return XUcNapr;
    case InputField::PrNakr: return XPrNakr;
    case InputField::UcNakr: return XUcNakr;
    case InputField::FazoveNapeti: return XFazoveNapeti;
    case InputField::R1f: return XR1f;
    }
    return nullptr;
}

void TZadaniDlg::ImplicitniHodnoty()
{
    Show(DefaultInput());
}

void TZadaniDlg::ShowOnNextShowing(const TypedInput& values)
{
    nextValues_ = values;
}

void TZadaniDlg::Activate()
{
    if (nextValues_)
        Show(*nextValues_);
    else
        ImplicitniHodnoty();
    nextValues_.reset();
}

void TZadaniDlg::Show(const TypedInput& values)
{
    XPrNapr->setText(QString::fromStdString(values.PrNapr));
    XUcNapr->setText(QString::fromStdString(values.UcNapr));
    XPrNakr->setText(QString::fromStdString(values.PrNakr));
    XUcNakr->setText(QString::fromStdString(values.UcNakr));
    XFazoveNapeti->setText(QString::fromStdString(values.FazoveNapeti));
    XR1f->setText(QString::fromStdString(values.R1f));
    SetSpotrebicIndex(values.SpotrebicIndex);
    SetSynchrOtackyIndex(values.SynchrOtackyIndex);
}

TypedInput TZadaniDlg::TypedValues() const
{
    TypedInput z;
    z.PrNapr = XPrNapr->text().toStdString();
    z.UcNapr = XUcNapr->text().toStdString();
    z.PrNakr = XPrNakr->text().toStdString();
    z.UcNakr = XUcNakr->text().toStdString();
    z.FazoveNapeti = XFazoveNapeti->text().toStdString();
    z.R1f = XR1f->text().toStdString();
    z.SpotrebicIndex = SpotrebicIndex();
    z.SynchrOtackyIndex = SynchrOtackyIndex();
    return z;
}

void TZadaniDlg::ZmacknutoOK()
{
    const TypedInput z = TypedValues();

    // Caught here rather than by the guard so the result can be reset once the box is gone.
    try {
        if (const std::optional<Rejection> rejection = AcceptInput(z, Konstrukce)) {
            ShowErrorMessage(QString::fromStdString(rejection->message));
            StayOpenAt(FieldOf(rejection->field));
        } else {
            emit CalculationAccepted();
        }
    } catch (const EFieldConvertError& error) {
        ShowUnhandledError(error);
        StayOpenAt(FieldOf(error.field));
    } catch (const EMathError& error) {
        ShowUnhandledError(error);
        StayOpenAt(nullptr);
    }
}

void TZadaniDlg::StayOpenAt(QLineEdit* field)
{
    SetModalResult(mrNone);
    if (!field)
        return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}
