// The colours of every drawing: the diagram, its curves, and the boxes drawn over them.
#pragma once

#include <QColor>

namespace diagram::Palette {

// Okabe–Ito: told apart with every common kind of colour blindness.
inline const QColor Black(0x00, 0x00, 0x00);
inline const QColor Orange(0xE6, 0x9F, 0x00);
inline const QColor SkyBlue(0x56, 0xB4, 0xE9);
inline const QColor BluishGreen(0x00, 0x9E, 0x73);
inline const QColor Blue(0x00, 0x72, 0xB2);
inline const QColor Vermillion(0xD5, 0x5E, 0x00);
inline const QColor ReddishPurple(0xCC, 0x79, 0xA7);
inline const QColor Grey(0x59, 0x59, 0x59);

} // namespace diagram::Palette
