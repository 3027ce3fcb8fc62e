// The load test's table: six columns, the first four needed in every filled row, P2 or M where
// measured; a cell that is no number in the locale's form keeps the dialog open with the reason.
#include "LoadTestDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "NumText.h"

namespace {

constexpr int Columns = 6;
constexpr int NeededColumns = 4;
constexpr int FirstRows = 3;
const char* const Headers[Columns] = {"U (V)", "I (A)", "P1 (W)", "n (1/min)", "P2 (W)", "M (Nm)"};
std::string LoadPointForm::*const Fields[Columns] = {&LoadPointForm::u, &LoadPointForm::i,  &LoadPointForm::p1,
                                                     &LoadPointForm::n, &LoadPointForm::p2, &LoadPointForm::m};

QString CellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text().trimmed() : QString();
}

} // namespace

LoadTestDialog::LoadTestDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LoadTestDialog"));
    setWindowTitle(tr("Zatěžovací zkouška"));
    Table = new QTableWidget(FirstRows, Columns, this);
    Table->setObjectName(QStringLiteral("LoadPointsTable"));
    QStringList headers;
    for (const char* h : Headers)
        headers << QString::fromUtf8(h);
    Table->setHorizontalHeaderLabels(headers);
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Table->installEventFilter(this);
    AddRow = new QPushButton(tr("&Přidat řádek"), this);
    RemoveRow = new QPushButton(tr("&Odebrat řádek"), this);
    connect(AddRow, &QPushButton::clicked, this, [this] { Table->insertRow(Table->rowCount()); });
    connect(RemoveRow, &QPushButton::clicked, this, [this] {
        if (Table->rowCount() > 0)
            Table->removeRow(Table->currentRow() >= 0 ? Table->currentRow() : Table->rowCount() - 1);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &LoadTestDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(AddRow);
    rowButtons->addWidget(RemoveRow);
    rowButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table, 1);
    layout->addLayout(rowButtons);
    layout->addWidget(buttons);
    resize(560, 300);
}

void LoadTestDialog::SetPoints(const std::vector<LoadPointForm>& points)
{
    Table->setRowCount(std::max<int>(FirstRows, static_cast<int>(points.size())));
    Table->clearContents();
    for (std::size_t r = 0; r < points.size(); ++r)
        for (int c = 0; c < Columns; ++c)
            Table->setItem(static_cast<int>(r), c,
                           new QTableWidgetItem(QString::fromStdString(TypedNumber(points[r].*Fields[c]))));
}

std::vector<LoadPointForm> LoadTestDialog::Points() const
{
    std::vector<LoadPointForm> points;
    for (int r = 0; r < Table->rowCount(); ++r) {
        LoadPointForm form;
        bool any = false;
        for (int c = 0; c < Columns; ++c) {
            const QString text = CellText(Table, r, c);
            any = any || !text.isEmpty();
            form.*Fields[c] = FileNumber(text.toStdString());
        }
        if (any)
            points.push_back(form);
    }
    return points;
}

void LoadTestDialog::Paste(const QString& text)
{
    int row = std::max(Table->currentRow(), 0);
    const int firstColumn = std::max(Table->currentColumn(), 0);
    QString lines = text;
    lines.remove(u'\r');
    if (lines.endsWith(u'\n'))
        lines.chop(1);
    for (const QString& line : lines.split(u'\n')) {
        if (row >= Table->rowCount())
            Table->insertRow(row);
        const QStringList cells = line.split(line.contains(u'\t') ? QChar(u'\t') : QChar(u';'));
        for (int c = 0; c < cells.size() && firstColumn + c < Columns; ++c)
            Table->setItem(row, firstColumn + c, new QTableWidgetItem(cells[c].trimmed()));
        ++row;
    }
}

void LoadTestDialog::accept()
{
    // Every filled row needs U, I, P1 and n, and every cell given must be a number.
    for (int r = 0; r < Table->rowCount(); ++r) {
        bool any = false;
        for (int c = 0; c < Columns; ++c)
            any = any || !CellText(Table, r, c).isEmpty();
        if (!any)
            continue;
        for (int c = 0; c < Columns; ++c) {
            const QString text = CellText(Table, r, c);
            QString reason;
            if (text.isEmpty()) {
                if (c < NeededColumns)
                    reason = tr("Řádek %1: chybí %2.").arg(r + 1).arg(QString::fromUtf8(Headers[c]));
            } else {
                try {
                    TextToNumber(text.toStdString());
                } catch (const EConvertError& e) {
                    reason = tr("Řádek %1, %2: %3").arg(r + 1).arg(QString::fromUtf8(Headers[c]), e.what());
                }
            }
            if (!reason.isEmpty()) {
                Table->setCurrentCell(r, c);
                QMessageBox::warning(this, windowTitle(), reason);
                return;
            }
        }
    }
    QDialog::accept();
}

bool LoadTestDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        Paste(QApplication::clipboard()->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
