#pragma once
#include <memory>
#include "FileType.h"

// The file types of the program: one, "text", which the preferences file is created with.
namespace FileTypes {
extern std::unique_ptr<FileType> pText;
// Makes pText and registers it, replacing an earlier one.
void Initialize();
} // namespace FileTypes
