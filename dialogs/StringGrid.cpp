// A small read-only string grid drawn by hand: a QTableWidget cannot give the flat band and silver lines.
#include "StringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <qdrawutil.h>
#include <utility>

StringGrid::StringGrid(QWidget* parent, const QRect& designGeometry, std::vector<int> colWidths, int rowCount,
                       int rowHeight, int fixedCols, int fixedRows)
    : QWidget(parent),
      designSize_(designGeometry.size()),
      colWidths_(std::move(colWidths)),
      rowCount_(rowCount),
      rowHeight_(rowHeight),
      fixedCols_(fixedCols),
      fixedRows_(fixedRows),
      cells_(rowCount, QStringList(static_cast<int>(colWidths_.size()))),
      currentCol_(fixedCols),
      currentRow_(fixedRows)
{
    setGeometry(designGeometry);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QString StringGrid::Cell(int col, int row) const
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= ColCount())
        return {};
    return cells_[row][col];
}

void StringGrid::SetCell(int col, int row, const QString& text)
{
    if (row < 0 || row >= rowCount_ || col < 0 || col >= ColCount())
        return;
    if (cells_[row][col] == text)
        return;
    cells_[row][col] = text;
    update();
}

void StringGrid::SetCurrentCell(int col, int row)
{
    col = std::clamp(col, fixedCols_, ColCount() - 1);
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    if (col == currentCol_ && row == currentRow_)
        return;
    currentCol_ = col;
    currentRow_ = row;
    update();
}

int StringGrid::ScaledColWidth(int col) const
{
    if (designSize_.width() <= 0)
        return colWidths_[col];
    return qRound(colWidths_[col] * static_cast<double>(width()) / designSize_.width());
}

int StringGrid::ScaledRowHeight() const
{
    if (designSize_.height() <= 0)
        return rowHeight_;
    return qRound(rowHeight_ * static_cast<double>(height()) / designSize_.height());
}

int StringGrid::ColLeft(int col) const
{
    int x = BorderWidth;
    for (int c = 0; c < col; ++c)
        x += ScaledColWidth(c) + LineWidth;
    return x;
}

int StringGrid::RowTop(int row) const
{
    return BorderWidth + row * (ScaledRowHeight() + LineWidth);
}

QRect StringGrid::CellRect(int col, int row) const
{
    return QRect(ColLeft(col), RowTop(row), ScaledColWidth(col), ScaledRowHeight());
}

void StringGrid::SetCellSizes(const std::vector<int>& colWidths, int rowHeight)
{
    colWidths_ = colWidths;
    rowHeight_ = rowHeight;
    for (QStringList& row : cells_)
        row.resize(ColCount());
    int width = 2 * BorderWidth + (ColCount() - 1) * LineWidth;
    for (int w : colWidths_)
        width += w;
    designSize_ = QSize(width, 2 * BorderWidth + rowCount_ * rowHeight_ + (rowCount_ - 1) * LineWidth);
    resize(designSize_); // present pixels from now on: no further scaling
    update();
}

bool StringGrid::TextFits(int col, const QString& text) const
{
    return TextInset + fontMetrics().horizontalAdvance(text) <= ScaledColWidth(col);
}

int StringGrid::WidthFor(const QString& text) const
{
    return TextInset + fontMetrics().horizontalAdvance(text) + TextInset;
}

bool StringGrid::CellAt(const QPoint& pos, int& col, int& row) const
{
    for (int r = 0; r < rowCount_; ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (CellRect(c, r).adjusted(0, 0, LineWidth, LineWidth).contains(pos)) {
                col = c;
                row = r;
                return true;
            }
    return false;
}

QString StringGrid::ToTabSeparated() const
{
    QString text;
    for (const QStringList& row : cells_) {
        text += row.join(QLatin1Char('\t'));
        text += QLatin1Char('\n');
    }
    return text;
}

void StringGrid::CopyToClipboard() const
{
    QApplication::clipboard()->setText(ToTabSeparated());
}

void StringGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Active colours even when disabled: the torque grid is disabled only to keep input out.
    const QPalette& pal = palette();
    const QColor band = pal.color(QPalette::Active, QPalette::Button);
    const QColor bandText = pal.color(QPalette::Active, QPalette::ButtonText);
    const QColor cellBack = pal.color(QPalette::Active, QPalette::Base);
    const QColor cellText = pal.color(QPalette::Active, QPalette::Text);
    const QColor highlight = pal.color(QPalette::Active, QPalette::Highlight);
    const QColor highlightText = pal.color(QPalette::Active, QPalette::HighlightedText);
    const QColor line = QColor::fromRgba(LineColor);

    const QRect inside = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    p.fillRect(inside, cellBack);
    p.setClipRect(inside);
    p.setFont(font());

    for (int r = 0; r < rowCount_; ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            const QRect cell = CellRect(c, r);
            const QRect withLines = cell.adjusted(0, 0, LineWidth, LineWidth);
            if (!withLines.intersects(inside))
                continue;
            const bool fixed = c < fixedCols_ || r < fixedRows_;
            const bool current = c == currentCol_ && r == currentRow_;
            const bool highlighted = current && !hasFocus();
            QColor text = cellText;
            if (fixed) {
                // The band has no lines: its line pixels take the band colour too.
                p.fillRect(withLines, band);
                text = bandText;
            } else {
                p.fillRect(cell, highlighted ? highlight : cellBack);
                p.fillRect(QRect(cell.right() + 1, cell.top(), LineWidth, cell.height() + LineWidth), line);
                p.fillRect(QRect(cell.left(), cell.bottom() + 1, cell.width(), LineWidth), line);
                if (highlighted)
                    text = highlightText;
            }
            const QString& s = cells_[r][c];
            if (!s.isEmpty()) {
                p.save();
                p.setClipRect(cell.intersected(inside));
                p.setPen(text);
                p.drawText(cell.adjusted(TextInset, TextInset, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                           s);
                p.restore();
            }
            if (current && hasFocus()) {
                QPen dotted(cellText, 1);
                dotted.setDashPattern({1, 1});
                p.setPen(dotted);
                p.setBrush(Qt::NoBrush);
                p.drawRect(cell.adjusted(0, 0, -1, -1));
            }
        }
    }

    p.setClipping(false);
    QPalette active = pal;
    active.setCurrentColorGroup(QPalette::Active);
    qDrawWinPanel(&p, rect(), active, true);
}

void StringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopyToClipboard();
        return;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: SetCurrentCell(currentCol_ - 1, currentRow_); break;
    case Qt::Key_Right: SetCurrentCell(currentCol_ + 1, currentRow_); break;
    case Qt::Key_Up: SetCurrentCell(currentCol_, currentRow_ - 1); break;
    case Qt::Key_Down: SetCurrentCell(currentCol_, currentRow_ + 1); break;
    default:
        // Enter, Esc and the rest belong to the dialog.
        event->ignore();
    }
}

void StringGrid::mousePressEvent(QMouseEvent* event)
{
    int col = 0, row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row) && col >= fixedCols_ &&
        row >= fixedRows_)
        SetCurrentCell(col, row);
    QWidget::mousePressEvent(event);
}

void StringGrid::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void StringGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}
