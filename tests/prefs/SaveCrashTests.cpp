// Saves killed outright, at random moments, by real processes saving the
// same file at once.
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include "ByteText.h"
#include "GoldenPrefs.h"
#include "KorPreffMod.h"
#include "QuandePrefs.h"

namespace {

using Clock = std::chrono::steady_clock;

String Golden(bool off)
{
    return Hex(GoldenPrefsHex[off]);
}

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// Two savers at a time, each killed with SIGKILL at its own random moment in
// its loop. After every round the file is one of the two whole files, and
// beside it there is never more than the one temporary file, even while the
// savers run; a normal save afterwards leaves the file alone.
TEST(SavesKilled, LeaveAWholeFileAndAtMostOneTemporary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("QuandelvorixPrefs.dat");
    const QStringList fileOnly{"QuandelvorixPrefs.dat"};
    const auto sound = [&](const QStringList& entries) { return entries.contains(fileOnly[0]) && entries.size() <= 2; };
    std::mt19937 gen(std::random_device{}());
    const auto deadline = Clock::now() + std::chrono::seconds(8);
    int rounds = 0, leftOver = 0, mostEntries = 0;
    for (; rounds < 200 && Clock::now() < deadline; ++rounds) {
        QProcess savers[2];
        for (auto& saver : savers) saver.start(PREFS_SAVE_LOOP, {path});
        for (auto& saver : savers) ASSERT_TRUE(saver.waitForReadyRead(10000)) << "round " << rounds;
        for (auto& saver : savers) {
            const auto moment = Clock::now() + std::chrono::microseconds(gen() % 4000);
            while (Clock::now() < moment) {
                const QStringList entries = Entries(dir);
                mostEntries = std::max(mostEntries, static_cast<int>(entries.size()));
                ASSERT_TRUE(sound(entries)) << entries.join(' ').toStdString();
            }
            saver.kill();
            ASSERT_TRUE(saver.waitForFinished(10000));
        }
        const QStringList entries = Entries(dir);
        ASSERT_TRUE(sound(entries)) << entries.join(' ').toStdString();
        leftOver += entries.size() - 1;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const String bytes = file.readAll().toStdString();
        ASSERT_TRUE(bytes == Golden(false) || bytes == Golden(true)) << "round " << rounds << ": " << Dump(bytes);
    }
    EXPECT_GE(rounds, 30); // enough kills to mean something
    std::printf("%d rounds, a temporary file left after %d, at most %d entries seen\n", rounds, leftOver, mostEntries);

    QuandePrefs prefs;
    prefs.Default();
    KorPreffMod::WritePreffs(prefs.ToString(), std::make_shared<FolderItem>(path.toStdString()));
    EXPECT_EQ(Entries(dir), fileOnly);
    EXPECT_EQ(Dump(KorPreffMod::ReadPreffs(std::make_shared<FolderItem>(path.toStdString()))), Dump(prefs.ToString()));
}
