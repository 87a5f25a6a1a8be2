#include "MenuKeys.h"

#include <QAction>
#include <QWidget>
#include "Application.h"
#include "Menu.h"
#include "MenuShortcut.h"

MenuKeys::MenuKeys(std::shared_ptr<MenuBar> bar, QWidget* window)
    : QObject(window), bar_(std::move(bar)), window_(window)
{
    Build();
}

MenuKeys::~MenuKeys()
{
    Clear();
}

void MenuKeys::Build()
{
    Add(bar_);
}

void MenuKeys::Clear()
{
    for (auto& [item, token] : watched_) item->Unsubscribe(token);
    watched_.clear();
    for (QAction* action : actions_) delete action; // also leaves the window's actions
    actions_.clear();
}

void MenuKeys::Add(const std::shared_ptr<MenuItem>& item)
{
    // Few items and rare changes: any change of any item rebuilds them all.
    watched_.emplace_back(item, item->Subscribe([this] { QueueRebuild(); }));
    for (int i = 0; i < item->Count(); ++i) Add(item->Item(i));
    if (item->Count() > 0 || item->IsSeparator() || item.get() == bar_.get()) return;
    const QKeySequence keys = MenuShortcut(item->KeyboardShortcut());
    if (keys.isEmpty()) return;
    auto* action = new QAction(window_);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setEnabled(item->AutoEnable() || item->Enabled());
    std::weak_ptr<MenuItem> weak = item;
    connect(action, &QAction::triggered, this, [weak] {
        if (auto chosen = weak.lock()) ChooseMenuItem(chosen);
    });
    window_->addAction(action);
    actions_.push_back(action);
}

void MenuKeys::QueueRebuild()
{
    if (rebuildQueued_) return;
    rebuildQueued_ = true;
    // Never under a running handler: the action that is firing stays alive.
    QMetaObject::invokeMethod(
        this,
        [this] {
            rebuildQueued_ = false;
            Clear();
            Build();
        },
        Qt::QueuedConnection);
}
