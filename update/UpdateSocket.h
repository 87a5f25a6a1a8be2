#pragma once
#include "Text.h"
#include "WebSocketClass.h"

// The update checker: fetches the maker's update list and tells the user
// whether a newer version exists.
class UpdateSocket : public WebSocketClass {
public:
    bool forceupdatewin = false;
    // Starts one asynchronous check and returns at once.
    void CheckForUpdate(bool b);

protected:
    void Event_PageRecived(const String& text) override;
};
