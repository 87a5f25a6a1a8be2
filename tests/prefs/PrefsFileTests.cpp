// The preferences file on disk: its exact bytes, damaged files, things other
// than a file in its place, and saves that fail.
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <future>
#include <linux/capability.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include "BinaryMod.h"
#include "ByteText.h"
#include "GoldenPrefs.h"
#include "KorPreffMod.h"
#include "QuandePrefs.h"

const char* const GoldenOn = GoldenPrefsHex[0];
const char* const GoldenOff = GoldenPrefsHex[1];
const String Header = Hex(GoldenOn).substr(0, 17); // magic and version fields
const auto Field = BinaryMod::MakeLenField;

class PrefsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("prefs.dat");
    std::shared_ptr<FolderItem> file = std::make_shared<FolderItem>(path.toStdString());
    void Put(const String& bytes) { std::ofstream(path.toStdString(), std::ios::binary) << bytes; }
    std::string Get()
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? Dump(f.readAll().toStdString()) : "(no file)";
    }
    static std::string Entries(const QString& folder)
    {
        return QDir(folder)
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)
            .join(' ')
            .toStdString();
    }
};

TEST_F(PrefsFile, WritesTheGoldenFileInBothStatesAndReadsItBack)
{
    for (bool off : {false, true}) {
        const QuandePrefs p{off, nullptr}; // a record before Default writes the new record's store
        KorPreffMod::WritePreffs(p.ToString(), file);
        EXPECT_EQ(Get(), off ? GoldenOff : GoldenOn);
        EXPECT_EQ(Dump(KorPreffMod::ReadPreffs(file)), Dump(p.ToString()));
    }
    KorPreffMod::WritePreffs("", file); // nothing to save must not replace what is there
    EXPECT_EQ(Get(), GoldenOff);
}

TEST_F(PrefsFile, DamagedFilesGiveThePayloadTheyHoldOrNone)
{
    const String payload = Hex("00 00 01 01 00 00 04 00 00 01 00");
    const struct {
        const char* what;
        String bytes;
        String expected;
    } cases[] = {{"empty", "", ""},
                 {"shorter than a header", Hex("00 00"), ""},
                 {"magic and version only", Header, ""},
                 {"magic in other case", Field("korvat") + Field("1.0.2") + Field(payload), ""},
                 {"foreign version", Field("KORVAT") + Field("99.0.0-beta") + Field(payload), payload},
                 {"payload past the end", Header + Hex("00 00 0B 00 00 01 01"), Hex("00 00 01 01")},
                 {"bytes after the payload", Header + Field(payload) + "trailing", payload},
                 {"huge payload length", Header + Hex("FF FF FF 01 02"), Hex("01 02")},
                 {"huge version length", Field("KORVAT") + Hex("FF FF FF 31"), ""}};
    for (const auto& c : cases) {
        Put(c.bytes);
        EXPECT_EQ(Dump(KorPreffMod::ReadPreffs(file)), Dump(c.expected)) << c.what;
    }
}

// A store far past any fixed read size goes through the file whole, and loads in linear time.
TEST_F(PrefsFile, AMillionEntriesGoThroughTheFileWhole)
{
    defaultpreffOnlydata store, loaded;
    store.DefaultOnlyPaths.Redim(1000000);
    store.DefaultOnlyPaths.Set(1000000, "end");
    KorPreffMod::WritePreffs(store.ToString(), file);
    loaded.PopFromString(KorPreffMod::ReadPreffs(file));
    EXPECT_EQ(loaded.DefaultOnlyPaths(1000000), "end");
}

// A pipe in the file's place holds no preferences and must not freeze the
// start: nothing waits for a writer that never comes. It still counts as
// there for the start-up, as a file with nothing usable does; a save puts
// the file in its place. A pipe that a link leads to elsewhere stays.
TEST_F(PrefsFile, APipeInItsPlaceReadsAsNoPreferencesAtOnceAndASaveReplacesIt)
{
    // Runs work that must not wait on the pipe at fifo. Should it wait all
    // the same, the pipe is opened from both ends here, so the work ends and
    // the test fails instead of hanging.
    const auto FinishesPromptly = [](const QString& fifo, const std::function<void()>& work) {
        auto done = std::async(std::launch::async, work);
        if (done.wait_for(std::chrono::seconds(3)) == std::future_status::ready) return true;
        const QByteArray name = QFile::encodeName(fifo);
        const int reader = open(name.constData(), O_RDONLY | O_NONBLOCK); // lets a blocked writer go on
        const int writer = open(name.constData(), O_WRONLY | O_NONBLOCK); // lets a blocked reader go on
        if (writer >= 0) close(writer);                                   // and then see the end
        done.wait();
        if (reader >= 0) close(reader);
        return false;
    };
    const QuandePrefs on{false, nullptr};
    const QString elsewhere = dir.filePath("elsewhere");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    ASSERT_EQ(mkfifo(QFile::encodeName(elsewhere).constData(), 0600), 0);
    EXPECT_TRUE(file->Exists());
    String payload = "unread";
    EXPECT_TRUE(FinishesPromptly(path, [&] { payload = KorPreffMod::ReadPreffs(file); }));
    EXPECT_EQ(payload, "");
    EXPECT_TRUE(FinishesPromptly(path, [&] { KorPreffMod::WritePreffs(on.ToString(), file); }));
    ASSERT_TRUE(QFileInfo(path).isFile());
    EXPECT_EQ(Get(), GoldenOn);

    const auto linked = std::make_shared<FolderItem>(dir.filePath("linked").toStdString());
    ASSERT_TRUE(QFile::link(elsewhere, dir.filePath("linked")));
    EXPECT_TRUE(FinishesPromptly(elsewhere, [&] { payload = KorPreffMod::ReadPreffs(linked); }));
    EXPECT_EQ(payload, "");
    EXPECT_TRUE(FinishesPromptly(elsewhere, [&] { KorPreffMod::WritePreffs(on.ToString(), linked); }));
    struct stat info { };
    EXPECT_TRUE(stat(QFile::encodeName(elsewhere).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFileInfo(dir.filePath("linked")).isSymLink());
}

// Another save holds the lock on the temporary file for good: this save
// gives up and leaves the file as it was, never writing beside the other.
TEST_F(PrefsFile, ASaveThatCannotTakeTheLockLeavesTheFile)
{
    Put(Hex(GoldenOn));
    const int other = open(QFile::encodeName(path + ".tmp").constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_TRUE(other >= 0 && flock(other, LOCK_EX) == 0);
    KorPreffMod::WritePreffs(QuandePrefs{true, nullptr}.ToString(), file);
    EXPECT_EQ(Get(), GoldenOn);
    close(other);
}

// Where the temporary file cannot be had, the save is given up and the old
// file stays whole: writing it in place would leave half a file should the
// save be cut short. What stands in the way and can be removed gives way.
// The save runs on a thread without the capabilities that let root write
// into any folder, so that a read-only folder refuses it as it would refuse
// its owner.
TEST_F(PrefsFile, ASaveTheFolderRefusesATemporaryFileKeepsTheOldFileWhole)
{
    const auto SaveWithoutOverrides = [](const std::shared_ptr<FolderItem>& into) {
        std::thread([&] {
            __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
            __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
            ASSERT_EQ(syscall(SYS_capget, &header, caps), 0);
            for (const unsigned cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
                caps[cap / 32].effective &= ~(1u << (cap % 32));
            ASSERT_EQ(syscall(SYS_capset, &header, caps), 0);
            KorPreffMod::WritePreffs(QuandePrefs{false, nullptr}.ToString(), into);
        }).join();
    };
    const struct {
        const char* what;
        mode_t folderMode;
        std::function<bool(const QString&)> leave; // at the temporary name
        bool saved;
    } cases[] = {
        {"a read-only folder", 0555, [](const QString&) { return true; }, false},
        {"a read-only folder and a leftover the save may not write", 0555,
         [](const QString& temporary) {
             return QFile(temporary).open(QIODevice::WriteOnly) && QFile::setPermissions(temporary, QFile::ReadOwner);
         },
         false},
        {"a folder with contents at the temporary name", 0755,
         [](const QString& temporary) {
             return QDir().mkdir(temporary) && QFile(temporary + "/inside").open(QIODevice::WriteOnly);
         },
         false},
        {"a leftover the save may not write, in a folder it may", 0755,
         [](const QString& temporary) {
             return QFile(temporary).open(QIODevice::WriteOnly) && QFile::setPermissions(temporary, QFile::ReadOwner);
         },
         true}};
    int n = 0;
    for (const auto& c : cases) {
        const QString folder = dir.filePath(QString::number(++n));
        const QString target = folder + "/prefs.dat";
        ASSERT_TRUE(QDir().mkdir(folder));
        std::ofstream(target.toStdString(), std::ios::binary) << Hex(GoldenOff);
        ASSERT_TRUE(c.leave(target + ".tmp")) << c.what;
        const std::string before = Entries(folder);
        ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), c.folderMode), 0);
        SaveWithoutOverrides(std::make_shared<FolderItem>(target.toStdString()));
        ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0755), 0);
        QFile saved(target);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << c.what;
        EXPECT_EQ(Dump(saved.readAll().toStdString()), c.saved ? GoldenOn : GoldenOff) << c.what;
        EXPECT_EQ(Entries(folder), c.saved ? "prefs.dat" : before) << c.what;
    }
}
