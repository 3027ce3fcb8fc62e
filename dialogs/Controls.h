// Small pieces the dialogs share: bevelled panels and controls placed at design pixels.
#pragma once

#include <QFont>
#include <QGroupBox>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QPushButton;

// A flat container with the classic one-pixel raised or lowered bevels and an optional centred caption.
class Panel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
public:
    enum Bevel { bvNone, bvRaised, bvLowered };

    Panel(QWidget* parent, const QRect& geometry, Bevel outer = bvRaised, Bevel inner = bvNone,
          const QString& caption = {});

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
    QString caption_;
};

// A group box in the classic look: an etched frame whose top line runs through the middle of the
// title, the title standing on it, and the whole inside below that line free for the items.
class GroupBox : public QGroupBox {
    Q_OBJECT
public:
    GroupBox(const QString& title, QWidget* parent);

    // The frame's top line, in the box's pixels.
    int FrameTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A label sized to its text with its top-left corner at (x, y).
QLabel* PlaceLabel(QWidget* parent, int x, int y, const QString& text);
QLabel* PlaceLabel(QWidget* parent, int x, int y, const QString& text, const QFont& font);

// A label of fixed size with the given alignment.
QLabel* PlaceLabel(QWidget* parent, const QRect& geometry, const QString& text, Qt::Alignment alignment);

QPushButton* PlaceButton(QWidget* parent, const QRect& geometry, const QString& caption, bool isDefault);

// A radio group as the keyboard knows it: one tab stop, at its selected item; the arrow keys step
// through the items in id order, wrapping, and select the item reached. Call once the items are in.
void MakeOneTabStop(QButtonGroup* group);
