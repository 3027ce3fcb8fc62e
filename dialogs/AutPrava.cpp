// The terms-of-use dialog.
#include "AutPrava.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Fonts.h"

TLicPodm* LicPodm = nullptr;

namespace {

// The terms are those of the MIT licence the program is published under.
constexpr std::array<const char*, TLicPodm::ConditionCount> ConditionTexts{
    "1)  Program Orbitek smíte bezplatně používat, kopírovat, upravovat a šířit, samostatně "
    "i jako součást jiného díla.",
    "2)  Každá kopie nebo podstatná část programu musí obsahovat upozornění na autorská práva "
    "a tyto podmínky.",
    "3)  Program se poskytuje tak, jak je, bez jakékoli záruky; autoři neodpovídají za škody "
    "vzniklé jeho používáním.",
    "4)  Vypočtené hodnoty si uživatel před použitím sám ověří.",
};

// Inside Bevel1: a heading line, then the conditions, each given room for two lines.
constexpr int TextLeft = 16;
constexpr int TextWidth = 449;
constexpr int HeadingTop = 16;
constexpr int FirstConditionTop = 36;
constexpr int ConditionPitch = 28;
constexpr int ConditionHeight = 26;

} // namespace

TLicPodm::TLicPodm(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Licenční ujednání"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 465, 145);

    Heading = PlaceLabel(this, TextLeft, HeadingTop,
                         QStringLiteral("Podmínky pro používání programu Orbitek (licence MIT):"),
                         PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    for (int i = 0; i < ConditionCount; ++i) {
        Conditions[i] = PlaceLabel(this,
                                   QRect(TextLeft, FirstConditionTop + i * ConditionPitch, TextWidth, ConditionHeight),
                                   QString::fromUtf8(ConditionTexts[i]), Qt::AlignLeft | Qt::AlignTop);
        Conditions[i]->setWordWrap(true);
    }

    Datum = PlaceLabel(this, 426, 208, QStringLiteral("19.4.1998"));
    Datum->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Panel1 = new Panel(this, QRect(8, 160, 465, 25), Panel::bvRaised, Panel::bvNone,
                       QStringLiteral("Připomínky a dotazy: autoři programu Orbitek, orbitek@example.org"));
    TlacitkoOK = PlaceButton(this, QRect(186, 192, 109, 25), QStringLiteral("&Beru na vědomí"), true);
    SetButtonResult(TlacitkoOK, mrOk);

    SetDesignClientSize(481, 225);
}
