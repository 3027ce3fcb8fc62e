// The interface's language for the code without Qt: texts are written in Czech and looked up, by their
// context and Czech source, in whatever translation the program installed. Czech until one is.
//
// lupdate is run with -tr-function-alias QT_TRANSLATE_NOOP+=ORBITEK_TR,QT_TRANSLATE_NOOP+=ORBITEK_TR_NOOP,
// so that both macros put their texts into translations/orbitek_en.ts.
#pragma once

#include <string>

// The text in the current language, as UTF-8.
#define ORBITEK_TR(context, source) ::translation::Text(context, source)
// Marks a text for the translation file where it is kept (a table) and translated later with Text.
#define ORBITEK_TR_NOOP(context, source) source

namespace translation {

// Gives the translation of `source` in `context`, or `source` itself when it has none.
using Translator = std::string (*)(const char* context, const char* source);

// The window program installs Qt's translators, the calculator its table; nullptr: Czech again.
void Install(Translator translator);
std::string Text(const char* context, const char* source);

} // namespace translation
