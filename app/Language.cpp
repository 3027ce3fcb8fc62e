// The translators of the chosen language and the texts bound to it.
#include "Language.h"

#include "OrbitekApplication.h"
#include "Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QVariant>
#include <QWidget>

namespace {

Language current = Language::Czech;

// Where a bound text is kept on its object: the property's name after this prefix, the context,
// source and suffix in the value.
constexpr char BindingPrefix[] = "_orbitek_tr_";

std::string TranslateWithQt(const char* context, const char* source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

QTranslator* Replace(QTranslator*& translator)
{
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = new QTranslator(QCoreApplication::instance());
    return translator;
}

void Apply(QObject* object, const char* property, const QStringList& binding)
{
    object->setProperty(property,
                        QCoreApplication::translate(binding[0].toUtf8().constData(), binding[1].toUtf8().constData()) +
                            binding[2]);
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget != nullptr && widget->property(language::FitsText).toBool())
        widget->adjustSize();
}

} // namespace

std::optional<Language> LanguageOfCode(std::string_view code)
{
    if (code == "cs")
        return Language::Czech;
    if (code == "en")
        return Language::English;
    return std::nullopt;
}

const char* LanguageCode(Language language)
{
    return language == Language::English ? "en" : "cs";
}

void SetLanguage(Language language)
{
    static QTranslator* ours = nullptr;
    static QTranslator* qts = nullptr;
    translation::Install(TranslateWithQt);
    current = language;
    // Qt's English is its source text; its Czech is a file of the system's Qt translations.
    if (language == Language::English) {
        Replace(qts);
        if (Replace(ours)->load(QStringLiteral(":/i18n/orbitek_en.qm")))
            QCoreApplication::installTranslator(ours);
    } else {
        Replace(ours);
        if (Replace(qts)->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qts);
    }
    SetApplicationTitle();
    // Installing and removing posted the change to the windows; they show the new texts before
    // anything else happens.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language CurrentLanguage()
{
    return current;
}

namespace language {

void Bind(QObject* object, const char* property, const char* context, const char* source, const QString& suffix)
{
    const QByteArray name = QByteArray(BindingPrefix) + property;
    const QStringList binding{QString::fromUtf8(context), QString::fromUtf8(source), suffix};
    object->setProperty(name.constData(), binding);
    Apply(object, property, binding);
}

void AddSuffix(QObject* object, const char* property, const QString& suffix)
{
    const QByteArray name = QByteArray(BindingPrefix) + property;
    QStringList binding = object->property(name.constData()).toStringList();
    if (binding.size() != 3)
        return;
    binding[2] += suffix;
    Bind(object, property, binding[0].toUtf8().constData(), binding[1].toUtf8().constData(), binding[2]);
}

void Retranslate(QObject* root)
{
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects)
        for (const QByteArray& name : object->dynamicPropertyNames()) {
            if (!name.startsWith(BindingPrefix))
                continue;
            const QStringList binding = object->property(name.constData()).toStringList();
            if (binding.size() != 3)
                continue;
            Apply(object, name.mid(int(sizeof BindingPrefix) - 1).constData(), binding);
        }
}

} // namespace language
