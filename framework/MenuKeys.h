#pragma once
// The keyboard shortcuts of a menu bar in a window that shows the menu bar
// without drawing it: one action per item that has a shortcut, following
// the model, each choosing its item through ChooseMenuItem while the window
// is the active one.
#include <QObject>
#include <memory>
#include <vector>

class MenuBar;
class MenuItem;
class QAction;
class QWidget;

class MenuKeys : public QObject {
public:
    MenuKeys(std::shared_ptr<MenuBar> bar, QWidget* window);
    ~MenuKeys() override;

private:
    void Build();
    void Clear();
    void Add(const std::shared_ptr<MenuItem>& item);
    void QueueRebuild();

    std::shared_ptr<MenuBar> bar_;
    QWidget* window_;
    std::vector<std::pair<std::shared_ptr<MenuItem>, int>> watched_; // every item, with its subscription
    std::vector<QAction*> actions_;
    bool rebuildQueued_ = false;
};
