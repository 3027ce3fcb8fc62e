// The about box.
#include "Info.h"

#include <QCursor>
#include <QEvent>
#include <QPushButton>
#include <QToolTip>

#include "Controls.h"
#include "Fonts.h"
#include "Language.h"
#include "ProgramIcon.h"

TAboutBox* AboutBox = nullptr;

namespace {
const QString TitleFace = QStringLiteral("Times New Roman CE");
constexpr int TitleHeight = 29;
constexpr QRgb Maroon = 0xFF800000;
constexpr QRgb Navy = 0xFF000080;

// A centred label whose text came out wider than its box grows evenly on both sides: the
// substituted face is a little wider than the one the box was measured for.
void WidenAroundCentre(QLabel* label)
{
    const int missing = label->fontMetrics().horizontalAdvance(label->text()) - label->width();
    if (missing > 0)
        label->setGeometry(label->geometry().adjusted(-(missing + 1) / 2, 0, missing / 2 + 1, 0));
}

// A right-aligned label keeps its right edge.
void WidenLeftwards(QLabel* label)
{
    const int missing = label->fontMetrics().horizontalAdvance(label->text()) - label->width();
    if (missing > 0)
        label->setGeometry(label->geometry().adjusted(-missing - 1, 0, 0, 0));
}

void SetTextColor(QLabel* label, QColor color)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
}
} // namespace

HintedImage::HintedImage(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(ShowDelayMs);
    connect(&restTimer_, &QTimer::timeout, this,
            [this] { QToolTip::showText(QCursor::pos(), statusTip(), this, rect(), ShowTimeMs); });
}

bool HintedImage::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (!QToolTip::isVisible())
            restTimer_.start();
        break;
    case QEvent::Leave:
    case QEvent::Hide:
    case QEvent::MouseButtonPress:
        restTimer_.stop();
        QToolTip::hideText();
        break;
    case QEvent::ToolTip:
        // The tip opens on our own timing, not Qt's default delay.
        return true;
    default: break;
    }
    return QLabel::event(e);
}

TAboutBox::TAboutBox(QWidget* parent) : ModalDialog(parent)
{
    language::Bind(this, this, "windowTitle", QT_TR_NOOP("Copyright"));

    Panel1 = new Panel(this, QRect(8, 8, 385, 145));
    Datum = language::Bound(this, PlaceLabel(Panel1, QRect(73, 126, 113, 13), {}, Qt::AlignHCenter | Qt::AlignTop),
                            "text", QT_TR_NOOP("Datum a čas této verze:"));
    WidenAroundCentre(Datum);
    CasDatum = PlaceLabel(Panel1, 209, 126, QStringLiteral("19.4.1998 - 15:01"),
                          PixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    SetTextColor(CasDatum, QColor::fromRgba(Maroon));

    Panel2 = new Panel(this, QRect(16, 16, 369, 113), Panel::bvLowered, Panel::bvRaised);
    ProgramIcon = new HintedImage(Panel2);
    ProgramIcon->setPixmap(ProgramIconPixmap());
    ProgramIcon->move(8, 68);
    ProgramIcon->adjustSize();
    language::Bind(this, ProgramIcon, "statusTip", QT_TR_NOOP("Ikona Kalmira pro Windows 95"));

    const QFont titleFont = PixelFont(TitleFace, TitleHeight, true, true);
    ProductName = PlaceLabel(Panel2, 8, 4, QStringLiteral("Orbitek"), titleFont);
    SetTextColor(ProductName, Qt::black);
    Label2 = language::Bound(this, PlaceLabel(Panel2, QRect(120, 39, 242, 33), {}, Qt::AlignRight | Qt::AlignTop),
                             "text", QT_TR_NOOP("pro Windows 95/NT"));
    Label2->setFont(titleFont);
    SetTextColor(Label2, Qt::black);
    Version = language::Bound(this, PlaceLabel(Panel2, QRect(306, 20, 53, 16), {}, Qt::AlignRight | Qt::AlignTop),
                              "text", QT_TR_NOOP("verze 1.1"));
    Version->setFont(PixelFont(QStringLiteral("Arial CE"), 13, false, true));
    WidenLeftwards(Version);
    SetTextColor(Version, QColor::fromRgba(Navy));
    Version->setBackgroundRole(QPalette::Button);
    // With a background role of its own a label takes the text colour that goes with it (black
    // button text); keep the navy.
    Version->setForegroundRole(QPalette::WindowText);
    Version->setAutoFillBackground(true);
    Copyright = language::Bound(this, PlaceLabel(Panel2, 81, 88, {}, PixelFont(TitleFace, 16, true)), "text",
                                QT_TR_NOOP("© autoři programu Orbitek"));
    SetTextColor(Copyright, Qt::black);

    TlacitkoOK = language::Bound(this, PlaceButton(this, QRect(145, 160, 109, 25), {}, true), "text",
                                 QT_TR_NOOP("&Beru na vědomí"));
    SetButtonResult(TlacitkoOK, mrOk);

    SetDesignClientSize(400, 190);
}

void TAboutBox::changeEvent(QEvent* event)
{
    ModalDialog::changeEvent(event);
    // A longer text grows its label around where the shorter one stood.
    if (event->type() == QEvent::LanguageChange) {
        WidenAroundCentre(Datum);
        WidenLeftwards(Version);
    }
}
