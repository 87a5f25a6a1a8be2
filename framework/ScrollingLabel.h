#pragma once
// A label whose wrapped text may run taller than its rectangle, as notes
// from the network can: a vertical scroll bar and the mouse wheel then bring
// every line into view. While the text fits, it draws as a plain label and
// shows no bar.
#include <QLabel>

class QScrollBar;

class ScrollingLabel : public QLabel {
public:
    explicit ScrollingLabel(QWidget* parent);
    // After the text changes: decides whether the bar is needed.
    void TextChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int TextFlags() const;
    // The height the text takes when wrapped at this width.
    int TextHeight(int width) const;
    QScrollBar* bar_;
};
