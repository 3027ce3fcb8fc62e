// The construction coordinates dialog.
#pragma once

#include "ModalDialog.h"

class QLabel;
class QPushButton;
class Panel;
class StringGrid;

class TSouradniceDlg : public ModalDialog {
    Q_OBJECT
public:
    explicit TSouradniceDlg(QWidget* parent = nullptr);

    Panel* Panel2;
    QLabel* Label22;
    QLabel* Label1;
    StringGrid* Tabulka2;
    StringGrid* Tabulka3;
    QPushButton* TlacitkoOK;

    // Activation: every cell afresh from Konstrukce.
    void VlozSouradnice();

protected:
    void Activate() override { VlozSouradnice(); }
    void changeEvent(QEvent* event) override;

private:
    // Places the controls at the window's scale, each column as wide as its texts need and the value
    // columns as wide as the widest value in the current separators.
    void LayOut();
};

extern TSouradniceDlg* SouradniceDlg;
