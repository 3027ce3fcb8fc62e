// The process-wide motor data record.
#include "Konstrukce.h"

TKonstrukce Konstrukce; // every field zero at start
