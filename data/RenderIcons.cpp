// orbitek-render-icons: writes the program icon as PNG files for the desktop's icon theme.
// Usage: orbitek-render-icons SIDE FILE [SIDE FILE ...]
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "ProgramIcon.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0) {
        std::fputs("Usage: orbitek-render-icons SIDE FILE [SIDE FILE ...]\n", stderr);
        return 64;
    }
    for (qsizetype i = 0; i < args.size(); i += 2) {
        bool isNumber = false;
        const int side = args[i].toInt(&isNumber);
        const QString& file = args[i + 1];
        const QImage image = isNumber && side > 0 ? RenderProgramIcon(side) : QImage();
        if (image.isNull() || !QDir().mkpath(QFileInfo(file).absolutePath()) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "orbitek-render-icons: cannot write %s at side '%s'\n", qPrintable(file),
                         qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
