// The preferences file on disk: its exact bytes, damaged files, things other
// than a file in its place, and saves that fail.
#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
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

// Another save finishes while this one waits for the lock on the temporary
// file: what this save holds open is then no longer the temporary file (it
// became the preferences file, or is gone), and must never be written. The
// save starts again with whatever bears the name now, and its file, the
// last one saved, takes the place.
TEST_F(PrefsFile, ASaveThatWaitedForTheLockNeverWritesTheFileTheOtherSaveLeft)
{
    const QByteArray temporary = QFile::encodeName(path + ".tmp");
    const QByteArray target = QFile::encodeName(path);
    // Descriptors of this process that have the file open.
    const auto OpenCount = [](const struct stat& file) {
        int count = 0;
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            struct stat info { };
            if (stat(fd.path().c_str(), &info) == 0 && info.st_dev == file.st_dev && info.st_ino == file.st_ino)
                ++count;
        }
        return count;
    };
    const struct {
        const char* what;
        std::function<bool()> finish;
    } others[] = {
        {"put its file in place", [&] { return rename(temporary.constData(), target.constData()) == 0; }},
        {"gave up and removed its file", [&] { return unlink(temporary.constData()) == 0; }},
        {"removed its file, and one killed since left a fresh one",
         [&] {
             return unlink(temporary.constData()) == 0
                 && static_cast<bool>(std::ofstream(temporary.constData()) << "left by a killed save");
         }},
    };
    const String otherBytes = Hex(GoldenOff);
    for (const auto& other : others) {
        Put("old");
        const int held = open(temporary.constData(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        ASSERT_TRUE(held >= 0 && flock(held, LOCK_EX) == 0) << other.what;
        ASSERT_EQ(write(held, otherBytes.data(), otherBytes.size()), static_cast<ssize_t>(otherBytes.size()));
        struct stat heldFile { };
        ASSERT_EQ(fstat(held, &heldFile), 0);
        std::thread saving([&] { KorPreffMod::WritePreffs(QuandePrefs{false, nullptr}.ToString(), file); });
        // The save has the temporary file open and waits for the lock.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (OpenCount(heldFile) < 2 && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
        EXPECT_EQ(OpenCount(heldFile), 2) << other.what;
        EXPECT_TRUE(other.finish()) << other.what;
        flock(held, LOCK_UN);
        saving.join();
        String left(otherBytes.size() + 100, '\0');
        left.resize(static_cast<size_t>(std::max<ssize_t>(pread(held, left.data(), left.size(), 0), 0)));
        close(held);
        EXPECT_EQ(Dump(left), Dump(otherBytes)) << other.what;
        EXPECT_EQ(Get(), GoldenOn) << other.what;
        EXPECT_EQ(Entries(dir.path()), "prefs.dat") << other.what;
    }
}
