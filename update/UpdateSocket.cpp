#include "UpdateSocket.h"

#include "Desktop.h"
#include "SharedConstants.h"
#include "UpDateWin.h"
#include "UpdateList.h"

void UpdateSocket::Event_PageRecived(const String& text)
{
    UpdateList list = ParseUpdateList(text);
    if (VersionValue(AppVersion) < list.best) {
        TheUpDateWin()->Show();
        TheUpDateWin()->updata = list.info;
        TheUpDateWin()->displaydata();
    } else {
        MsgBox("You have the latest version of this software.");
    }
}

void UpdateSocket::CheckForUpdate(bool b)
{
    Url = UpdateListURL;
    WebConnect();
    forceupdatewin = b;
}
