// Bevelled panels and placed controls of the dialogs.
#include "Controls.h"

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

} // namespace

Panel::Panel(QWidget* parent, const QRect& geometry, Bevel outer, Bevel inner, const QString& caption)
    : QWidget(parent), outer_(outer), inner_(inner), caption_(caption)
{
    setGeometry(geometry);
    setAutoFillBackground(true);
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

QLabel* PlaceLabel(QWidget* parent, int x, int y, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
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
