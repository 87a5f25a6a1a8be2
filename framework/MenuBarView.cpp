#include "MenuBarView.h"

#include <QMenu>
#include <QPointer>
#include "Application.h"
#include "EditCommands.h"
#include "Menu.h"
#include "MenuDispatch.h"
#include "MenuShortcut.h"

namespace {
QString Caption(const MenuItem& item)
{
    // Captions already follow Qt's convention: "&" marks the access key, "&&" is one "&".
    return QString::fromUtf8(item.Text().data(), static_cast<qsizetype>(item.Text().size()));
}

// An Edit item that nothing binds acts on the focused field, so it is offered
// only while that field can act.
bool FollowsFocus(const MenuItem& item)
{
    return IsEditCommand(item.Name()) && !BoundMenuHandler(item.Name());
}
} // namespace

MenuBarView::MenuBarView(std::shared_ptr<MenuBar> bar, QWidget* parent) : QMenuBar(parent), bar_(std::move(bar))
{
    setNativeMenuBar(false);
    Build();
}

MenuBarView::~MenuBarView()
{
    for (auto& [key, entry] : entries_) entry.item->Unsubscribe(entry.token);
}

void MenuBarView::Build()
{
    Watch(bar_, nullptr);
    for (int i = 0; i < bar_->Count(); ++i) {
        const auto menuItem = bar_->Item(i);
        QMenu* menu = addMenu(Caption(*menuItem));
        menus_.push_back(menu);
        Watch(menuItem, menu->menuAction());
        Fill(menu, menuItem);
    }
}

void MenuBarView::Clear()
{
    for (auto& [key, entry] : entries_) entry.item->Unsubscribe(entry.token);
    entries_.clear();
    QMenuBar::clear();
    for (QMenu* menu : menus_) delete menu;
    menus_.clear();
}

void MenuBarView::Fill(QMenu* menu, const std::shared_ptr<MenuItem>& parent)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { OnShow(menu); });
    connect(menu, &QMenu::aboutToHide, this, [this, menu] { OnHide(menu); });
    for (int i = 0; i < parent->Count(); ++i) {
        const auto item = parent->Item(i);
        if (item->IsSeparator()) {
            Watch(item, menu->addSeparator());
        } else if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(Caption(*item));
            Watch(item, sub->menuAction());
            Fill(sub, item);
        } else {
            QAction* action = menu->addAction(Caption(*item));
            std::weak_ptr<MenuItem> weak = item;
            connect(action, &QAction::triggered, this, [this, weak] {
                if (auto chosen = weak.lock()) Choose(chosen);
            });
            Watch(item, action);
        }
    }
}

void MenuBarView::Watch(const std::shared_ptr<MenuItem>& item, QAction* action)
{
    Entry entry;
    entry.item = item;
    entry.action = action;
    entry.builtCount = item->Count();
    entry.builtSeparator = item->IsSeparator();
    const MenuItem* key = item.get();
    entry.token = item->Subscribe([this, key] { Follow(key); });
    Apply(entry);
    entries_[key] = entry;
}

void MenuBarView::Follow(const MenuItem* item)
{
    const auto it = entries_.find(item);
    if (it == entries_.end()) return;
    const Entry& entry = it->second;
    if (entry.item->Count() != entry.builtCount || entry.item->IsSeparator() != entry.builtSeparator) {
        QueueRebuild(); // the tree changed shape; never rebuild under a running handler
        return;
    }
    Apply(entry);
}

void MenuBarView::Apply(const Entry& entry)
{
    QAction* action = entry.action;
    const MenuItem& item = *entry.item;
    if (!action || item.IsSeparator()) return;
    action->setText(Caption(item));
    action->setEnabled(true); // items are never disabled; Edit items follow the focus while shown
    if (action->menu()) return;
    action->setShortcut(MenuShortcut(item.KeyboardShortcut()));
    // Checkable only while checked: an unchecked item then shows no empty
    // check box, so only the one item that can be checked ever shows one.
    action->setCheckable(item.Checked());
    action->setChecked(item.Checked());
}

void MenuBarView::Choose(const std::shared_ptr<MenuItem>& item)
{
    QPointer<MenuBarView> self(this);
    ChooseMenuItem(item);
    // Qt flipped the check mark itself; the model decides it.
    if (self) {
        const auto it = entries_.find(item.get());
        if (it != entries_.end()) Apply(it->second);
    }
}

void MenuBarView::OnShow(QMenu* menu)
{
    for (auto& [key, entry] : entries_) {
        if (!entry.action || !menu->actions().contains(entry.action)) continue;
        if (FollowsFocus(*entry.item)) entry.action->setEnabled(CanEdit(entry.item->Name()));
    }
}

void MenuBarView::OnHide(QMenu* menu)
{
    // Shortcuts need the action enabled; ChooseMenuItem checks at the moment they fire.
    for (auto& [key, entry] : entries_)
        if (entry.action && menu->actions().contains(entry.action)) Apply(entry);
}

void MenuBarView::QueueRebuild()
{
    if (rebuildQueued_) return;
    rebuildQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            rebuildQueued_ = false;
            Clear();
            Build();
        },
        Qt::QueuedConnection);
}
