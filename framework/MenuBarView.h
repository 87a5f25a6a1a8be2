#pragma once
// A window's drawing of a MenuBar model: a QMenu per menu and a QAction per
// item, each following its model item, so several windows showing one model
// show one state. Choosing an action goes through ChooseMenuItem.
#include <QMenuBar>
#include <map>
#include <memory>

class MenuBar;
class MenuItem;

class MenuBarView : public QMenuBar {
public:
    MenuBarView(std::shared_ptr<MenuBar> bar, QWidget* parent);
    ~MenuBarView() override;

private:
    struct Entry {
        std::shared_ptr<MenuItem> item;
        QAction* action = nullptr; // nullptr for the bar itself
        int token = 0;
        int builtCount = 0;
        bool builtSeparator = false;
    };
    void Build();
    void Clear();
    void Fill(QMenu* menu, const std::shared_ptr<MenuItem>& parent);
    void Watch(const std::shared_ptr<MenuItem>& item, QAction* action);
    void Follow(const MenuItem* item);
    void Apply(const Entry& entry);
    void Choose(const std::shared_ptr<MenuItem>& item);
    void OnShow(QMenu* menu);
    void OnHide(QMenu* menu);
    void QueueRebuild();

    std::shared_ptr<MenuBar> bar_;
    std::map<const MenuItem*, Entry> entries_;
    std::vector<QMenu*> menus_;
    bool rebuildQueued_ = false;
};
