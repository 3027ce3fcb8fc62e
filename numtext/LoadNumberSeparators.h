// Reads the user's decimal and thousands separators from the locale named by LC_ALL, LC_NUMERIC or
// LANG, in that order, from Qt's locale data: both readers give the same separators.
#pragma once

// Through QtCore's locale data (numtext_locale): the window program.
void LoadNumberSeparators();

// Through a table of that data made at build time (numtext_plain_locale), without Qt: the calculator.
void LoadNumberSeparatorsWithoutQt();
