#include "CachedPicture.h"

#include <utility>

CachedPicture::CachedPicture(FolderSource folder, String fileName)
    : folder_(std::move(folder)), fileName_(std::move(fileName))
{ }

std::shared_ptr<Picture> CachedPicture::Get()
{
    if (pic_) return pic_;
    std::shared_ptr<FolderItem> folder = folder_ ? folder_() : nullptr;
    if (!folder) return nullptr;
    if (std::shared_ptr<FolderItem> file = folder->Child(fileName_)) pic_ = file->OpenAsPicture();
    return pic_;
}
