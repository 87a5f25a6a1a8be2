#pragma once
#include "Text.h"
#include "WebSocketClass.h"

// The update checker: fetches the maker's update list and either offers the
// listed versions in the update window, when one is newer than the running
// version, or tells the user that the running version is the latest.
class UpdateSocket : public WebSocketClass {
public:
    bool forceupdatewin = false;

    // Decides and shows the outcome of one received update list.
    void Event_PageRecived(const String& text) override;
    // Starts one asynchronous check and returns at once.
    void CheckForUpdate(bool b);
};
