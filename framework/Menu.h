#pragma once
#include <functional>
#include <memory>
#include <vector>
#include "Text.h"

// The menu model. One tree may be shown by several views; every view
// follows the model, so a state such as Checked is one state.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
public:
    MenuItem() = default;
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const String& Name() const { return name_; }
    void SetName(const String& v)
    {
        name_ = v;
        Changed();
    }
    // Caption: "&" marks the access key, "&&" shows one ampersand, "-" is a separator.
    const String& Text() const { return text_; }
    void SetText(const String& v)
    {
        text_ = v;
        Changed();
    }
    // "Cmd+Q" style; Cmd means the platform's command modifier (Ctrl here).
    const String& KeyboardShortcut() const { return shortcut_; }
    void SetKeyboardShortcut(const String& v)
    {
        shortcut_ = v;
        Changed();
    }
    bool AutoEnable() const { return autoEnable_; }
    void SetAutoEnable(bool v)
    {
        autoEnable_ = v;
        Changed();
    }
    bool Checked() const { return checked_; }
    void SetChecked(bool v)
    {
        checked_ = v;
        Changed();
    }
    bool IsSeparator() const { return text_ == "-"; }
    virtual bool IsQuitItem() const { return false; }

    // Adds item as the last child. An item that already has a parent, or that
    // is this item or one of its ancestors, is refused: the tree stays a tree.
    void Append(std::shared_ptr<MenuItem> item);
    int Count() const { return static_cast<int>(children_.size()); }
    std::shared_ptr<MenuItem> Item(int index) const; // nullptr outside 0..Count()-1
    // The direct child with this Name, or nullptr.
    std::shared_ptr<MenuItem> Child(const String& name) const;
    // The item with this Name anywhere below this one, or nullptr.
    std::shared_ptr<MenuItem> Lookup(const String& name) const;

    // Views subscribe to hear of changes; the token ends the subscription.
    using Listener = std::function<void()>;
    int Subscribe(Listener l);
    void Unsubscribe(int token);

private:
    void Changed();
    String name_, text_, shortcut_;
    bool autoEnable_ = false, checked_ = false;
    std::vector<std::shared_ptr<MenuItem>> children_;
    MenuItem* parent_ = nullptr;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextToken_ = 1;
};

class MenuBar : public MenuItem { };

// Choosing it quits the application through the framework.
class QuitMenuItem : public MenuItem {
public:
    bool IsQuitItem() const override { return true; }
};
