#pragma once
// Deletes a closed window once control is back in the event loop, so that a
// window may close itself from inside one of its own handlers.
#include <QObject>

class Window;

class WindowReaper : public QObject {
public:
    explicit WindowReaper(Window* window) : window_(window) {}
    ~WindowReaper() override;

private:
    Window* window_;
};
