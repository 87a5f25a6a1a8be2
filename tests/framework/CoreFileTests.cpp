// Files beside the application, in a temporary application folder: name
// resolution, the all-or-nothing replacement of a created file, reading,
// and pictures from the Resources folder.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include "FolderItem.h"
#include "Testing.h"

class CoreFiles : public ::testing::Test {
protected:
    void SetUp() override { testing_seams::SetApplicationFolder(dir_.path().toStdString()); }
    void TearDown() override { testing_seams::SetApplicationFolder(""); }
    String PathOf(const String& name) const { return dir_.path().toStdString() + "/" + name; }
    bool MakeDir(const char* name) const { return QDir(dir_.path()).mkdir(name); }
    void WriteFile(const String& name, const String& contents) const
    {
        QFile f(QString::fromStdString(PathOf(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)
                    && f.write(contents.data(), static_cast<qint64>(contents.size())) >= 0);
    }
    String ReadFile(const String& name) const
    {
        QFile f(QString::fromStdString(PathOf(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<missing>";
    }
    QTemporaryDir dir_;
};

TEST_F(CoreFiles, BareNamesResolveBesideTheApplicationAndNowhereElse)
{
    const auto item = GetFolderItem("QuandelvorixPrefs.dat", 0);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->Exists());
    WriteFile("QuandelvorixPrefs.dat", "x");
    EXPECT_TRUE(item->Exists());
    for (const String& bad : {String(), String("."), String(".."), String("../escape"), String("sub/file"),
                              String("/etc/passwd"), String("a\0b", 3)})
        EXPECT_EQ(GetFolderItem(bad, 0), nullptr) << bad;
}

TEST_F(CoreFiles, CreatedFileReplacesTheOldOneOnlyAtClose)
{
    WriteFile("prefs.dat", "old contents");
    auto stream = GetFolderItem("prefs.dat", 0)->CreateBinaryFile("no-such-type");
    ASSERT_NE(stream, nullptr);
    stream->Write("new");
    stream->Write(String("\0\xff", 2));
    EXPECT_EQ(ReadFile("prefs.dat"), "old contents"); // not yet
    stream->Close();
    EXPECT_EQ(ReadFile("prefs.dat"), String("new\0\xff", 5));
    // A stream dropped without Close leaves the old file, or no file at all.
    for (const char* name : {"prefs.dat", "fresh.dat"}) {
        auto dropped = GetFolderItem(name, 0)->CreateBinaryFile("text");
        ASSERT_NE(dropped, nullptr);
        dropped->Write("half-written");
    }
    EXPECT_EQ(ReadFile("prefs.dat"), String("new\0\xff", 5));
    // No temporary is left behind.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"prefs.dat"});

    // A folder in the way survives, contents and all.
    ASSERT_TRUE(MakeDir("in-the-way"));
    WriteFile("in-the-way/inside", "kept");
    if (auto blocked = GetFolderItem("in-the-way", 0)->CreateBinaryFile("text")) {
        blocked->Write("x");
        blocked->Close();
    }
    EXPECT_EQ(ReadFile("in-the-way/inside"), "kept");
    EXPECT_EQ(FolderItem(PathOf("missing-folder/prefs.dat")).CreateBinaryFile("text"), nullptr);
}

// What an earlier save left at the temporary name is written over or removed,
// never followed; a link stays a link; the file keeps its permissions.
TEST_F(CoreFiles, ASaveReplacesWhatAKilledSaveLeftAndKeepsLinksAndPermissions)
{
    const QString temporary = QString::fromStdString(PathOf("prefs.dat.tmp"));
    const struct {
        const char* what;
        std::function<bool()> leave;
    } leftovers[] = {
        {"a longer file",
         [&] {
             WriteFile("prefs.dat.tmp", String(100, 'x'));
             return true;
         }},
        {"a link to another file", [&] { return QFile::link(QString::fromStdString(PathOf("victim")), temporary); }},
        {"a pipe", [&] { return mkfifo(QFile::encodeName(temporary).constData(), 0600) == 0; }}};
    WriteFile("victim", "untouched");
    for (const auto& leftover : leftovers) {
        ASSERT_TRUE(leftover.leave()) << leftover.what;
        auto stream = GetFolderItem("prefs.dat", 0)->CreateBinaryFile("text");
        ASSERT_NE(stream, nullptr) << leftover.what;
        stream->Write(leftover.what);
        stream->Close();
        EXPECT_EQ(ReadFile("prefs.dat"), leftover.what);
        EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{"prefs.dat", "victim"}))
            << leftover.what;
    }
    EXPECT_EQ(ReadFile("victim"), "untouched");

    ASSERT_TRUE(QFile::link(QString::fromStdString(PathOf("victim")), QString::fromStdString(PathOf("link.dat"))));
    ASSERT_EQ(chmod(PathOf("victim").c_str(), 0640), 0);
    auto stream = GetFolderItem("link.dat", 0)->CreateBinaryFile("text");
    ASSERT_NE(stream, nullptr);
    stream->Write("through the link");
    stream->Close();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(PathOf("link.dat"))).isSymLink());
    EXPECT_EQ(ReadFile("victim"), "through the link");
    struct stat info { };
    ASSERT_EQ(stat(PathOf("victim").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(CoreFiles, ReadingIsBoundedAndRefusesWhatIsNoFileOrPicture)
{
    WriteFile("prefs.dat", String("KORVAT\0\x01\x02", 9));
    auto stream = GetFolderItem("prefs.dat", 0)->OpenAsBinaryFile(false);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Length(), 9);
    EXPECT_EQ(stream->Read(-1), "");
    EXPECT_EQ(stream->Read(6), "KORVAT");
    // More than remains yields what remains, not a buffer of the size asked.
    EXPECT_EQ(stream->Read(INT64_MAX), String("\0\x01\x02", 3));
    stream->Write("ignored"); // opened for reading only
    stream->Close();
    EXPECT_EQ(ReadFile("prefs.dat"), String("KORVAT\0\x01\x02", 9));
    EXPECT_EQ(GetFolderItem("missing.dat", 0)->OpenAsBinaryFile(false), nullptr);
    ASSERT_TRUE(MakeDir("folder.dat"));
    EXPECT_EQ(GetFolderItem("folder.dat", 0)->OpenAsBinaryFile(false), nullptr);
    EXPECT_EQ(FolderItem("/dev/null").OpenAsBinaryFile(false), nullptr); // only a regular file has contents

    // Pictures come from the Resources folder, once there is one.
    EXPECT_EQ(ResourcesFolder(), nullptr);
    ASSERT_TRUE(MakeDir("Resources"));
    const auto resources = ResourcesFolder();
    ASSERT_NE(resources, nullptr);
    QImage drawn(93, 98, QImage::Format_RGB32);
    drawn.fill(QColor(0xBE, 0xC8, 0x89));
    ASSERT_TRUE(drawn.save(QString::fromStdString(PathOf("Resources/icon.jpg")), "JPEG"));
    const auto picture = resources->Child("icon.jpg")->OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Image().size(), QSize(93, 98));
    EXPECT_NEAR(picture->Image().pixelColor(46, 49).green(), 0xC8, 4);
    WriteFile("Resources/garbage.jpg", "\xff\xd8 this is not a picture");
    EXPECT_EQ(resources->Child("garbage.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(resources->OpenAsPicture(), nullptr); // a folder
}
