#include "FileSaveStream.h"

#include <QFileInfo>

FileSaveStream::FileSaveStream(const QString& path, String fileTypeName)
    : file_(path), fileTypeName_(std::move(fileTypeName))
{
    // Writing straight into the file would lose the old contents on a
    // failure, which is the one thing this stream exists to prevent.
    file_.setDirectWriteFallback(false);
    if (QFileInfo(path).isDir())
        return;
    file_.open(QIODevice::WriteOnly);
}

int64_t FileSaveStream::Length() const
{
    return file_.isOpen() ? file_.size() : 0;
}

String FileSaveStream::Read(int64_t)
{
    return String();
}

void FileSaveStream::Write(const String& data)
{
    if (!file_.isOpen() || data.empty())
        return;
    const auto size = static_cast<qint64>(data.size());
    if (file_.write(data.data(), size) != size)
        file_.cancelWriting(); // a partial file must never replace the old one
}

void FileSaveStream::Close()
{
    // commit() flushes to disk and renames over the old file, or, after a
    // failed write, throws the temporary away and keeps the old file.
    if (file_.isOpen())
        file_.commit();
}
