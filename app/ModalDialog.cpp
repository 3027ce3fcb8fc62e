// The modal dialog protocol shared by every dialog of the program.
#include "ModalDialog.h"

#include "Language.h"

#include "ErrorDisplay.h"
#include "Fonts.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QThread>
#include <QWindow>

namespace {

constexpr Qt::KeyboardModifiers BlockingModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// User input, which a dialog whose result is decided no longer takes.
bool IsInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu: return true;
    default: return false;
    }
}

bool CanPress(const QPushButton* button)
{
    return button != nullptr && button->isVisible() && button->isEnabled();
}

// The frame the window system has put around a top-level window; null while there is none (yet).
// QWidget::frameGeometry() may still hold the frame of before.
QMargins FrameOf(const QWidget* window)
{
    return window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
}

// While the window manager is still framing a window, its margins can come out negative.
bool HasFrame(const QWidget* window)
{
    const QMargins m = FrameOf(window);
    return !m.isNull() && m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
}

QMargins KnownFrameMargins(const QWidget* except)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible() && HasFrame(w))
            return FrameOf(w);
    return {};
}

// Watches a window and its native window until the frame is known, then places the window once.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, std::function<void()> place)
        : QObject(window), window_(window), place_(std::move(place))
    {
        window->installEventFilter(this);
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Expose:
            // Only a window on screen has its final frame; one on screen without a frame gets none.
            if (!window_->windowHandle()->isExposed())
                break;
            Finish();
            if (HasFrame(window_))
                place_();
            break;
        case QEvent::Hide: Finish(); break;
        default: break;
        }
        return false;
    }

private:
    void Finish()
    {
        window_->removeEventFilter(this);
        window_->windowHandle()->removeEventFilter(this);
        deleteLater();
    }

    QWidget* window_;
    std::function<void()> place_;
};

} // namespace

void WhenFrameKnown(QWidget* window, std::function<void()> place)
{
    window->winId(); // the native window, to watch its exposure
    new FrameWatch(window, std::move(place));
}

QSize OuterSize(const QWidget* window)
{
    return window->size().grownBy(HasFrame(window) ? FrameOf(window) : KnownFrameMargins(window));
}

void CentreOnScreen(QWidget* window, QSize outerSize)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    QRect area = screen->geometry();
    // Truncating division, then never past the top-left corner of the screen.
    const QPoint outerTopLeft(area.x() + std::max(0, (area.width() - outerSize.width()) / 2),
                              area.y() + std::max(0, (area.height() - outerSize.height()) / 2));
    const QMargins frame = FrameOf(window);
    if (frame.isNull()) {
        window->move(outerTopLeft); // the window system is to put the frame there
        return;
    }
    // With the frame known, place the client area inside it exactly.
    window->setGeometry(QRect(outerTopLeft + QPoint(frame.left(), frame.top()), window->size()));
}

ModalDialog::ModalDialog(QWidget* parent) : QDialog(parent)
{
    setFont(DialogFont());
    // Pop-up tool tips are not used; hints go to the main window's status line.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int ModalDialog::ShowModal()
{
    if (inModalLoop_)
        return mrNone;
    QPointer<QWidget> previous = QApplication::activeWindow();
    setWindowModality(Qt::ApplicationModal);
    if (!positioned_) {
        // Centred by the frame the other windows have; again by its own once the window system has
        // framed it, should that differ.
        CentreOnScreen(this, OuterSize(this));
        WhenFrameKnown(this, [this] { CentreOnScreen(this, OuterSize(this)); });
        positioned_ = true;
    }

    activationPending_ = true;
    show(); // runs the activation handler synchronously (showEvent), then resets the result
    raise();
    activateWindow();

    QEventLoop loop;
    loop_ = &loop;
    inModalLoop_ = true;
    loopLevel_ = QThread::currentThread()->loopLevel() + 1;
    // The result is tested each time this loop has run out of events, i.e. after every handler has
    // fully returned; nested loops (message boxes) opened by a handler do not end this one.
    QMetaObject::Connection idle = connect(QAbstractEventDispatcher::instance(),
                                           &QAbstractEventDispatcher::aboutToBlock, this,
                                           &ModalDialog::EndLoopWhenDecided);
    // The loop ends only once it has run out of events; input still queued by then (Esc, then Enter
    // typed at once) must not reach a dialog that is already decided.
    qApp->installEventFilter(this);
    if (modalResult_ == mrNone)
        loop.exec(QEventLoop::DialogExec);
    qApp->removeEventFilter(this);
    disconnect(idle);
    inModalLoop_ = false;
    loop_ = nullptr;
    // The loop also ends when the program is being terminated.
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel;

    hide();
    if (previous)
        previous->activateWindow();
    return modalResult_;
}

void ModalDialog::EndLoopWhenDecided()
{
    if (loop_ != nullptr && modalResult_ != mrNone && QThread::currentThread()->loopLevel() == loopLevel_)
        loop_->exit();
}

void ModalDialog::SetDesignClientSize(int w, int h)
{
    const double scale = DesignScale(font());
    auto scaled = [scale](int v) { return qRound(v * scale); };
    if (scale != 1.0) {
        for (QWidget* child : findChildren<QWidget*>()) {
            QWidget* parent = child->parentWidget();
            if (child->isWindow() || (parent != nullptr && parent->layout() != nullptr))
                continue;
            QRect g = child->geometry();
            child->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
        }
    }
    setFixedSize(scaled(w), scaled(h));
}

void ModalDialog::SetButtonResult(QPushButton* button, int result, std::function<void()> handler)
{
    connect(button, &QPushButton::clicked, this, [this, result, handler = std::move(handler)] {
        modalResult_ = result;
        if (handler)
            GuardHandler(handler);
    });
}

void ModalDialog::SetCancelButton(QPushButton* button)
{
    cancelButton_ = button;
}

void ModalDialog::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & BlockingModifiers) == 0) {
        if (IsEnterKey(event->key())) {
            QPushButton* button = qobject_cast<QPushButton*>(focusWidget());
            if (button == nullptr) {
                for (QPushButton* candidate : findChildren<QPushButton*>())
                    if (candidate->isDefault()) {
                        button = candidate;
                        break;
                    }
            }
            if (CanPress(button))
                button->click();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            if (CanPress(cancelButton_))
                cancelButton_->click();
            return;
        }
    }
    // Not QDialog's: its Esc would reject a dialog that has no cancel button.
    QWidget::keyPressEvent(event);
}

bool ModalDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (inModalLoop_ && modalResult_ != mrNone && IsInput(event->type()) && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        return true;
    // A focused push button clicks itself on Enter even with Shift, Ctrl or Alt held; those are not
    // presses here.
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched) != nullptr) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnterKey(key->key()) && (key->modifiers() & BlockingModifiers) != 0)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ModalDialog::closeEvent(QCloseEvent* event)
{
    if (inModalLoop_) {
        // Close box, Alt+F4, system menu: the loop hides the dialog with result 2.
        modalResult_ = mrCancel;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ModalDialog::done(int result)
{
    if (result == QDialog::Accepted)
        modalResult_ = mrOk;
    else if (result == QDialog::Rejected)
        modalResult_ = mrCancel;
    else
        modalResult_ = result;
    if (!inModalLoop_)
        QDialog::done(result);
}

void ModalDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        language::Retranslate(this);
    QDialog::changeEvent(event);
}

void ModalDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
    if (!event->spontaneous() && activationPending_) {
        activationPending_ = false;
        GuardHandler([this] { Activate(); });
        // A result set by the activation handler does not count.
        modalResult_ = mrNone;
    }
}
