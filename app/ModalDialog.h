// Base of every dialog of the program: the modal protocol, result buttons, Enter and Esc.
#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

class ModalDialog : public QDialog {
    Q_OBJECT
public:
    enum Result { mrNone = 0, mrOk = 1, mrCancel = 2 };

    explicit ModalDialog(QWidget* parent = nullptr);

    // Shows the dialog application-modal, runs the activation handler once, processes events until
    // the result is non-zero, hides the dialog, re-activates the previously active window and
    // returns the result (1 or 2).
    int ShowModal();

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Lays the window out for a client area of w × h design pixels (for a 13-pixel text height);
    // call after creating the children with their design geometry. Scales everything by the
    // measured text height of the dialog font / 13.
    void SetDesignClientSize(int w, int h);

protected:
    // The activation handler: once per showing, synchronously after the window has appeared and
    // before any input; the result is reset to 0 after it.
    virtual void Activate() {}

    // A push button with a result value: its click copies `result` into ModalResult(), then runs
    // `handler` (if any) inside the program's error guard (an error shows ShowUnhandledError).
    void SetButtonResult(QPushButton* button, int result, std::function<void()> handler = {});

    // Esc presses this button (when visible, enabled and no modifier is held); without one Esc does nothing.
    void SetCancelButton(QPushButton* button);

    // Enter presses the focused push button, else the default one (QPushButton::setDefault).
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int modalResult_ = mrNone;
    QPushButton* cancelButton_ = nullptr;
    bool activationPending_ = false;
    bool positioned_ = false;
};
