#include "FileReadStream.h"

#include <QFileInfo>

FileReadStream::FileReadStream(const QString& path, bool readWrite) : file_(path)
{
    // QFile happily "opens" a folder for reading on some systems; a folder
    // is never a file's contents.
    if (QFileInfo(path).isDir())
        return;
    if (file_.open(readWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly))
        writable_ = readWrite;
}

int64_t FileReadStream::Length() const
{
    return file_.isOpen() ? file_.size() : 0;
}

String FileReadStream::Read(int64_t count)
{
    if (!file_.isOpen() || count <= 0)
        return String();
    // Bounded by what the file still holds, never by what the caller asked for.
    const int64_t remaining = file_.size() - file_.pos();
    const int64_t wanted = count < remaining ? count : remaining;
    if (wanted <= 0)
        return String();
    String data(static_cast<size_t>(wanted), '\0');
    const qint64 got = file_.read(data.data(), wanted);
    data.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return data;
}

void FileReadStream::Write(const String& data)
{
    if (!writable_ || data.empty())
        return;
    file_.write(data.data(), static_cast<qint64>(data.size()));
}

void FileReadStream::Close()
{
    file_.close();
    writable_ = false;
}
