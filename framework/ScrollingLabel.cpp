#include "ScrollingLabel.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <limits>

ScrollingLabel::ScrollingLabel(QWidget* parent) : QLabel(parent), bar_(new QScrollBar(Qt::Vertical, this))
{
    bar_->hide();
    connect(bar_, &QScrollBar::valueChanged, this, [this] { update(); });
}

int ScrollingLabel::TextFlags() const
{
    return static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

int ScrollingLabel::TextHeight(int width) const
{
    // Line breaks at the end show nothing, so they make the text no taller.
    QString shown = text();
    while (shown.endsWith(QLatin1Char('\n'))) shown.chop(1);
    const QRect room(0, 0, std::max(width, 1), std::numeric_limits<int>::max() / 2);
    return fontMetrics().boundingRect(room, TextFlags(), shown).height();
}

void ScrollingLabel::TextChanged()
{
    const QRect area = contentsRect();
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // Only wrapped text can grow downwards; a single line is cut at the side
    // as usual. A last line that loses no more than its descenders still
    // reads, and a bar beside it would only crowd the label.
    const bool fits = !wordWrap() || TextHeight(area.width()) - area.height() <= fontMetrics().descent();
    if (fits) {
        bar_->hide();
        bar_->setValue(0);
        update();
        return;
    }
    bar_->setGeometry(area.right() + 1 - barWidth, area.top(), barWidth, area.height());
    bar_->setRange(0, std::max(TextHeight(area.width() - barWidth) - area.height(), 0));
    bar_->setPageStep(area.height());
    bar_->setSingleStep(fontMetrics().lineSpacing());
    bar_->show();
    update();
}

void ScrollingLabel::paintEvent(QPaintEvent* event)
{
    if (bar_->isHidden()) {
        QLabel::paintEvent(event);
        return;
    }
    QRect area = contentsRect();
    area.setWidth(area.width() - bar_->width());
    QPainter painter(this);
    painter.setClipRect(area);
    const QRect text(area.left(), area.top() - bar_->value(), area.width(), TextHeight(area.width()));
    style()->drawItemText(&painter, text, TextFlags(), palette(), isEnabled(), this->text(), foregroundRole());
}

void ScrollingLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    TextChanged();
}

void ScrollingLabel::wheelEvent(QWheelEvent* event)
{
    if (bar_->isHidden()) {
        QLabel::wheelEvent(event);
        return;
    }
    QApplication::sendEvent(bar_, event);
}

void ScrollingLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) TextChanged();
}
