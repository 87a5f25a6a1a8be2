#include "FileType.h"
