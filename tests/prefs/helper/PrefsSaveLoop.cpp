// Saves the preferences file named on the command line over and over,
// switching automatic checks on and off, until it is killed. Prints "ready"
// once the first save is done, so a test can kill it in the middle of a save
// rather than while it starts.
#include <cstdio>
#include <memory>
#include "FolderItem.h"
#include "KorPreffMod.h"
#include "QuandePrefs.h"

int main(int argc, char** argv)
{
    if (argc != 2) return 2;
    const auto file = std::make_shared<FolderItem>(argv[1]);
    QuandePrefs prefs;
    prefs.Default();
    for (unsigned long round = 0;; ++round) {
        prefs.noautoupdate = round % 2 == 1;
        KorPreffMod::WritePreffs(prefs.ToString(), file);
        if (round == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
