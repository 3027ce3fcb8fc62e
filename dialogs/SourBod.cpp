// The construction coordinates dialog.
#include "SourBod.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "Controls.h"
#include "Fonts.h"
#include "GridFill.h"
#include "GridTexts.h"
#include "Language.h"
#include "NumText.h"
#include "StringGrid.h"

TSouradniceDlg* SouradniceDlg = nullptr;

namespace {

// The layout in design pixels; LayOut widens a column beyond these where its texts need it.
constexpr QRect PanelRect(8, 8, 561, 217);
constexpr QPoint CoordinatesHeading(16, 8);
constexpr QPoint ValuesHeading(304, 8);
constexpr QRect CoordinatesRect(16, 32, 265, 171);
constexpr QRect ValuesRect(304, 32, 242, 150);
constexpr QRect ButtonRect(233, 236, 109, 25);
constexpr QSize ClientSize(576, 272);
constexpr int RowHeight = 20;
constexpr int CoordinateWidths[] = {150, 56, 53};
constexpr int ValueWidths[] = {150, 54, 32};

// The widest text a value cell shows for an accepted motor: six integer digits, a sign, four
// decimals, in the current separators.
QString WidestValue()
{
    return QString::fromUtf8("-888" + SeparatorText(ThousandSeparator) + "888" + SeparatorText(DecimalSeparator) +
                             "8888");
}

// Column `col` of `grid` as wide as its design width, its widest cell and `also` need.
int ColumnWidth(const StringGrid* grid, int col, int designWidth, const QString& also = {})
{
    int width = std::max(designWidth, grid->WidthFor(also));
    for (int r = 0; r < grid->RowCount(); ++r)
        width = std::max(width, grid->WidthFor(grid->Cell(col, r)));
    return width;
}

} // namespace

TSouradniceDlg::TSouradniceDlg(QWidget* parent) : ModalDialog(parent)
{
    language::Bind(this, this, "windowTitle", QT_TR_NOOP("Souřadnice bodů pro konstrukci"));

    const QFont headingFont = PixelFont(QStringLiteral("Arial CE"), 13, true, false, true);
    Panel2 = new Panel(this, PanelRect, Panel::bvNone, Panel::bvRaised);
    Label22 = language::Bound(this, PlaceLabel(Panel2, CoordinatesHeading.x(), CoordinatesHeading.y(), {}, headingFont),
                              "text", QT_TR_NOOP("SOUŘADNICE:"));
    Label1 = language::Bound(this, PlaceLabel(Panel2, ValuesHeading.x(), ValuesHeading.y(), {}, headingFont), "text",
                             QT_TR_NOOP("HODNOTY:"));
    Tabulka2 = new StringGrid(Panel2, CoordinatesRect, {std::begin(CoordinateWidths), std::end(CoordinateWidths)}, 8,
                              RowHeight, 1, 1);
    Tabulka3 = new StringGrid(Panel2, ValuesRect, {std::begin(ValueWidths), std::end(ValueWidths)}, 7, RowHeight, 1, 1);
    TlacitkoOK = language::Bound(this, PlaceButton(this, ButtonRect, {}, true), "text", QT_TR_NOOP("&Beru na vědomí"));

    QWidget::setTabOrder(Tabulka2, Tabulka3);
    QWidget::setTabOrder(Tabulka3, TlacitkoOK);
    SetButtonResult(TlacitkoOK, mrOk);
    CopyGridsOnCtrlC(this, {Tabulka2, Tabulka3});

    SetDesignClientSize(ClientSize.width(), ClientSize.height());
    // Filled once here as well, so that the first showing is centred at the width its texts need.
    VlozSouradnice();
    Tabulka2->setFocus();
}

void TSouradniceDlg::VlozSouradnice()
{
    FillGrid(Tabulka2, CoordinateRows(Konstrukce));
    FillGrid(Tabulka3, ValueRows(Konstrukce));
    // The separators may have changed since the last showing.
    LayOut();
}

void TSouradniceDlg::changeEvent(QEvent* event)
{
    // The application re-reads the separators before the change reaches the windows.
    if (event->type() == QEvent::LocaleChange || event->type() == QEvent::FontChange)
        LayOut();
    ModalDialog::changeEvent(event);
    // The rows' captions are in the interface's language, and their widths with them.
    if (event->type() == QEvent::LanguageChange)
        VlozSouradnice();
}

void TSouradniceDlg::LayOut()
{
    const double scale = DesignScale(font());
    const auto px = [scale](int v) { return qRound(v * scale); };
    const auto pxRect = [px](QRect r) { return QRect(px(r.x()), px(r.y()), px(r.width()), px(r.height())); };

    // A value clipped to its first digits reads as another number: every column is as wide as its
    // texts need, the value columns as the widest value does; everything right of them moves along.
    const QString widest = WidestValue();
    Tabulka2->SetCellSizes({ColumnWidth(Tabulka2, 0, px(CoordinateWidths[0])),
                            ColumnWidth(Tabulka2, 1, px(CoordinateWidths[1]), widest),
                            ColumnWidth(Tabulka2, 2, px(CoordinateWidths[2]), widest)},
                           px(RowHeight));
    Tabulka3->SetCellSizes({ColumnWidth(Tabulka3, 0, px(ValueWidths[0])),
                            ColumnWidth(Tabulka3, 1, px(ValueWidths[1]), widest),
                            ColumnWidth(Tabulka3, 2, px(ValueWidths[2]))},
                           px(RowHeight));
    const int coordinatesWider = Tabulka2->width() - px(CoordinatesRect.width());
    const int wider = coordinatesWider + Tabulka3->width() - px(ValuesRect.width());

    Tabulka2->move(pxRect(CoordinatesRect).topLeft());
    Label22->move(px(CoordinatesHeading.x()), px(CoordinatesHeading.y()));
    Tabulka3->move(pxRect(ValuesRect).topLeft() + QPoint(coordinatesWider, 0));
    Label1->move(px(ValuesHeading.x()) + coordinatesWider, px(ValuesHeading.y()));
    Panel2->setGeometry(pxRect(PanelRect).adjusted(0, 0, wider, 0));
    TlacitkoOK->setGeometry(pxRect(ButtonRect).translated(wider / 2, 0));
    setFixedSize(px(ClientSize.width()) + wider, px(ClientSize.height()));
}
