#pragma once
#include <memory>
#include "FolderItem.h"
#include "Text.h"

// The preferences file: magic, version and payload as three length fields.
namespace KorPreffMod {
void WritePreffs(const String& payload, const std::shared_ptr<FolderItem>& file);
String ReadPreffs(const std::shared_ptr<FolderItem>& file);
} // namespace KorPreffMod
