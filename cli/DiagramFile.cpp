// The calculator's diagram file: the one place where the headless calculator starts Qt's GUI part.
#include "DiagramFile.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <cerrno>
#include <clocale>
#include <iostream>
#include <memory>
#include <new>

#include "Characteristic.h"
#include "DiagramExport.h"
#include "DiagramTexts.h"
#include "ExitStatus.h"
#include "Language.h"

namespace {

// Qt warns on standard error when XDG_RUNTIME_DIR is unset; the calculator prints nothing it was not
// asked for, so it gets a private one for the run, removed afterwards.
class RuntimeDirectory {
public:
    RuntimeDirectory()
    {
        if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
            return;
        directory_ = std::make_unique<QTemporaryDir>(); // 0700, as Qt wants it
        if (directory_->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(directory_->path()));
    }
    ~RuntimeDirectory()
    {
        if (directory_)
            qunsetenv("XDG_RUNTIME_DIR");
    }
    RuntimeDirectory(const RuntimeDirectory&) = delete;
    RuntimeDirectory& operator=(const RuntimeDirectory&) = delete;

private:
    std::unique_ptr<QTemporaryDir> directory_;
};

// The page's own texts (Qt's translate) in English from the calculator's table, the very table the core's
// texts come from: the drawing program needs no translation file beside it.
class TableTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        const char* text = context && source ? EnglishText(context, source) : nullptr;
        return text ? QString::fromUtf8(text) : QString();
    }
    bool isEmpty() const override { return false; }
};

int Fail(int status, const std::string& message)
{
    std::cerr << "orbitek-calc: " << message << '\n';
    return status;
}

} // namespace

int WriteDiagramFile(const std::string& file, const diagram::PageChoice& choice, const TKonstrukce& k,
                     const DiagramHeader& header, const std::optional<AskedPoint>& point)
{
    const RuntimeDirectory runtime;
    // Drawing needs fonts and paint devices, not a display.
    int argc = 3;
    char program[] = "orbitek-calc", platformOption[] = "-platform", platform[] = "offscreen";
    char* argv[] = {program, platformOption, platform, nullptr};
    try {
        const QGuiApplication application(argc, argv);
        std::setlocale(LC_ALL, "C"); // Qt took the user's locale; the calculator's output does not
        TableTranslator english;
        if (InstalledLanguage() == Language::English)
            QCoreApplication::installTranslator(&english);

        std::optional<diagram::Diagram> d = diagram::MakeDiagram(k, ReadCharacteristicPoints(k), choice, point);
        if (!d) {
            std::string where = "the diagram does not fit on " + diagram::PaperName(choice.paper).toStdString();
            if (choice.scale)
                where += " at " + diagram::ScaleText(*choice.scale).toStdString() + ": choose a coarser --scale";
            return Fail(ExitUsage, where + " or a larger --paper");
        }
        d->texts.motor = QString::fromStdString(header.motor).simplified();
        d->texts.note = QString::fromStdString(header.note);
        // The name as the system has it: a name that is not UTF-8 is written under that very name.
        const QByteArray name(file.data(), static_cast<qsizetype>(file.size()));
        if (const std::optional<QString> error = diagram::SaveDiagram(name, *d))
            return Fail(ExitCannotWrite, "cannot write the diagram " + file + " (" + error->toStdString() + ")");
        if (point && !point->solution.point)
            std::cerr << "orbitek-calc: the diagram has no operating point: "
                      << NoPointText(point->quantity, point->value, point->solution) << '\n';
    } catch (const std::bad_alloc&) {
        return Fail(ExitCannotWrite,
                    "cannot write the diagram " + file + " (" + diagram::SystemErrorText(ENOMEM).toStdString() + ")");
    }
    return 0;
}
