#include "FolderItem.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include "FileReadStream.h"
#include "FileSaveStream.h"
#include "Testing.h"

namespace {

String& ApplicationFolderOverride()
{
    static String path;
    return path;
}

QString ToQString(const String& path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

String FromQString(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// A name that stays inside its folder: no separator, no NUL, not a step up.
bool IsBareName(const String& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == String::npos
        && name.find('\0') == String::npos;
}

} // namespace

namespace testing_seams {
void SetApplicationFolder(const String& path)
{
    ApplicationFolderOverride() = path;
}
} // namespace testing_seams

FolderItem::FolderItem(String path) : path_(std::move(path)) { }

bool FolderItem::Exists() const
{
    return QFileInfo::exists(ToQString(path_));
}

bool FolderItem::Directory() const
{
    return QFileInfo(ToQString(path_)).isDir();
}

std::shared_ptr<FolderItem> FolderItem::Child(const String& name) const
{
    if (!IsBareName(name)) return nullptr;
    const String separator = !path_.empty() && path_.back() == '/' ? "" : "/";
    return std::make_shared<FolderItem>(path_ + separator + name);
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const String& /*fileTypeName*/) const
{
    // Files here carry no type or creator code: the type changes nothing on disk.
    auto stream = std::make_unique<FileSaveStream>(ToQString(path_));
    if (!stream->IsOpen()) return nullptr;
    return stream;
}

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite) const
{
    auto stream = std::make_unique<FileReadStream>(ToQString(path_), readWrite);
    if (!stream->IsOpen()) return nullptr;
    return stream;
}

std::shared_ptr<Picture> FolderItem::OpenAsPicture() const
{
    const QString path = ToQString(path_);
    if (!QFileInfo(path).isFile()) return nullptr;
    QImage image;
    if (!image.load(path) || image.isNull()) return nullptr;
    return std::make_shared<Picture>(image);
}

std::shared_ptr<FolderItem> ApplicationFolder()
{
    const String& chosen = ApplicationFolderOverride();
    if (!chosen.empty()) return std::make_shared<FolderItem>(chosen);
    if (!QCoreApplication::instance()) return nullptr;
    const String path = FromQString(QCoreApplication::applicationDirPath());
    if (path.empty()) return nullptr;
    return std::make_shared<FolderItem>(path);
}

std::shared_ptr<FolderItem> GetFolderItem(const String& name, int pathMode)
{
    if (pathMode != 0 || !IsBareName(name)) return nullptr;
    const auto folder = ApplicationFolder();
    return folder ? folder->Child(name) : nullptr;
}

std::shared_ptr<FolderItem> ResourcesFolder()
{
    const auto folder = ApplicationFolder();
    const auto resources = folder ? folder->Child("Resources") : nullptr;
    if (!resources || !resources->Directory()) return nullptr;
    return resources;
}
