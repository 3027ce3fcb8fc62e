// The two ways errors reach the user: the "Error" message dialog and the unhandled-error box.
#include "ErrorDisplay.h"

#include "Fonts.h"
#include "HintTracker.h"
#include "ModalDialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace {

// Message dialog layout in dialog units (a quarter of the average letter width, an eighth of the
// letter height).
constexpr int MarginUnits = 8;
constexpr int SpacingUnits = 10;
constexpr int ButtonWidthUnits = 50;
constexpr int ButtonHeightUnits = 14;
constexpr int IconSize = 32;
// Room beside the caption of the unhandled-error box for the frame's icon and buttons.
constexpr int CaptionAllowance = 120;

class ErrorMessageDialog : public ModalDialog {
public:
    ErrorMessageDialog(const QString& text, const QString& caption, QWidget* owner) : ModalDialog(owner)
    {
        setWindowTitle(caption);
        setFont(QApplication::font("QMessageBox"));
        const QFontMetrics metrics(font());
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        const int baseX = (letters / 26 + 1) / 2; // the average letter width, rounded
        const int baseY = metrics.height();
        auto horizontal = [baseX](int units) { return (units * baseX + 2) / 4; };
        auto vertical = [baseY](int units) { return (units * baseY + 4) / 8; };

        auto* icon = new QLabel(this);
        icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(IconSize, IconSize));
        auto* message = new QLabel(this);
        message->setObjectName(QStringLiteral("ErrorText"));
        // Messages can quote what the user typed: never interpret them as markup.
        message->setTextFormat(Qt::PlainText);
        message->setText(text);
        message->setWordWrap(true);
        message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        SetButtonResult(ok, mrOk);
        SetCancelButton(ok);

        const QScreen* screen = QGuiApplication::primaryScreen();
        const int maxTextWidth = screen->geometry().width() / 2;
        const QRect textRect = metrics.boundingRect(QRect(0, 0, maxTextWidth, 100000), Qt::TextWordWrap | Qt::AlignLeft,
                                                    text);
        const int margin = horizontal(MarginUnits);
        const int marginY = vertical(MarginUnits);
        const int gap = horizontal(SpacingUnits);
        const int blockWidth = IconSize + gap + textRect.width();
        const int blockHeight = std::max(textRect.height(), IconSize);
        const QSize button(horizontal(ButtonWidthUnits), vertical(ButtonHeightUnits));
        const int clientWidth = std::max(blockWidth, button.width()) + 2 * margin;
        const int buttonTop = marginY + blockHeight + vertical(SpacingUnits);
        const int clientHeight = buttonTop + button.height() + marginY;

        icon->setGeometry(margin, marginY, IconSize, IconSize);
        message->setGeometry(margin + IconSize + gap, marginY, textRect.width(), textRect.height());
        ok->setGeometry((clientWidth - button.width()) / 2, buttonTop, button.width(), button.height());
        setFixedSize(clientWidth, clientHeight);
    }
};

void ShowMessageDialog(const QString& text, const QString& caption)
{
    // Owned by the active window so that the window system keeps it above that window.
    ErrorMessageDialog dialog(text, caption, QApplication::activeWindow());
    dialog.ShowModal();
}

} // namespace

void ShowErrorMessage(const QString& text)
{
    ShowMessageDialog(text, QStringLiteral("Error"));
}

void ShowOwnErrorMessage(const QString& text)
{
    ShowMessageDialog(text, QCoreApplication::translate("ErrorDisplay", "Chyba"));
}

QString UnhandledErrorText(const QString& message)
{
    constexpr char16_t Period = u'.';
    if (!message.isEmpty() && message.back().unicode() > Period)
        return message + QChar(Period);
    return message;
}

void ShowUnhandledError(const std::exception& error)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QPointer<QWidget> previous = QApplication::activeWindow();

    QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(),
                    UnhandledErrorText(QString::fromUtf8(error.what())), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // A window manager shortens a caption that does not fit. The caption is measured in the font the
    // system names for window titles, and never narrower than in the application font; the frame's
    // icon and buttons, which Qt cannot measure, get a fixed allowance.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int caption = std::max(
            QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()),
            QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(box.windowTitle()));
        const int width = caption + CaptionAllowance;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    // A plain OK, as on the "Error" dialog; some platform themes put a tick on it.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    box.setWindowModality(Qt::ApplicationModal);
    // The box's own loop has no idle step: the status line stays as it is while it is open.
    HintTracker::Suspender quiet;
    box.exec();
    if (previous)
        previous->activateWindow();
}
