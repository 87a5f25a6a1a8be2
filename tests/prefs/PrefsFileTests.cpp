// The preferences file on disk: its exact bytes, damaged files and saves that fail.
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <random>
#include <unistd.h>
#include "BinaryMod.h"
#include "ByteText.h"
#include "KorPreffMod.h"
#include "QuandePrefs.h"

const char* const GoldenOn = "00 00 06 4B 4F 52 56 41 54 00 00 05 31 2E 30 2E 32 00 00 0B 00 00 01 00 00 00 04 00 00 01 00";
const char* const GoldenOff = "00 00 06 4B 4F 52 56 41 54 00 00 05 31 2E 30 2E 32 00 00 0B 00 00 01 01 00 00 04 00 00 01 00";
const String Header = Hex(GoldenOn).substr(0, 17); // magic and version fields
const auto Field = BinaryMod::MakeLenField;

class PrefsFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("prefs.dat");
    std::shared_ptr<FolderItem> file = std::make_shared<FolderItem>(path.toStdString());
    void Put(const String& bytes) { std::ofstream(path.toStdString(), std::ios::binary) << bytes; }
    std::string Get() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? Dump(f.readAll().toStdString()) : "(no file)";
    }
};

TEST_F(PrefsFile, WritesTheGoldenFileInBothStatesAndReadsItBack) {
    for (bool off : {false, true}) {
        const QuandePrefs p{off, nullptr}; // a record before Default writes the new record's store
        KorPreffMod::WritePreffs(p.ToString(), file);
        EXPECT_EQ(Get(), off ? GoldenOff : GoldenOn);
        EXPECT_EQ(Dump(KorPreffMod::ReadPreffs(file)), Dump(p.ToString()));
    }
    KorPreffMod::WritePreffs("", file); // nothing to save must not replace what is there
    EXPECT_EQ(Get(), GoldenOff);
}

TEST_F(PrefsFile, DamagedFilesGiveThePayloadTheyHoldOrNone) {
    const String payload = Hex("00 00 01 01 00 00 04 00 00 01 00");
    const struct { const char* what; String bytes; String expected; } cases[] = {
        {"empty", "", ""}, {"shorter than a header", Hex("00 00"), ""}, {"magic and version only", Header, ""},
        {"magic in other case", Field("korvat") + Field("1.0.2") + Field(payload), ""},
        {"foreign version", Field("KORVAT") + Field("99.0.0-beta") + Field(payload), payload},
        {"payload past the end", Header + Hex("00 00 0B 00 00 01 01"), Hex("00 00 01 01")},
        {"bytes after the payload", Header + Field(payload) + "trailing", payload},
        {"huge payload length", Header + Hex("FF FF FF 01 02"), Hex("01 02")},
        {"huge version length", Field("KORVAT") + Hex("FF FF FF 31"), ""},
    };
    for (const auto& c : cases) {
        Put(c.bytes);
        EXPECT_EQ(Dump(KorPreffMod::ReadPreffs(file)), Dump(c.expected)) << c.what;
    }
}

// Whatever the bytes, the payload fits in the file and loads into a record.
TEST_F(PrefsFile, RandomBytesNeverGiveMoreThanTheFileHolds) {
    std::mt19937 gen(20240607);
    for (int round = 0; round < 300; ++round) {
        String bytes = round % 2 ? Header : String();
        for (auto i = gen() % 64; i > 0; --i) bytes += static_cast<char>(gen() % 4 ? gen() % 8 : gen() % 256);
        Put(bytes);
        const String payload = KorPreffMod::ReadPreffs(file);
        EXPECT_LE(payload.size(), bytes.size()) << Dump(bytes);
        QuandePrefs().PopFromString(payload); // loading whatever came out must not fault
    }
}

// A store far past any fixed read size goes through the file whole, and loads in linear time.
TEST_F(PrefsFile, AMillionEntriesGoThroughTheFileWhole) {
    defaultpreffOnlydata store, loaded;
    store.DefaultOnlyPaths.Redim(1000000);
    store.DefaultOnlyPaths.Set(1000000, "end");
    KorPreffMod::WritePreffs(store.ToString(), file);
    loaded.PopFromString(KorPreffMod::ReadPreffs(file));
    EXPECT_EQ(loaded.DefaultOnlyPaths(1000000), "end");
}

TEST_F(PrefsFile, AFolderInTheWayReadsAsNoPreferencesAndSurvivesASave) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("prefs.dat"));
    EXPECT_EQ(KorPreffMod::ReadPreffs(file), "");
    KorPreffMod::WritePreffs(Hex("00 00 00"), file);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

// A save cut off before its rename leaves the old file whole and no stray temporary behind.
TEST_F(PrefsFile, AnInterruptedSaveKeepsTheOldFileWhole) {
    Put(Hex(GoldenOn));
    auto stream = file->CreateBinaryFile("text");
    ASSERT_TRUE(stream);
    stream->Write("partial");
    stream.reset();
    EXPECT_EQ(Get(), GoldenOn);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);
}

TEST_F(PrefsFile, ASaveIntoAReadOnlyFolderKeepsTheOldFile) {
    Put(Hex(GoldenOn));
    // The immutable attribute stops even root from writing into the folder.
    const bool locked = QProcess::execute("chattr", {"+i", dir.path()}) == 0 ||
                        (geteuid() != 0 && QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (!locked) GTEST_SKIP() << "cannot make a folder read-only here";
    KorPreffMod::WritePreffs(Hex("00 00 00"), file);
    QProcess::execute("chattr", {"-i", dir.path()});
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(Get(), GoldenOn);
}
