// The "Pracovní bod" bar above the curves: the quantity an operating point is asked by, its value, and
// why the last value asked for has no point on the arc.
#pragma once

#include <QWidget>
#include <optional>

#include "OperatingPointSolver.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

class OperatingPointBar : public QWidget {
    Q_OBJECT
public:
    explicit OperatingPointBar(QWidget* parent = nullptr);

    QLabel* Caption;
    QComboBox* QuantityBox; // the captions of OperatingQuantities, in their order, then the line current's
    QLineEdit* ValueEdit;
    QLabel* UnitLabel;
    QLabel* Message; // hidden while it has nothing to say

    OperatingQuantity Quantity() const;
    // Shows a point asked for elsewhere (a click on the arc): its quantity and value as typed.
    void ShowPoint(OperatingQuantity quantity, long double value);
    // A value as the field shows it: the locale's decimal separator, no grouping.
    static QString ValueText(long double value);
    // What the phase current is multiplied by for the line current where the motor's connection is
    // known; the choice "Proud síťový" is offered only then. A line current typed there is asked as the
    // phase current it gives.
    void SetLineFactor(std::optional<long double> factor);
    bool LineCurrentChosen() const;
    // Empties the field and the message.
    void Clear();
    // The reason the point asked for is not drawn; empty: none.
    void ShowMessage(const QString& text);

signals:
    // Enter in the field with a number in it.
    void PointAsked(OperatingQuantity quantity, long double value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // The quantities' captions in the language just chosen; the bound texts follow on their own.
    void changeEvent(QEvent* event) override;

private:
    void Ask();
    void ShowUnit();
    // The caption, the choice, the field and the unit on one row where the bar is wide enough for a
    // field of some width, else the field and the unit on a row of their own.
    void Arrange(bool oneRow);

    QGridLayout* grid_;
    std::optional<bool> oneRow_;
    std::optional<long double> lineFactor_;
    std::optional<long double> lineAsked_; // the phase current the last line current typed gives
};
