// The box beside the diagram while the equivalent circuit is shown: its six values, its own points
// beside the tests and the circle's characteristic values beside the circuit's.
#pragma once

#include <QLabel>

#include <vector>

#include "Circuit.h"
#include "Konstrukce.h"
#include "LoadTest.h"

class CircuitBox : public QLabel {
    Q_OBJECT

public:
    explicit CircuitBox(QWidget* parent = nullptr);

    // Fills the box from an accepted record; a refused circuit shows the reason.
    // The load points' grid follows where there are any; `perPhase` as LoadPointRows takes it.
    void Show(const TKonstrukce& k, const CircuitOutcome& outcome, const std::vector<LoadPointComparison>& points,
              bool perPhase);
};
