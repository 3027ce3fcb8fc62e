// Reads the user's decimal and thousands separators from the locale (needs QtCore).
#pragma once

void LoadNumberSeparators();
