#pragma once
#include <functional>
#include <memory>
#include "FolderItem.h"
#include "Picture.h"
#include "Text.h"

// A picture file that is read once it can be: a failed load is tried again
// at the next use, a picture once loaded is kept.
class CachedPicture {
public:
    using FolderSource = std::function<std::shared_ptr<FolderItem>()>;
    CachedPicture(FolderSource folder, String fileName);
    // The kept picture, or a new attempt to load it; nullptr while it fails.
    std::shared_ptr<Picture> Get();

private:
    FolderSource folder_;
    String fileName_;
    std::shared_ptr<Picture> pic_;
};
