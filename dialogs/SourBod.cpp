// The construction coordinates dialog.
#include "SourBod.h"

#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Fonts.h"
#include "GridFill.h"
#include "GridTexts.h"
#include "StringGrid.h"

TSouradniceDlg* SouradniceDlg = nullptr;

namespace {
constexpr int RowHeight = 20;
}

TSouradniceDlg::TSouradniceDlg(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Souřadnice bodů pro konstrukci"));

    const QFont headingFont = PixelFont(QStringLiteral("Arial CE"), 13, true, false, true);
    Panel2 = new Panel(this, QRect(8, 8, 561, 217), Panel::bvNone, Panel::bvRaised);
    Label22 = PlaceLabel(Panel2, 16, 8, QStringLiteral("SOUŘADNICE:"), headingFont);
    Label1 = PlaceLabel(Panel2, 304, 8, QStringLiteral("HODNOTY:"), headingFont);
    Tabulka2 = new StringGrid(Panel2, QRect(16, 32, 265, 171), {150, 56, 53}, 8, RowHeight, 1, 1);
    Tabulka3 = new StringGrid(Panel2, QRect(304, 32, 242, 150), {150, 54, 32}, 7, RowHeight, 1, 1);
    TlacitkoOK = PlaceButton(this, QRect(233, 236, 109, 25), QStringLiteral("&Beru na vědomí"), true);

    QWidget::setTabOrder(Tabulka2, Tabulka3);
    QWidget::setTabOrder(Tabulka3, TlacitkoOK);
    SetButtonResult(TlacitkoOK, mrOk);

    SetDesignClientSize(576, 272);
    Tabulka2->setFocus();
}

void TSouradniceDlg::VlozSouradnice()
{
    FillGrid(Tabulka2, CoordinateRows(Konstrukce));
    FillGrid(Tabulka3, ValueRows(Konstrukce));
}
