// A small read-only string grid: fixed band, silver cell lines, current cell, Ctrl+C as tab-separated text.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class StringGrid : public QWidget {
    Q_OBJECT
public:
    // `designGeometry`, `colWidths` and `rowHeight` are design pixels; when the window scales the
    // grid, columns and rows scale with it.
    StringGrid(QWidget* parent, const QRect& designGeometry, std::vector<int> colWidths, int rowCount, int rowHeight,
               int fixedCols, int fixedRows);

    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    int RowCount() const { return rowCount_; }
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }

    QString Cell(int col, int row) const;
    void SetCell(int col, int row, const QString& text);

    int CurrentCol() const { return currentCol_; }
    int CurrentRow() const { return currentRow_; }
    // Moves the current cell; positions outside the body are clamped into it.
    void SetCurrentCell(int col, int row);

    // Cell rectangle in widget pixels (line excluded), border included in the offset.
    QRect CellRect(int col, int row) const;

    // New column widths and row height in the grid's present pixels; the grid takes the size that
    // holds them exactly, and keeps them from then on.
    void SetCellSizes(const std::vector<int>& colWidths, int rowHeight);

    // Whether `text` shows whole in column `col`, drawn at the cell's inset.
    bool TextFits(int col, const QString& text) const;
    // The column width that shows `text` whole with the cell's inset on both sides.
    int WidthFor(const QString& text) const;

    // The whole grid, cells separated by tabs, each row a line.
    QString ToTabSeparated() const;
    void CopyToClipboard() const;

    static constexpr int BorderWidth = 2;
    static constexpr int LineWidth = 1;
    static constexpr int TextInset = 2;
    static constexpr QRgb LineColor = 0xFFC0C0C0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int ColLeft(int col) const;
    int RowTop(int row) const;
    int ScaledColWidth(int col) const;
    int ScaledRowHeight() const;
    // The cell under a widget position, or false outside every cell.
    bool CellAt(const QPoint& pos, int& col, int& row) const;

    QSize designSize_;
    std::vector<int> colWidths_;
    int rowCount_;
    int rowHeight_;
    int fixedCols_;
    int fixedRows_;
    std::vector<QStringList> cells_; // [row][col]
    int currentCol_;
    int currentRow_;
};
