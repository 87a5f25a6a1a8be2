#include "FolderItem.h"
