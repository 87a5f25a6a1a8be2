#include "MenuBar1.h"

namespace {

enum class Kind { Menu, Item, Separator, Quit };

struct MenuRow {
    const char* Name;
    Kind RowKind;
    const char* Parent; // "" for a menu on the bar
    const char* Text;
    const char* Shortcut; // nullptr: never assigned
};

// The whole bar in creation order; rows are numbered from 1 in the builders.
const MenuRow kRows[] = {
    {"FileMenu", Kind::Menu, "", "&File", ""},
    {"FileAbout", Kind::Item, "FileMenu", "About...", ""},
    {"FileQuit", Kind::Quit, "FileMenu", "Quit", "Cmd+Q"},
    {"EditMenu", Kind::Menu, "", "&Edit", ""},
    {"EditUndo", Kind::Item, "EditMenu", "&Undo", "Cmd+Z"},
    {"UntitledMenu2", Kind::Separator, "EditMenu", "-", nullptr},
    {"EditCut", Kind::Item, "EditMenu", "Cu&t", "Cmd+X"},
    {"EditCopy", Kind::Item, "EditMenu", "&Copy", "Cmd+C"},
    {"EditPaste", Kind::Item, "EditMenu", "&Paste", "Cmd+V"},
    {"EditClear", Kind::Item, "EditMenu", "Clear", ""},
    {"NumGenMenu", Kind::Menu, "", "Number Generator", ""},
    {"NumberGeneratorRandomNumberGenerator", Kind::Item, "NumGenMenu", "Random Number Generator", ""},
    {"WebMenu", Kind::Menu, "", "Web", ""},
    {"WebCheckforupdatenow", Kind::Item, "WebMenu", "Check for update now..", ""},
    {"WebAutoUpdateCheck", Kind::Item, "WebMenu", "Automatically check for updates", ""},
    {"UntitledMenu1", Kind::Separator, "WebMenu", "-", nullptr},
    {"WebVisittheBrackwaterWebSite", Kind::Item, "WebMenu", "Visit the Brackwater Web Site", ""},
    {"UntitledMenu0", Kind::Separator, "WebMenu", "-", nullptr},
    {"WebDonate5", Kind::Item, "WebMenu", "Donate $5", ""},
};

std::shared_ptr<MenuBar1> implicitInstance;

} // namespace

void MenuBar1::Constructor()
{
    Untitled1();
    Untitled2();
    Untitled3();
    Untitled4();
}

void MenuBar1::Untitled1()
{
    BuildRows(1, 3);
}
void MenuBar1::Untitled2()
{
    BuildRows(4, 10);
}
void MenuBar1::Untitled3()
{
    BuildRows(11, 12);
}
void MenuBar1::Untitled4()
{
    BuildRows(13, 19);
}

void MenuBar1::BuildRows(int first, int last)
{
    for (int n = first; n <= last; ++n) {
        const MenuRow& row = kRows[n - 1];
        std::shared_ptr<MenuItem> item;
        if (row.RowKind == Kind::Quit)
            item = std::make_shared<QuitMenuItem>();
        else
            item = std::make_shared<MenuItem>();
        item->SetName(row.Name);
        item->SetAutoEnable(true);
        item->SetText(row.Text);
        if (row.Shortcut) item->SetKeyboardShortcut(row.Shortcut);
        if (row.RowKind == Kind::Menu) {
            Append(item);
        } else if (auto menu = Child(row.Parent)) {
            menu->Append(item);
        }
    }
}

std::shared_ptr<MenuBar1> TheMenuBar1()
{
    if (!implicitInstance) {
        auto bar = std::make_shared<MenuBar1>();
        bar->Constructor();
        implicitInstance = bar;
    }
    return implicitInstance;
}

void ReleaseMenuBar1()
{
    implicitInstance.reset();
}
