#include "WindowContent.h"

#include <QMouseEvent>
#include <QPainter>
#include "Picture.h"
#include "Window.h"

WindowContent::WindowContent(Window* owner, QWidget* parent) : QWidget(parent), owner_(owner) { }

void WindowContent::SetBackColor(bool hasBackColor, Color color)
{
    hasBackColor_ = hasBackColor;
    backColor_ = color;
    update();
}

void WindowContent::SetBackdrop(std::shared_ptr<Picture> picture)
{
    backdrop_ = std::move(picture);
    update();
}

void WindowContent::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (hasBackColor_)
        painter.fillRect(rect(), QColor(backColor_.Red(), backColor_.Green(), backColor_.Blue()));
    else
        painter.fillRect(rect(), palette().window());
    if (backdrop_ && !backdrop_->Image().isNull()) painter.drawImage(QPoint(0, 0), backdrop_->Image());
}

void WindowContent::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    owner_->PressAt(at.x(), at.y());
}
