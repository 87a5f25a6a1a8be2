#include "FileReadStream.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "OpenRetrying.h"

namespace {

// Only a regular file has contents to read. Opening anything else may block
// for good (a named pipe waits for a writer, even against SIGTERM) or act on
// a device, so the type is checked before the open, and again on what was
// opened, in case the name changed hands in between; O_NONBLOCK keeps that
// second open from waiting on a pipe.
int OpenRegularFile(const QString& path, bool readWrite)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info { };
    if (stat(native.constData(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    const int flags = (readWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int fd = OpenRetrying(native.constData(), flags);
    if (fd < 0) return -1;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

FileReadStream::FileReadStream(const QString& path, bool readWrite) : file_(path)
{
    const int fd = OpenRegularFile(path, readWrite);
    if (fd < 0) return;
    if (file_.open(fd, readWrite ? QIODevice::ReadWrite : QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        writable_ = readWrite;
    else
        close(fd);
}

int64_t FileReadStream::Length() const
{
    return file_.isOpen() ? file_.size() : 0;
}

String FileReadStream::Read(int64_t count)
{
    if (!file_.isOpen() || count <= 0) return String();
    // Bounded by what the file still holds, never by what the caller asked for.
    const int64_t remaining = file_.size() - file_.pos();
    const int64_t wanted = count < remaining ? count : remaining;
    if (wanted <= 0) return String();
    String data(static_cast<size_t>(wanted), '\0');
    const qint64 got = file_.read(data.data(), wanted);
    data.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return data;
}

void FileReadStream::Write(const String& data)
{
    if (!writable_ || data.empty()) return;
    file_.write(data.data(), static_cast<qint64>(data.size()));
}

void FileReadStream::Close()
{
    file_.close();
    writable_ = false;
}
