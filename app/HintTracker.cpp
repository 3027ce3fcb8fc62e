// The current hint text of the program and the three places that set it.
#include "HintTracker.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

HintTracker& HintTracker::Instance()
{
    static QPointer<HintTracker> instance;
    if (!instance)
        instance = new HintTracker(QCoreApplication::instance());
    return *instance;
}

HintTracker::HintTracker(QObject* parent) : QObject(parent)
{
    // aboutToBlock fires whenever any loop, nested dialog loops included, runs out of events.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &HintTracker::IdleStep);
}

void HintTracker::SetHint(const QString& text)
{
    if (text == hint_)
        return;
    hint_ = text;
    emit HintChanged();
}

void HintTracker::IdleStep()
{
    if (suspended_ > 0 || QApplication::activePopupWidget() != nullptr)
        return;
    // A menu bar driven by the keyboard (Alt, F10) is an open menu too.
    for (const QPointer<QMenuBar>& bar : bars_)
        if (bar && bar->hasFocus())
            return;
    SetHint(LongHint(HintOf(QApplication::widgetAt(QCursor::pos()))));
}

void HintTracker::TrackMenu(QMenu* menu)
{
    connect(menu, &QMenu::hovered, this,
            [this](QAction* action) { SetHint(action ? LongHint(action->statusTip()) : QString()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { SetHint(QString()); });
}

void HintTracker::TrackMenuBar(QMenuBar* bar)
{
    bars_.append(bar);
    connect(bar, &QMenuBar::hovered, this,
            [this](QAction* action) { SetHint(action ? LongHint(action->statusTip()) : QString()); });
}

QString HintTracker::LongHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString HintTracker::HintOf(const QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (!widget->statusTip().isEmpty())
            return widget->statusTip();
        if (widget->isWindow()) // a dialog's owner window is not one of its parents here
            break;
    }
    return {};
}
