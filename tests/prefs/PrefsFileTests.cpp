// The preferences file on disk: its exact bytes, damaged files and saves that fail.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include "BinaryMod.h"
#include "ByteText.h"
#include "FolderItem.h"
#include "KorPreffMod.h"
#include "QuandePrefs.h"
#include "SharedConstants.h"

namespace {

const char* const GoldenOn =
    "00 00 06 4B 4F 52 56 41 54 00 00 05 31 2E 30 2E 32 00 00 0B 00 00 01 00 00 00 04 00 00 01 00";
const String Header = BinaryMod::MakeLenField("KORVAT") + BinaryMod::MakeLenField(AppVersion);

class PrefsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(PrefsFileName);
    std::shared_ptr<FolderItem> file = std::make_shared<FolderItem>(path.toStdString());

    void Put(const String& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    String Get() {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return "(unreadable)";
        return f.readAll().toStdString();
    }
};

// A folder nobody may write into, root included: the immutable attribute
// where the file system has it, plain permissions otherwise.
struct ReadOnlyFolder {
    QByteArray path;
    bool immutable = false;
    bool held = false;
    explicit ReadOnlyFolder(const QString& folder) : path(QFile::encodeName(folder)) {
        immutable = SetImmutable(true);
        held = immutable || (geteuid() != 0 && chmod(path.constData(), 0555) == 0);
    }
    ~ReadOnlyFolder() {
        if (immutable) SetImmutable(false);
        chmod(path.constData(), 0755);
    }
    bool SetImmutable(bool on) {
        const int fd = open(path.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(fd);
        return ok;
    }
};

int64_t PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

TEST_F(PrefsFile, WritesTheGoldenFileInBothStatesAndReadsItBack) {
    for (bool off : {false, true}) {
        QuandePrefs p;
        p.Default();
        p.noautoupdate = off;
        KorPreffMod::WritePreffs(p.ToString(), file);
        String golden = Hex(GoldenOn);
        golden[23] = off ? '\x01' : '\0';
        EXPECT_EQ(Dump(Get()), Dump(golden));
        const String payload = KorPreffMod::ReadPreffs(file);
        EXPECT_EQ(payload, p.ToString());
        QuandePrefs loaded;
        loaded.Default();
        loaded.PopFromString(payload);
        EXPECT_EQ(loaded.noautoupdate, off);
    }
}

TEST_F(PrefsFile, NothingIsWrittenWithoutAReferenceOrPayload) {
    KorPreffMod::WritePreffs("", file);
    EXPECT_FALSE(QFile::exists(path));
    KorPreffMod::WritePreffs(Hex(GoldenOn), nullptr);
    EXPECT_EQ(KorPreffMod::ReadPreffs(nullptr), "");
    EXPECT_EQ(KorPreffMod::ReadPreffs(file), ""); // no file
}

TEST_F(PrefsFile, DamagedFilesGiveThePayloadTheyHoldOrNone) {
    const String payload = Hex("00 00 01 01 00 00 04 00 00 01 00");
    const struct { const char* what; String bytes; String expected; } cases[] = {
        {"empty", "", ""},
        {"shorter than a header", Hex("00 00"), ""},
        {"magic only", BinaryMod::MakeLenField("KORVAT"), ""},
        {"magic and version", Header, ""},
        {"magic in other case", BinaryMod::MakeLenField("korvat") + BinaryMod::MakeLenField(AppVersion) + BinaryMod::MakeLenField(payload), ""},
        {"magic cut short", Hex("00 00 06 4B 4F 52 56 41"), ""},
        {"foreign version", BinaryMod::MakeLenField("KORVAT") + BinaryMod::MakeLenField("99.0.0-beta") + BinaryMod::MakeLenField(payload), payload},
        {"empty version", BinaryMod::MakeLenField("KORVAT") + BinaryMod::MakeLenField("") + BinaryMod::MakeLenField(payload), payload},
        {"payload past the end", Header + Hex("00 00 0B 00 00 01 01"), Hex("00 00 01 01")},
        {"bytes after the payload", Header + BinaryMod::MakeLenField(payload) + "trailing", payload},
        {"huge payload length", Header + Hex("FF FF FF 01 02"), Hex("01 02")},
        {"huge version length", BinaryMod::MakeLenField("KORVAT") + Hex("FF FF FF 31"), ""},
    };
    for (const auto& c : cases) {
        Put(c.bytes);
        EXPECT_EQ(Dump(KorPreffMod::ReadPreffs(file)), Dump(c.expected)) << c.what;
    }
}

TEST_F(PrefsFile, RandomBytesNeverGiveMoreThanTheFileHolds) {
    std::mt19937 gen(20240607);
    for (int round = 0; round < 300; ++round) {
        String bytes = round % 2 ? Header : String();
        bytes.resize(bytes.size() + gen() % 64);
        for (size_t i = (round % 2 ? Header.size() : 0); i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(gen() % 4 ? gen() % 8 : gen() % 256);
        Put(bytes);
        const String payload = KorPreffMod::ReadPreffs(file);
        EXPECT_LE(payload.size(), bytes.size());
        EXPECT_EQ(payload, KorPreffMod::PayloadFromFileBytes(bytes));
        QuandePrefs p;
        p.PopFromString(payload);
        QuandePrefs again;
        again.PopFromString(p.ToString());
        EXPECT_EQ(again.ToString(), p.ToString()) << Dump(bytes);
    }
}

TEST_F(PrefsFile, AFolderInTheWayReadsAsNoPreferencesAndSurvivesASave) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(PrefsFileName));
    EXPECT_TRUE(file->Exists());
    EXPECT_EQ(KorPreffMod::ReadPreffs(file), "");
    KorPreffMod::WritePreffs(Hex("00 00 00"), file);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(PrefsFile, AnInterruptedSaveKeepsTheOldFile) {
    Put(Hex(GoldenOn));
    auto stream = file->CreateBinaryFile("text");
    ASSERT_TRUE(stream);
    stream->Write("partial");
    stream.reset(); // cut off before Close
    EXPECT_EQ(Dump(Get()), Dump(Hex(GoldenOn)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);

    const auto nowhere = std::make_shared<FolderItem>(dir.filePath("missing/x.dat").toStdString());
    KorPreffMod::WritePreffs(Hex("00 00 00"), nowhere);
    EXPECT_FALSE(nowhere->Exists());
}

TEST_F(PrefsFile, ASaveIntoAReadOnlyFolderKeepsTheOldFile) {
    Put(Hex(GoldenOn));
    ReadOnlyFolder locked(dir.path());
    if (!locked.held) GTEST_SKIP() << "cannot make a folder read-only here";
    KorPreffMod::WritePreffs(Hex("00 00 00"), file);
    EXPECT_EQ(Dump(Get()), Dump(Hex(GoldenOn)));
}

TEST_F(PrefsFile, AnUnreadableFileReadsAsNoPreferences) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    Put(Hex(GoldenOn));
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    EXPECT_EQ(KorPreffMod::ReadPreffs(file), "");
}

TEST_F(PrefsFile, AHugeFileIsNotReadWhole) {
    Put(Header + Hex("FF FF FF"));
    ASSERT_TRUE(QFile::resize(path, qint64{1} << 30)); // sparse: a gigabyte of zeros
    const int64_t before = PeakKilobytes();
    const String payload = KorPreffMod::ReadPreffs(file);
    EXPECT_EQ(payload, String(BinaryMod::MaxLenFieldContent, '\0'));
    EXPECT_LT(PeakKilobytes() - before, 512 * 1024);
}
