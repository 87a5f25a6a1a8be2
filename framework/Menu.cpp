#include "Menu.h"

#include <algorithm>

MenuItem::~MenuItem()
{
    // Children may be held elsewhere; they must not point back at a dead parent.
    for (auto& child : children_) child->parent_ = nullptr;
}

void MenuItem::Append(std::shared_ptr<MenuItem> item)
{
    if (!item || item->parent_) return;
    for (const MenuItem* up = this; up; up = up->parent_)
        if (up == item.get()) return;
    item->parent_ = this;
    children_.push_back(std::move(item));
    Changed();
}

std::shared_ptr<MenuItem> MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    return children_[static_cast<size_t>(index)];
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const
{
    for (const auto& child : children_)
        if (child->Name() == name) return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const String& name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name) return child;
        if (auto found = child->Lookup(name)) return found;
    }
    return nullptr;
}

int MenuItem::Subscribe(Listener l)
{
    const int token = nextToken_++;
    listeners_.emplace_back(token, std::move(l));
    return token;
}

void MenuItem::Unsubscribe(int token)
{
    std::erase_if(listeners_, [token](const auto& entry) { return entry.first == token; });
}

void MenuItem::Changed()
{
    // A listener may subscribe or unsubscribe while being told; tell a copy.
    const auto listeners = listeners_;
    for (const auto& entry : listeners) entry.second();
}
