// The current hint text of the program and the three places that set it.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

class HintTracker : public QObject {
    Q_OBJECT
public:
    // The program's one tracker; created on first use, lives with the application object.
    static HintTracker& Instance();

    const QString& Hint() const { return hint_; }

    // Stores a new hint and raises HintChanged once; an equal text changes nothing.
    void SetHint(const QString& text);

    // The idle step: the hint of the widget under the pointer (nothing while a popup is open).
    void IdleStep();

    // Highlighted items set their hint; a closing menu sets the empty text.
    void TrackMenu(QMenu* menu);
    void TrackMenuBar(QMenuBar* bar);

    // The text after the first "|", or the whole text without one.
    static QString LongHint(const QString& hint);
    // The first non-empty hint (statusTip) from the widget up through its parents; empty for none.
    static QString HintOf(const QWidget* widget);

    // While one exists, the idle step leaves the hint alone.
    class Suspender {
    public:
        Suspender() { ++Instance().suspended_; }
        ~Suspender() { --Instance().suspended_; }
        Suspender(const Suspender&) = delete;
        Suspender& operator=(const Suspender&) = delete;
    };

signals:
    void HintChanged();

private:
    explicit HintTracker(QObject* parent);

    QString hint_;
    int suspended_ = 0;
    QList<QPointer<QMenuBar>> bars_;
};
