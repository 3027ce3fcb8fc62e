// The torque characteristic dialog.
#include "Moment.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "Fonts.h"
#include "GridFill.h"
#include "GridTexts.h"
#include "Language.h"
#include "StringGrid.h"

TTabulka1* Tabulka1 = nullptr;

namespace {
constexpr int ColumnWidth = 60;
constexpr int RowHeight = 14;
constexpr int RowCount = 23;
} // namespace

TTabulka1::TTabulka1(QWidget* parent) : ModalDialog(parent)
{
    language::Bind(this, this, "windowTitle", QT_TR_NOOP("Momentová charakteristika"));

    Panel1 = new Panel(this, QRect(8, 10, 217, 393));
    Label1 = language::Bound(
        this, PlaceLabel(Panel1, 16, 8, {}, PixelFont(QStringLiteral("Arial CE"), 13, true, false, true)), "text",
        QT_TR_NOOP("Pro s = [ 0 ÷ 1 ]:"));
    TabulkaM01 = new StringGrid(Panel1, QRect(16, 28, 186, 348), {ColumnWidth, ColumnWidth, ColumnWidth}, RowCount,
                                RowHeight, 1, 2);
    language::Bind(this, TabulkaM01, "statusTip", QT_TR_NOOP("Tabulka vypočtených hodnot"));
    // A table to read, not to walk through: no focus, no mouse, no keys.
    TabulkaM01->setEnabled(false);
    TlacitkoOK = language::Bound(this, PlaceButton(this, QRect(63, 412, 109, 25), {}, true), "text",
                                 QT_TR_NOOP("&Beru na vědomí"));
    SetButtonResult(TlacitkoOK, mrOk);

    CopyGridsOnCtrlC(this, {TabulkaM01});

    SetDesignClientSize(234, 445);
}

void TTabulka1::Vlozeni()
{
    FillGrid(TabulkaM01, TorqueRows(Konstrukce));
}

void TTabulka1::changeEvent(QEvent* event)
{
    ModalDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        Vlozeni();
}
