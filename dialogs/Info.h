// The about box.
#pragma once

#include <QLabel>
#include <QTimer>

#include "ModalDialog.h"

class QPushButton;
class Panel;

// An image whose hint opens as a tool tip after the pointer has rested on it, for a limited time.
class HintedImage : public QLabel {
    Q_OBJECT
public:
    static constexpr int ShowDelayMs = 500;
    static constexpr int ShowTimeMs = 2500;

    explicit HintedImage(QWidget* parent);

protected:
    bool event(QEvent* event) override;

private:
    QTimer restTimer_;
};

class TAboutBox : public ModalDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    Panel* Panel1;
    QLabel* Datum;
    QLabel* CasDatum;
    Panel* Panel2;
    HintedImage* ProgramIcon;
    QLabel* ProductName;
    QLabel* Label2;
    QLabel* Version;
    QLabel* Copyright;
    QPushButton* TlacitkoOK;

protected:
    void changeEvent(QEvent* event) override;
};

extern TAboutBox* AboutBox;
