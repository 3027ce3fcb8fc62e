// The process-wide motor data record and the radio-group value tables.
#include "Konstrukce.h"

TKonstrukce Konstrukce; // every field zero at start

const std::array<long double, PhaseCount> PhaseTable{1, 3};

// 2p = 14 stores 428.5 and 2p = 18 the decimal 333.333, not 1000/3, whatever their captions show.
const std::array<long double, SpeedCount> SpeedTable{3000, 1500, 1000, 750, 600, 500, 428.5L, 375, 333.333L, 300};
