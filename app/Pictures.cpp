#include "Pictures.h"

#include "CachedPicture.h"

std::shared_ptr<Picture> brackwaterbackground()
{
    static CachedPicture pic(ResourcesFolder, "brackwaterbackground.jpg");
    return pic.Get();
}

std::shared_ptr<Picture> quandeicon()
{
    static CachedPicture pic(ResourcesFolder, "quandeicon.jpg");
    return pic.Get();
}
