#include "WindowReaper.h"

#include "RunState.h"
#include "Window.h"

WindowReaper::WindowReaper(Window* window) : window_(window)
{
    run::WindowClosed();
}

WindowReaper::~WindowReaper()
{
    delete window_;
}
