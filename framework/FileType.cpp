#include "FileType.h"

#include <algorithm>
#include <vector>

namespace {

// Every file type registered in this process, in order of registration.
// Never destroyed: a file type held by a global may be released after
// every function-local static is gone, and its withdrawal still looks here.
std::vector<const FileType*>& Registry()
{
    static auto* registry = new std::vector<const FileType*>;
    return *registry;
}

} // namespace

FileType::~FileType()
{
    Withdraw();
}

void FileType::SetName(const String& v)
{
    Withdraw();
    name_ = v;
}

void FileType::SetExtensions(const String& v)
{
    Withdraw();
    extensions_ = v;
}

void FileType::SetMacType(const String& v)
{
    Withdraw();
    macType_ = v;
}

void FileType::SetMacCreator(const String& v)
{
    Withdraw();
    macCreator_ = v;
}

FileType::operator String()
{
    if (!registered_) {
        Registry().push_back(this);
        registered_ = true;
    }
    return name_;
}

int FileType::RegisteredCount(const String& name)
{
    const auto& registry = Registry();
    return static_cast<int>(std::count_if(registry.begin(), registry.end(),
                                          [&](const FileType* t) { return t->name_ == name; }));
}

const FileType* FileType::Registered(const String& name)
{
    for (const FileType* t : Registry()) {
        if (t->name_ == name)
            return t;
    }
    return nullptr;
}

void FileType::Withdraw()
{
    if (!registered_)
        return;
    auto& registry = Registry();
    registry.erase(std::remove(registry.begin(), registry.end(), this), registry.end());
    registered_ = false;
}
