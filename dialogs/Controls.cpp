// Bevelled panels and placed controls of the dialogs.
#include "Controls.h"

#include "Language.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// One pixel frame: light on top and left for a raised bevel, dark there for a lowered one.
void DrawBevel(QPainter& p, QRect& r, Panel::Bevel bevel, const QPalette& pal)
{
    if (bevel == Panel::bvNone)
        return;
    const QColor light = pal.color(QPalette::Active, QPalette::Light);
    const QColor dark = pal.color(QPalette::Active, QPalette::Dark);
    const QColor topLeft = bevel == Panel::bvRaised ? light : dark;
    const QColor bottomRight = bevel == Panel::bvRaised ? dark : light;
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    r.adjust(1, 1, -1, -1);
}

// A radio group is a single tab stop, at its selected item; the others take focus by click or arrow.
void KeepOneTabStop(QButtonGroup* group)
{
    for (QAbstractButton* button : group->buttons())
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Arrow keys step through a group's items in index order, wrapping, and select the item reached.
class RadioArrowKeys : public QObject {
public:
    explicit RadioArrowKeys(QButtonGroup* group) : QObject(group), group_(group) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        int step = 0;
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)
            step = 1;
        else if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left)
            step = -1;
        else
            return false;
        const int count = static_cast<int>(group_->buttons().size());
        const int index = group_->id(static_cast<QAbstractButton*>(watched));
        QAbstractButton* next = group_->button((index + step + count) % count);
        next->setChecked(true);
        next->setFocus(Qt::OtherFocusReason);
        return true;
    }

private:
    QButtonGroup* group_;
};

} // namespace

void MakeOneTabStop(QButtonGroup* group)
{
    auto* arrows = new RadioArrowKeys(group);
    for (QAbstractButton* item : group->buttons())
        item->installEventFilter(arrows);
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group] { KeepOneTabStop(group); });
    KeepOneTabStop(group);
}

Panel::Panel(QWidget* parent, const QRect& geometry, Bevel outer, Bevel inner, const QString& caption)
    : QWidget(parent), outer_(outer), inner_(inner), caption_(caption)
{
    setGeometry(geometry);
    setAutoFillBackground(true);
}

void Panel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QRect r = rect();
    DrawBevel(p, r, outer_, palette());
    DrawBevel(p, r, inner_, palette());
    if (!caption_.isEmpty()) {
        p.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, caption_);
    }
}

GroupBox::GroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

int GroupBox::FrameTop() const
{
    return fontMetrics().height() / 2 - 1;
}

void GroupBox::paintEvent(QPaintEvent*)
{
    // Title at 8 px from the left edge, as the radio items' layout expects.
    constexpr int TitleLeft = 8;
    QPainter p(this);
    const QPalette& pal = palette();
    const QColor shadow = pal.color(QPalette::Active, QPalette::Dark);
    const QColor highlight = pal.color(QPalette::Active, QPalette::Light);
    // Etched: a shadow outline with a highlight outline one pixel down and right (an outline drawn
    // with a one-pixel pen covers width + 1 by height + 1 pixels).
    const QRect outline(0, FrameTop(), width() - 2, height() - 2 - FrameTop());
    p.setPen(highlight);
    p.drawRect(outline.translated(1, 1));
    p.setPen(shadow);
    p.drawRect(outline);

    const QFontMetrics metrics = fontMetrics();
    const QRect titleRect(TitleLeft, 0, metrics.horizontalAdvance(title()), metrics.height());
    p.fillRect(titleRect, pal.color(QPalette::Active, QPalette::Window));
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
}

QLabel* PlaceLabel(QWidget* parent, int x, int y, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    label->setProperty(language::FitsText, true); // in every language
    label->adjustSize();
    return label;
}

QLabel* PlaceLabel(QWidget* parent, int x, int y, const QString& text, const QFont& font)
{
    QLabel* label = PlaceLabel(parent, x, y, text);
    label->setFont(font);
    label->adjustSize();
    return label;
}

QLabel* PlaceLabel(QWidget* parent, const QRect& geometry, const QString& text, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

QPushButton* PlaceButton(QWidget* parent, const QRect& geometry, const QString& caption, bool isDefault)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setDefault(isDefault);
    return button;
}
