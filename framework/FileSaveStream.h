#pragma once
// A stream that creates or replaces a file as one step: the new contents go
// to a temporary file beside it and take the old file's place only when the
// stream is closed after every write succeeded.
#include <QSaveFile>

#include "FolderItem.h"

class FileSaveStream : public BinaryStream {
public:
    FileSaveStream(const QString& path, String fileTypeName);
    bool IsOpen() const { return file_.isOpen(); }
    const String& FileTypeName() const { return fileTypeName_; }

    int64_t Length() const override;
    String Read(int64_t count) override;
    void Write(const String& data) override;
    void Close() override;

private:
    QSaveFile file_;
    String fileTypeName_;
};
