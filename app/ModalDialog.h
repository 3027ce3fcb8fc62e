// Base of every dialog of the program: the modal protocol, result buttons, Enter and Esc.
#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

// How a dialog unit uses this class:
//   1. Derive from ModalDialog; the constructor has already set DialogFont() on the dialog.
//   2. Create every control as a child (of the dialog or of a panel/group box) and place it with
//      setGeometry() in design pixels (laid out for a 13-pixel text height); no QLayouts.
//      Set special fonts (PixelFont) before step 4 so they are in place when the dialog is measured.
//   3. SetButtonResult() for each result button, setDefault(true) on the default one,
//      SetCancelButton() on the Esc button; put hints in setStatusTip().
//   4. Call SetDesignClientSize(w, h) LAST in the constructor with the design client width and
//      height. It fixes the client size and, when the dialog font is taller than the design text
//      height, scales every control's geometry (not the fonts) by TextHeight/13. With the Liberation
//      faces at 96 dpi the factor is 1, so the design geometry stands as written.
//   5. Override Activate() for the activation handler; it runs once per ShowModal().
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
    // A change of language sets the texts bound with language::Bind again; a dialog that shows texts
    // made from its content overrides this and calls it first.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // QDialog's accept()/reject()/done() only set the result here; the modal loop hides the dialog.
    void done(int result) override;

private:
    void EndLoopWhenDecided();

    int modalResult_ = mrNone;
    QPushButton* cancelButton_ = nullptr;
    bool activationPending_ = false;
    bool positioned_ = false;
    bool inModalLoop_ = false;
    int loopLevel_ = 0;
    class QEventLoop* loop_ = nullptr;
};

// Moves a top-level window so that its outer frame is centred on its screen (never off the top
// or left edge); `outerSize` is the size including the frame.
void CentreOnScreen(QWidget* window, QSize outerSize);

// The outer size a top-level window has or will have: its frame size once known, else its size
// plus the frame margins of another visible window of the program.
QSize OuterSize(const QWidget* window);

// Runs `place` once, as soon as the window system has reported the frame of `window` (a window
// manager adds it only after the window is shown), so that the window can be placed by its outer
// size. Call it before showing the window. Nothing runs when the window is hidden first, or when it
// has been exposed without a frame (no window manager, or the offscreen platform).
void WhenFrameKnown(QWidget* window, std::function<void()> place);
