#pragma once
#include <memory>
#include "Picture.h"

// The pictures of the application's Resources folder; nullptr while one cannot be loaded.
std::shared_ptr<Picture> brackwaterbackground(); // the splash window's backdrop
std::shared_ptr<Picture> quandeicon();           // the About window's icon
