#pragma once
// The Width x Height area of a window that holds its controls: the back
// colour, the backdrop picture at the top-left, and presses on the window.
#include <QWidget>
#include <memory>
#include "Color.h"

class Picture;
class Window;

class WindowContent : public QWidget {
public:
    WindowContent(Window* owner, QWidget* parent);
    void SetBackColor(bool hasBackColor, Color color);
    void SetBackdrop(std::shared_ptr<Picture> picture);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Window* owner_;
    bool hasBackColor_ = false;
    Color backColor_;
    std::shared_ptr<Picture> backdrop_;
};
