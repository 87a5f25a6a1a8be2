#pragma once
#include <cstdint>
#include <memory>
#include "FolderItem.h"
#include "Text.h"

// The preferences file: magic, version and payload as three length fields.
namespace KorPreffMod {

// The first field of every preferences file.
inline constexpr const char* Magic = "KORVAT";
// Nothing the reader looks at lies beyond three full length fields.
inline constexpr int64_t MaxFileBytesRead = 3 * (3 + int64_t{0xFFFFFF});

void WritePreffs(const String& payload, const std::shared_ptr<FolderItem>& file);
String ReadPreffs(const std::shared_ptr<FolderItem>& file);
// The payload held by a file's bytes: field 3 when field 1 is the magic, else "".
String PayloadFromFileBytes(const String& data);

} // namespace KorPreffMod
