#include "WindowReaper.h"

#include "Window.h"

WindowReaper::~WindowReaper()
{
    delete window_;
}
