// The circle-diagram construction, the torque characteristic and their two geometric helpers.
#pragma once

#include "Konstrukce.h"

// Fills every construction field and the characteristic of `k` from its inputs and its choice of the
// torque line, storing each value as soon as it is computed. Raises EZeroDivide, EInvalidOp or
// EOverflow at the first floating-point fault; the fields computed before it keep their new values.
void SpoctiKonstrukci(TKonstrukce& k = Konstrukce);

// How many rows of the characteristic to compute: all 20, or only what a batch row prints, the last
// (the starting torque). With LastOnly rows 1..19 stay as they were; every other field, row 20 and the
// fault raised, if any, are the same to the bit as with All.
enum class ConstructionRows { All, LastOnly };

// The construction in its two parts, in the same order: the no-load and short-circuit points Ao and
// Ak, then the rest. Acceptance checks where Ak lies between them, on the very points the construction
// goes on with. On a fault these leave the fields after it as far as a first run got: acceptance
// throws such a record away.
void ComputeTestPoints(TKonstrukce& k);
void CompleteConstruction(TKonstrukce& k, ConstructionRows rows = ConstructionRows::All);

// The abscissa of the intersection other than P1 = (x1, y1) of the line P1-P2 with the circle of
// centre (xs, ys) and radius r. P1 is expected to lie on the circle, right of the y axis.
long double PrusecikSKruznici(long double x1, long double y1, long double x2, long double y2, long double xs,
                              long double ys, long double r);

// The ordinate at abscissa x of the line through (x1, y1) and (x2, y2).
long double BodNaPrimce(long double x, long double x1, long double y1, long double x2, long double y2);

// The current `current` at power factor `powerFactor` as a point (I · sin φ, I · cos φ); x is stored first.
// Shared by the construction and the acceptance check on where the short-circuit point lies.
void CurrentPoint(Point& point, long double current, long double powerFactor);
