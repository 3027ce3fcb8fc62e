// The program's 32 × 32 icon: a circle diagram drawn at run time.
#pragma once

#include <QPixmap>

QPixmap ProgramIconPixmap();
