// The measured values dialog: the readings of the no-load and locked-rotor tests as a lab sheet gives
// them, and the inputs they give, shown as they are typed.
#pragma once

#include <array>

#include "Measured.h"
#include "ModalDialog.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class MeasuredDialog : public ModalDialog {
    Q_OBJECT
public:
    explicit MeasuredDialog(QWidget* parent = nullptr);

    // "Motor"
    QLineEdit* RatedVoltage;
    QRadioButton* Star;
    QRadioButton* Delta;
    QRadioButton* ThreePhases;
    QRadioButton* OnePhase;
    QRadioButton* Hz50;
    QRadioButton* Hz60;
    QComboBox* Poles;
    // "Zkouška naprázdno", "Zkouška nakrátko"
    QLineEdit* NoLoadVoltage;
    QLineEdit* NoLoadCurrent;
    QLineEdit* NoLoadPower;
    QLineEdit* LockedVoltage;
    QLineEdit* LockedCurrent;
    QLineEdit* LockedPower;
    // Each test's third reading: its power "P (W)" or its power factor "cos φ".
    QComboBox* NoLoadPowerKind;
    QComboBox* LockedPowerKind;
    // "Odpor statoru"
    QRadioButton* PerPhase;
    QRadioButton* Terminals;
    QRadioButton* Share;
    QRadioButton* Pair;  // R1 and R2' as a book prints them
    QRadioButton* Ratio; // the rotor : stator copper-loss ratio
    QLabel* ResistanceCaption;
    QLineEdit* Resistance;
    QLabel* ResistanceUnit;
    QLabel* RotorCaption;
    QLineEdit* RotorResistance; // R2', or R2 with the turns ratio
    QLineEdit* TurnsRatio;
    QLineEdit* ResistanceFactor;
    // "Odvozené vstupní hodnoty": the six inputs and the synchronous speed, then the warnings.
    std::array<QLabel*, 7> DerivedValues;
    std::array<QLabel*, 7> DerivedCaptions;
    std::array<QLabel*, 7> DerivedUnits;
    QLabel* Warnings;

    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // The readings as typed and chosen, and set anew ("&Upravit zadání..."): an empty connection leaves
    // the choice as it was.
    MeasuredReadings Readings() const;
    void SetReadings(const MeasuredReadings& r);
    // The control that holds a reading.
    QWidget* FieldOf(Reading reading) const;

    // What the readings give, shown again after every change.
    void ShowDerived();
    // OK: convert, check and compute into Konstrukce, or keep the dialog open at the reading to correct.
    void AcceptReadings();

signals:
    // Konstrukce holds a new calculation.
    void CalculationAccepted();

protected:
    // The values typed stay from one showing to the next; only what they give is shown afresh.
    void Activate() override { ShowDerived(); }
    void changeEvent(QEvent* event) override;

private:
    void ShowResistanceKind();
    void ShowPowerKinds();
    void StayOpenAt(QWidget* field);
};

extern MeasuredDialog* MeasuredDlg;
