// The program's fonts: classic Windows faces mapped to the Liberation faces at the same pixel heights.
#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

void InstallFontSubstitutes()
{
    // Liberation faces share the metrics of the Windows faces the windows were laid out for.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial CE"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman CE"), QStringLiteral("Liberation Serif"));
}

QFont PixelFont(const QString& family, int pixelHeight, bool bold, bool italic, bool underline)
{
    QFont font(family);
    // Qt's pixel size is the em height without internal leading, i.e. the character height.
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

QFont DialogFont()
{
    return PixelFont(QStringLiteral("MS Sans Serif"), 11);
}

int TextHeight(const QFont& font)
{
    return QFontMetrics(font).height();
}

double DesignScale(const QFont& font)
{
    // Liberation Sans at 11 px measures 12, a pixel less than the face the layout was made for; it is
    // also slightly wider, so shrinking would clip captions. Only a taller font enlarges the window.
    return std::max(1.0, TextHeight(font) / double(DesignTextHeight));
}

QFont ScreenTextFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const int least = QFontInfo(DialogFont()).pixelSize();
    if (QFontInfo(font).pixelSize() < least)
        font.setPixelSize(least);
    return font;
}
