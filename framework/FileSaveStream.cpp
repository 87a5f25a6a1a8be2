#include "FileSaveStream.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include "OpenRetrying.h"

namespace {

// A chain of links longer than this is taken for a loop.
constexpr int MaxLinkHops = 40;
// How long a save waits for another save of the same file to finish: a save
// takes milliseconds, so only a stuck process holds the lock this long.
constexpr int LockAttempts = 500;
constexpr long LockPauseNanoseconds = 2'000'000;

bool LockWithinWait(int fd)
{
    for (int attempt = 0; attempt < LockAttempts; ++attempt) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        const timespec pause{0, LockPauseNanoseconds};
        nanosleep(&pause, nullptr);
    }
    return false;
}

// Open failures that come from what sits at the name, not from the folder
// or the system.
bool InTheWay(int error)
{
    return error == EACCES || error == EPERM || error == ELOOP || error == ENXIO || error == ETXTBSY;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The temporary file, opened for writing, locked, and known to be the one
// that still bears the name. What a killed save left there is reused; what
// cannot be written in place (a pipe, a link, a file of another owner) is
// removed first, never opened for reading and never followed.
int AcquireTemporary(const char* name)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        struct stat named { };
        if (lstat(name, &named) == 0 && !S_ISREG(named.st_mode) && unlink(name) != 0)
            return -1; // a folder, or nothing we may remove
        const int fd = OpenRetrying(name, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (InTheWay(errno) && unlink(name) == 0) continue;
            return -1;
        }
        struct stat opened { };
        // A second link would let the truncation below reach another file.
        if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_nlink != 1) {
            close(fd);
            if (unlink(name) == 0) continue;
            return -1;
        }
        if (!LockWithinWait(fd)) {
            close(fd);
            return -1;
        }
        // While this save waited, another may have renamed its temporary
        // file into place or removed it: what is open here is then no longer
        // the temporary file, and must not be written.
        if (lstat(name, &named) == 0 && SameFile(named, opened)) return fd;
        close(fd);
    }
    return -1;
}

void SyncFolderOf(const QByteArray& file)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath());
    const int fd = OpenRetrying(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

} // namespace

FileSaveStream::FileSaveStream(const QString& path)
{
    // A link is kept as a link: the file it leads to is the one replaced.
    QFileInfo info(path);
    int hops = 0;
    for (; info.isSymLink(); ++hops) {
        if (hops == MaxLinkHops) return;
        info.setFile(info.symLinkTarget());
    }
    target_ = QFile::encodeName(info.filePath());
    temporary_ = target_ + ".tmp";

    struct stat existing { };
    const bool exists = stat(target_.constData(), &existing) == 0;
    // A file the user made read-only, or a folder, is left as it is. So is
    // whatever a link leads to that is no regular file, a device above all;
    // anything else at the name itself is replaced, never opened.
    if (exists
        && (S_ISDIR(existing.st_mode) || access(target_.constData(), W_OK) != 0
            || (!S_ISREG(existing.st_mode) && hops > 0)))
        return;
    fd_ = AcquireTemporary(temporary_.constData());
    if (fd_ < 0) return;
    // The file keeps its permissions, whatever an earlier save left behind.
    if (ftruncate(fd_, 0) != 0 || (exists && S_ISREG(existing.st_mode) && fchmod(fd_, existing.st_mode & 0777) != 0))
        failed_ = true;
}

FileSaveStream::~FileSaveStream()
{
    Discard();
}

int64_t FileSaveStream::Length() const
{
    return fd_ >= 0 ? written_ : 0;
}

String FileSaveStream::Read(int64_t)
{
    return String();
}

void FileSaveStream::Write(const String& data)
{
    if (fd_ < 0 || failed_) return;
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd_, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true; // a partial file must never replace the old one
            return;
        }
        done += static_cast<size_t>(n);
        written_ += n;
    }
}

void FileSaveStream::Close()
{
    if (fd_ < 0) return;
    // On disk before it takes the old file's place, so that even a power
    // failure leaves one whole file or the other.
    if (failed_ || fsync(fd_) != 0 || rename(temporary_.constData(), target_.constData()) != 0) {
        Discard();
        return;
    }
    SyncFolderOf(target_);
    close(fd_); // releases the lock only now that the name is free again
    fd_ = -1;
}

void FileSaveStream::Discard()
{
    if (fd_ < 0) return;
    // Still locked, so the name is this stream's file and no other save's.
    unlink(temporary_.constData());
    close(fd_);
    fd_ = -1;
}
