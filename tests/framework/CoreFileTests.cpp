// Files beside the application, in a temporary application folder: name
// resolution, the all-or-nothing replacement of a created file, reading,
// and pictures from the Resources folder.
#include <unistd.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FolderItem.h"
#include "Testing.h"

namespace {

class CoreFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        testing_seams::SetApplicationFolder(Folder());
    }
    void TearDown() override { testing_seams::SetApplicationFolder(""); }

    String Folder() const { return dir_.path().toStdString(); }
    String PathOf(const String& name) const { return Folder() + "/" + name; }

    void WriteFile(const String& name, const String& contents) const
    {
        QFile f(QString::fromStdString(PathOf(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(contents.data(), static_cast<qint64>(contents.size())),
                  static_cast<qint64>(contents.size()));
    }

    String ReadFile(const String& name) const
    {
        QFile f(QString::fromStdString(PathOf(name)));
        if (!f.open(QIODevice::ReadOnly))
            return "<missing>";
        return f.readAll().toStdString();
    }

    // Files in the folder, so a test can see no temporary was left behind.
    QStringList Entries() const
    {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir_;
};

TEST_F(CoreFiles, BareNamesResolveBesideTheApplication)
{
    const auto item = GetFolderItem("QuandelvorixPrefs.dat", 0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->NativePath(), PathOf("QuandelvorixPrefs.dat"));
    EXPECT_EQ(item->Name(), "QuandelvorixPrefs.dat");
    EXPECT_FALSE(item->Exists());

    WriteFile("QuandelvorixPrefs.dat", "x");
    EXPECT_TRUE(item->Exists());
    EXPECT_FALSE(item->Directory());

    // Names that would leave the folder, or name nothing, yield no item.
    const String badNames[] = {"", ".", "..", "../escape", "sub/file", "/etc/passwd",
                               String("a\0b", 3)};
    for (const String& bad : badNames)
        EXPECT_EQ(GetFolderItem(bad, 0), nullptr) << bad;
    EXPECT_EQ(ApplicationFolder()->Child("a/b"), nullptr);

    ASSERT_TRUE(QDir(dir_.path()).mkdir("Sub"));
    EXPECT_TRUE(GetFolderItem("Sub", 0)->Exists());
    EXPECT_TRUE(GetFolderItem("Sub", 0)->Directory());
}

TEST_F(CoreFiles, CreatedFileReplacesTheOldOneOnlyAtClose)
{
    WriteFile("prefs.dat", "old contents");
    const auto item = GetFolderItem("prefs.dat", 0);

    // The type name is recorded only; a name never registered works too.
    auto stream = item->CreateBinaryFile("no-such-type");
    ASSERT_NE(stream, nullptr);
    stream->Write("new");
    stream->Write(String("\0\xff", 2));
    EXPECT_EQ(stream->Length(), 5);
    EXPECT_EQ(ReadFile("prefs.dat"), "old contents"); // not yet
    stream->Close();
    EXPECT_EQ(ReadFile("prefs.dat"), String("new\0\xff", 5));
    EXPECT_EQ(Entries(), QStringList{"prefs.dat"});
}

TEST_F(CoreFiles, StreamReleasedWithoutCloseLeavesOldFile)
{
    WriteFile("prefs.dat", "old contents");
    {
        auto stream = GetFolderItem("prefs.dat", 0)->CreateBinaryFile("text");
        ASSERT_NE(stream, nullptr);
        stream->Write("half-written");
    }
    EXPECT_EQ(ReadFile("prefs.dat"), "old contents");
    EXPECT_EQ(Entries(), QStringList{"prefs.dat"});

    // Same for a file that did not exist: nothing appears.
    {
        auto stream = GetFolderItem("fresh.dat", 0)->CreateBinaryFile("text");
        ASSERT_NE(stream, nullptr);
        stream->Write("abc");
    }
    EXPECT_FALSE(GetFolderItem("fresh.dat", 0)->Exists());
}

TEST_F(CoreFiles, CreateWhereNoFileCanBeMade)
{
    // A folder of that name in the way must survive, contents and all.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("prefs.dat"));
    WriteFile("prefs.dat/inside", "kept");
    auto blocked = GetFolderItem("prefs.dat", 0)->CreateBinaryFile("text");
    if (blocked) {
        blocked->Write("x");
        blocked->Close();
    }
    EXPECT_TRUE(GetFolderItem("prefs.dat", 0)->Directory());
    EXPECT_EQ(ReadFile("prefs.dat/inside"), "kept");

    // A file inside a folder that does not exist cannot be created.
    FolderItem nowhere(PathOf("missing-folder/prefs.dat"));
    EXPECT_EQ(nowhere.CreateBinaryFile("text"), nullptr);
    EXPECT_FALSE(QDir(dir_.path()).exists("missing-folder"));
}

TEST_F(CoreFiles, ReadOnlyFolderKeepsOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    WriteFile("prefs.dat", "old contents");
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::ExeOwner);
    auto stream = GetFolderItem("prefs.dat", 0)->CreateBinaryFile("text");
    if (stream) {
        stream->Write("new");
        stream->Close();
    }
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadFile("prefs.dat"), "old contents");
}

TEST_F(CoreFiles, ReadingBoundsAndRefusals)
{
    const String contents("KORVAT\0\x01\x02", 9);
    WriteFile("prefs.dat", contents);
    auto stream = GetFolderItem("prefs.dat", 0)->OpenAsBinaryFile(false);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->Length(), 9);
    EXPECT_EQ(stream->Read(-1), "");
    EXPECT_EQ(stream->Read(0), "");
    EXPECT_EQ(stream->Read(6), "KORVAT");
    // More than remains yields what remains, not a buffer of the size asked.
    EXPECT_EQ(stream->Read(INT64_MAX), String("\0\x01\x02", 3));
    EXPECT_EQ(stream->Read(5), "");
    stream->Write("ignored"); // opened for reading only
    stream->Close();
    EXPECT_EQ(ReadFile("prefs.dat"), contents);
    EXPECT_EQ(stream->Read(1), ""); // closed

    EXPECT_EQ(GetFolderItem("missing.dat", 0)->OpenAsBinaryFile(false), nullptr);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.dat"));
    EXPECT_EQ(GetFolderItem("folder.dat", 0)->OpenAsBinaryFile(false), nullptr);
}

TEST_F(CoreFiles, PicturesFromTheResourcesFolder)
{
    EXPECT_EQ(ResourcesFolder(), nullptr); // none yet

    ASSERT_TRUE(QDir(dir_.path()).mkdir("Resources"));
    const auto resources = ResourcesFolder();
    ASSERT_NE(resources, nullptr);
    EXPECT_EQ(resources->NativePath(), PathOf("Resources"));

    QImage drawn(93, 98, QImage::Format_RGB32);
    drawn.fill(QColor(0xBE, 0xC8, 0x89));
    ASSERT_TRUE(drawn.save(QString::fromStdString(PathOf("Resources/icon.jpg")), "JPEG"));
    const auto picture = resources->Child("icon.jpg")->OpenAsPicture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), 93);
    EXPECT_EQ(picture->Height(), 98);
    const QColor centre = picture->Image().pixelColor(46, 49);
    EXPECT_NEAR(centre.red(), 0xBE, 4);
    EXPECT_NEAR(centre.green(), 0xC8, 4);

    WriteFile("Resources/garbage.jpg", "\xff\xd8 this is not a picture");
    EXPECT_EQ(resources->Child("garbage.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(resources->Child("missing.jpg")->OpenAsPicture(), nullptr);
    EXPECT_EQ(resources->OpenAsPicture(), nullptr); // a folder

    // A file named Resources is not the Resources folder.
    ASSERT_TRUE(QDir(QString::fromStdString(PathOf("Resources"))).removeRecursively());
    WriteFile("Resources", "not a folder");
    EXPECT_EQ(ResourcesFolder(), nullptr);
}

TEST(CoreFilesApplication, DefaultFolderIsTheExecutables)
{
    testing_seams::SetApplicationFolder("");
    const auto folder = ApplicationFolder();
    ASSERT_NE(folder, nullptr);
    EXPECT_TRUE(folder->Directory());
    const auto item = GetFolderItem("QuandelvorixPrefs.dat", 0);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->NativePath(), folder->NativePath() + "/QuandelvorixPrefs.dat");
}

} // namespace
