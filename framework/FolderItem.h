#pragma once
#include <cstdint>
#include <memory>
#include "Picture.h"
#include "Text.h"

class BinaryStream {
public:
    virtual ~BinaryStream() = default;
    virtual int64_t Length() const = 0;
    // Up to count raw bytes from the current position.
    virtual String Read(int64_t count) = 0;
    virtual void Write(const String& data) = 0;
    // For a created file: the new contents replace the old file only here,
    // and only when every write succeeded. A stream released without Close
    // leaves the old file untouched.
    virtual void Close() = 0;
};

class FolderItem {
public:
    explicit FolderItem(String path);
    // Whether anything of that name is there, a file or not. It looks without
    // opening, so it never waits, not even on a named pipe.
    bool Exists() const;
    bool Directory() const;
    std::shared_ptr<FolderItem> Child(const String& name) const;
    // Creates or replaces the file with the registered file type of that name,
    // through a temporary file of the same name followed by ".tmp".
    // nullptr when the file cannot be created.
    std::unique_ptr<BinaryStream> CreateBinaryFile(const String& fileTypeName) const;
    // nullptr when the file cannot be opened: missing, no permission, or no
    // regular file (a folder, a named pipe, a device, a socket). Never waits.
    std::unique_ptr<BinaryStream> OpenAsBinaryFile(bool readWrite = false) const;
    // nullptr when the file is missing or does not decode.
    std::shared_ptr<Picture> OpenAsPicture() const;

private:
    String path_;
};

// A bare name resolves beside the application. nullptr when it cannot name a file.
std::shared_ptr<FolderItem> GetFolderItem(const String& name, int pathMode = 0);
std::shared_ptr<FolderItem> ApplicationFolder();
// The application's Resources folder; nullptr when there is none.
std::shared_ptr<FolderItem> ResourcesFolder();
