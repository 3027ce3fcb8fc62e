// The program's fonts: the classic Windows faces mapped to installed ones, at fixed pixel heights.
#pragma once

#include <QFont>

// Maps "MS Sans Serif", "Arial CE" and "Times New Roman CE" to installed faces; call once at start.
void InstallFontSubstitutes();

// A font of the given family with a character height of `pixelHeight` pixels.
QFont PixelFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false, bool underline = false);

// "MS Sans Serif", 11 pixels: the font of every window.
QFont DialogFont();

// The text height every window was laid out for: the cell height of the 11-pixel window font.
constexpr int DesignTextHeight = 13;

// The measured text height of a font: its cell height (ascent + descent) in pixels.
int TextHeight(const QFont& font);

// The text of the diagram view and the curves panel: the desktop's general font, never smaller than the
// window font. The dialogs keep their own fonts.
QFont ScreenTextFont();

// Factor by which a window laid out for DesignTextHeight scales its controls and client size.
double DesignScale(const QFont& font);
