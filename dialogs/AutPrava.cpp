// The terms-of-use dialog.
#include "AutPrava.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Fonts.h"
#include "Language.h"

TLicPodm* LicPodm = nullptr;

namespace {

// The terms are those of the MIT licence the program is published under.
constexpr std::array<const char*, TLicPodm::ConditionCount> ConditionTexts{
    QT_TRANSLATE_NOOP("TLicPodm",
                      "1)  Program Orbitek smíte bezplatně používat, kopírovat, upravovat a šířit, samostatně "
                      "i jako součást jiného díla."),
    QT_TRANSLATE_NOOP("TLicPodm",
                      "2)  Každá kopie nebo podstatná část programu musí obsahovat upozornění na autorská "
                      "práva a tyto podmínky."),
    QT_TRANSLATE_NOOP("TLicPodm",
                      "3)  Program se poskytuje tak, jak je, bez jakékoli záruky; autoři neodpovídají za "
                      "škody vzniklé jeho používáním."),
    QT_TRANSLATE_NOOP("TLicPodm", "4)  Vypočtené hodnoty si uživatel před použitím sám ověří."),
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
    language::Bind(this, this, "windowTitle", QT_TR_NOOP("Licenční ujednání"));

    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 465, 145);

    Heading = language::Bound(
        this, PlaceLabel(this, TextLeft, HeadingTop, {}, PixelFont(QStringLiteral("MS Sans Serif"), 11, true)), "text",
        QT_TR_NOOP("Podmínky pro používání programu Orbitek (licence MIT):"));
    for (int i = 0; i < ConditionCount; ++i) {
        Conditions[i] = PlaceLabel(this,
                                   QRect(TextLeft, FirstConditionTop + i * ConditionPitch, TextWidth, ConditionHeight),
                                   {}, Qt::AlignLeft | Qt::AlignTop);
        language::Bind(this, Conditions[i], "text", ConditionTexts[i]);
        Conditions[i]->setWordWrap(true);
    }

    Datum = PlaceLabel(this, 426, 208, QStringLiteral("19.4.1998"));
    Datum->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Panel1 = new Panel(this, QRect(8, 160, 465, 25), Panel::bvRaised, Panel::bvNone);
    language::Bind(this, Panel1, "caption",
                   QT_TR_NOOP("Připomínky a dotazy: autoři programu Orbitek, orbitek@example.org"));
    TlacitkoOK = language::Bound(this, PlaceButton(this, QRect(186, 192, 109, 25), {}, true), "text",
                                 QT_TR_NOOP("&Beru na vědomí"));
    SetButtonResult(TlacitkoOK, mrOk);

    SetDesignClientSize(481, 225);
}
