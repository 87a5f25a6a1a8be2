#pragma once
// Deletes a closed window once control is back in the event loop, so that a
// window may close itself from inside one of its own handlers. Every close
// makes one, so it is also where the run learns that a window has gone.
#include <QObject>

class Window;

class WindowReaper : public QObject {
public:
    explicit WindowReaper(Window* window);
    ~WindowReaper() override;

private:
    Window* window_;
};
