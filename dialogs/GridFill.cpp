// Writes the rows the calculator prepares into a string grid, and copies a dialog's grids.
#include "GridFill.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

void FillGrid(StringGrid* grid, const GridRows& rows)
{
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
            grid->SetCell(c, r, QString::fromStdString(rows[r][c]));
}

namespace {

// Copies the grids on Ctrl+C pressed in any of them, or in any other control of the window that
// leaves the key unused (it then reaches the window).
class GridCopier : public QObject {
public:
    GridCopier(QWidget* window, std::vector<StringGrid*> grids) : QObject(window), grids_(std::move(grids))
    {
        window->installEventFilter(this);
        for (StringGrid* grid : grids_)
            grid->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
            return false;
        QStringList texts;
        for (const StringGrid* grid : grids_)
            texts << grid->ToTabSeparated();
        QApplication::clipboard()->setText(texts.join(QLatin1Char('\n')));
        return true;
    }

private:
    std::vector<StringGrid*> grids_;
};

} // namespace

void CopyGridsOnCtrlC(QWidget* window, std::vector<StringGrid*> grids)
{
    new GridCopier(window, std::move(grids));
}
