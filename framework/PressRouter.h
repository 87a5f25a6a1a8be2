#pragma once
// Mouse presses on a label, picture or group box: to the label's own
// MouseDown handler when it has one, else to the window's MouseDown in
// window coordinates. Either way the press stops here.
#include <QObject>

class QWidget;
class StaticText;
class Window;

class PressRouter : public QObject {
public:
    // label: the label whose handler may take the press, or nullptr.
    PressRouter(QWidget* watched, Window* owner, StaticText* label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* watched_;
    Window* owner_;
    StaticText* label_;
};
