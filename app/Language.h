// The interface's language: Czech, in which every text is written, or English from the translation
// file; a text bound here follows a change of language in every window at once.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

class QObject;

enum class Language { Czech, English };

// "cs" and "en", as the command line and the settings write them.
std::optional<Language> LanguageOfCode(std::string_view code);
const char* LanguageCode(Language language);

// Installs our translation and Qt's own for `language` (Qt's dialogs follow: its Czech, or its built-in
// English), and the lookup through which the code without Qt finds its texts. Every window has
// retranslated itself when this returns.
void SetLanguage(Language language);
Language CurrentLanguage();

namespace language {

// The `property` of `object` ("text", "title", "statusTip", "windowTitle", ...) shows `source` of
// `context` in the current language followed by `suffix`, now and after every change of language.
void Bind(QObject* object, const char* property, const char* context, const char* source,
          const QString& suffix = QString());

// The same with the context of a class's tr(), which is what lupdate files a QT_TR_NOOP text under
// inside that class's functions.
template <class Owner>
void Bind(const Owner*, QObject* object, const char* property, const char* source, const QString& suffix = QString())
{
    Bind(object, property, Owner::staticMetaObject.className(), source, suffix);
}

// Bind for an object being made, which it returns: `label = Bound(this, new QLabel(p), "text", QT_TR_NOOP(...))`.
template <class Owner, class Object>
Object* Bound(const Owner* owner, Object* object, const char* property, const char* source)
{
    Bind(owner, object, property, source);
    return object;
}

// A widget with this property set true is sized to its text again whenever a bound text changes.
inline constexpr char FitsText[] = "_orbitek_fits_text";

// Puts `suffix` after the bound text of `property` (a shortcut after a menu item's caption).
void AddSuffix(QObject* object, const char* property, const QString& suffix);

// Sets every bound text of `root` and of the objects it owns again; windows call it on LanguageChange.
void Retranslate(QObject* root);

} // namespace language
