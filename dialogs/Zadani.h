// The input dialog: the motor's test data.
#pragma once

#include <QRect>
#include <QSize>
#include <array>
#include <optional>

#include "Acceptance.h"
#include "ModalDialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Panel;

// Where item k of a radio group of n items in `columns` columns stands inside the group box, for a
// group of size `group` and a font whose text cell is `textHeight` pixels high. Items fill the
// columns top to bottom.
QRect RadioItemRect(int k, int n, int columns, QSize group, int textHeight);

class TZadaniDlg : public ModalDialog {
    Q_OBJECT
public:
    explicit TZadaniDlg(QWidget* parent = nullptr);

    Panel* Panel1;
    QLabel* Label1;
    QLineEdit* XPrNapr;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* XPrNakr;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* XUcNapr;
    QLabel* Label6;
    QLineEdit* XUcNakr;
    QLabel* Label7;
    QLineEdit* XFazoveNapeti;
    QLabel* Label8;
    QLabel* Label9;
    QLineEdit* XR1f;
    QLabel* Label10;
    QGroupBox* XSpotrebic;
    QGroupBox* XSynchrOtacky;
    std::array<QRadioButton*, PhaseCount> SpotrebicItems;
    std::array<QRadioButton*, SpeedCount> SynchrOtackyItems;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Selected item of each radio group, -1 when none.
    int SpotrebicIndex() const;
    int SynchrOtackyIndex() const;
    void SetSpotrebicIndex(int index);
    void SetSynchrOtackyIndex(int index);

    // The edit box a typed value comes from.
    QLineEdit* FieldOf(InputField field) const;

    // Activation: the default values, written afresh on every showing.
    void ImplicitniHodnoty();
    // The next showing starts from these values instead of the defaults ("&Upravit zadání...").
    void ShowOnNextShowing(const TypedInput& values);
    // The texts and choices as they stand.
    TypedInput TypedValues() const;
    // OK: accept the typed values into Konstrukce and compute, or keep the dialog open at the fault.
    void ZmacknutoOK();

signals:
    // Konstrukce holds a new calculation; a rejected input or an error emits nothing.
    void CalculationAccepted();

protected:
    void Activate() override;

private:
    // A rejected input: the dialog stays open and the user corrects the named field.
    void StayOpenAt(QLineEdit* field);
    void Show(const TypedInput& values);

    QButtonGroup* phaseGroup_;
    QButtonGroup* speedGroup_;
    std::optional<TypedInput> nextValues_;
};

extern TZadaniDlg* ZadaniDlg;
