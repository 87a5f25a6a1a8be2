#include "KorPreffMod.h"
#include <algorithm>
#include "BinaryMod.h"
#include "SharedConstants.h"

namespace KorPreffMod {

void WritePreffs(const String& payload, const std::shared_ptr<FolderItem>& file)
{
    if (!file || payload.empty()) return;
    const String data =
        BinaryMod::MakeLenField(Magic) + BinaryMod::MakeLenField(AppVersion) + BinaryMod::MakeLenField(payload);
    // The stream replaces the old file only when Close finds every write
    // done, so a failed save leaves the previous preferences as they were.
    std::unique_ptr<BinaryStream> stream = file->CreateBinaryFile("text");
    if (!stream) return;
    stream->Write(data);
    stream->Close();
}

String ReadPreffs(const std::shared_ptr<FolderItem>& file)
{
    if (!file || !file->Exists()) return String();
    // Only a regular file we may read holds preferences: a folder, a named
    // pipe, a device or a socket of that name counts as none, at once.
    std::unique_ptr<BinaryStream> stream = file->OpenAsBinaryFile(false);
    if (!stream) return String();
    const int64_t length = std::clamp<int64_t>(stream->Length(), 0, MaxFileBytesRead);
    const String data = stream->Read(length);
    stream->Close();
    return PayloadFromFileBytes(data);
}

String PayloadFromFileBytes(const String& data)
{
    if (BinaryMod::nthLenField(data, 1) != Magic) return String();
    // The version is not checked: any release reads any other's payload.
    return BinaryMod::nthLenField(data, 3);
}

} // namespace KorPreffMod
