// The program icon, rendered from the one SVG drawing that the desktop's icon files come from too.
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The drawing at side × side pixels on a transparent ground; a null image if the drawing is missing.
QImage RenderProgramIcon(int side);

// The about box's 32 × 32 picture, with as many device pixels as the screen has.
QPixmap ProgramIconPixmap();

// The window icon, at each size a title bar, task bar or window switcher asks for.
QIcon ProgramIconSet();
