#pragma once
// A stream that creates or replaces a file as one step: the new contents go
// to a temporary file beside it and take the old file's place only when the
// stream is closed after every write succeeded.
//
// The temporary file has one fixed name, the file's name followed by ".tmp",
// so a save killed at any moment leaves at most that one file behind, and the
// next save of the same file writes over it. A lock on the temporary file
// keeps two saves of the same file, in this process or another, from writing
// into it at once.
#include <QByteArray>
#include <QString>

#include "FolderItem.h"

class FileSaveStream : public BinaryStream {
public:
    explicit FileSaveStream(const QString& path);
    // Without Close, the temporary file is removed and the old file stays.
    ~FileSaveStream() override;
    FileSaveStream(const FileSaveStream&) = delete;
    FileSaveStream& operator=(const FileSaveStream&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    int64_t Length() const override;
    String Read(int64_t count) override;
    void Write(const String& data) override;
    void Close() override;

private:
    void Discard();

    QByteArray target_;    // the file replaced at Close, symbolic links followed
    QByteArray temporary_; // target_ followed by ".tmp"
    int fd_ = -1;
    int64_t written_ = 0;
    bool failed_ = false;
};
