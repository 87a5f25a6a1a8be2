#include "WindowReaper.h"

#include "Window.h"

WindowReaper::WindowReaper(Window* window) : window_(window) { }

WindowReaper::~WindowReaper()
{
    delete window_;
}
