#pragma once
// A stream over an existing regular file, opened for reading (and writing in
// place when asked). Anything else of that name (a folder, a named pipe, a
// device, a socket) does not open, and opening never waits.
#include <QFile>

#include "FolderItem.h"

class FileReadStream : public BinaryStream {
public:
    // Opens the file; IsOpen() tells whether that worked.
    FileReadStream(const QString& path, bool readWrite);
    bool IsOpen() const { return file_.isOpen(); }

    int64_t Length() const override;
    String Read(int64_t count) override;
    void Write(const String& data) override;
    void Close() override;

private:
    QFile file_;
    bool writable_ = false;
};
