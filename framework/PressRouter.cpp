#include "PressRouter.h"

#include <QMouseEvent>
#include <QWidget>
#include "Controls.h"
#include "Window.h"

PressRouter::PressRouter(QWidget* watched, Window* owner, StaticText* label)
    : QObject(watched), watched_(watched), owner_(owner), label_(label)
{
    watched->installEventFilter(this);
}

bool PressRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != watched_) return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick) return false;
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (label_ && label_->MouseDown) {
        const auto handler = label_->MouseDown; // it may rebind itself while it runs
        handler(at.x(), at.y());
    } else if (owner_) {
        const QPoint inWindow = watched_->mapTo(owner_->ContentWidget(), at);
        owner_->PressAt(inWindow.x(), inWindow.y());
    }
    return true;
}
