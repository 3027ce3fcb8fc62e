// "Zatěžovací zkouška": the load test's points typed into a table, a row per point, or pasted from a
// spreadsheet with Ctrl+V.
#pragma once

#include <QDialog>
#include <vector>

#include "MotorFile.h"

class QTableWidget;
class QPushButton;

class LoadTestDialog : public QDialog {
    Q_OBJECT

public:
    explicit LoadTestDialog(QWidget* parent = nullptr);

    // The rows as the motor file keeps them (numbers with a full stop).
    void SetPoints(const std::vector<LoadPointForm>& points);
    // The filled rows; empty rows are left out.
    std::vector<LoadPointForm> Points() const;
    // Text of a spreadsheet's cells (rows by line, cells by TAB or ';') into the table from its
    // current cell on, adding rows as needed.
    void Paste(const QString& text);

    QTableWidget* Table;
    QPushButton* AddRow;
    QPushButton* RemoveRow;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
