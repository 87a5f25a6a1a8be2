// The shipped executable as a whole process, from a copy of its folder so
// that the preferences file is the test's own: what reaches Qt from the
// command line, how soon the process ends once it quits, whatever the
// update check is waiting for, and what it says where no display opens.
#include <QElapsedTimer>
#include <QProcess>
#include "AppRun.h"

namespace {

const QString kExecutable = "Quandelvorix";

// The executable copied (its folder is "beside the application"), the pictures linked.
bool MakeAppFolder(const QString& folder)
{
    return QFile::copy(QUANDE_APP_DIR "/" + kExecutable, folder + "/" + kExecutable)
        && QFile::link(QUANDE_APP_DIR "/Resources", folder + "/Resources");
}

// Automatic checks on, a name server that never answers in time, and an
// option on the command line that Qt would take for itself and fail to
// start with. The splash hands over after 4 s and the check looks the
// update host up; the quit comes while that lookup hangs.
TEST(Process, QuitWhileTheHostLookupHangsEndsTheProcessAtOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(MakeAppFolder(dir.path()));
    const QString prefsPath = dir.path() + "/" + PrefsFileName;
    QFile prefs(prefsPath);
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly) && prefs.write(GoldenPrefs(false)) == GoldenPrefs(false).size());
    prefs.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LD_PRELOAD", QUANDE_SLOW_LOOKUP);
    // The sanitizer build: the preloaded library comes ahead of its runtime.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    QProcess app;
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::MergedChannels);
    app.start(dir.path() + "/" + kExecutable, {"-platform", "nosuchplatform"});
    ASSERT_TRUE(app.waitForStarted(5000));

    QByteArray output;
    QElapsedTimer waited;
    waited.start();
    while (!output.contains("slow lookup: holding") && app.state() == QProcess::Running && waited.elapsed() < 20000) {
        app.waitForReadyRead(100);
        output += app.readAll();
    }
    ASSERT_TRUE(output.contains("slow lookup: holding")) << "no update check began:\n" << output.toStdString();

    QElapsedTimer sinceQuit;
    sinceQuit.start();
    app.terminate(); // SIGTERM, which the program takes as a quit
    ASSERT_TRUE(app.waitForFinished(20000));
    const qint64 ms = sinceQuit.elapsed();
    EXPECT_LT(ms, 500) << "the process outlived its quit";
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0) << (output + app.readAll()).toStdString();
    ASSERT_TRUE(prefs.open(QIODevice::ReadOnly));
    EXPECT_EQ(prefs.readAll(), GoldenPrefs(false)) << "a run that started with the file leaves it as it was";
}

// Neither an unset display nor one that does not answer aborts the process:
// it says in one line what it needs and which display it tried, exits with
// status 1 and writes no file.
TEST(Process, WithoutADisplayItSaysSoInOneLineAndExitsWithOne)
{
    const struct {
        const char* display; // nullptr: not set
        const char* named;
    } cases[] = {{nullptr, "neither DISPLAY nor WAYLAND_DISPLAY is set"}, {":97", "display \":97\""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        QTemporaryDir dir;
        ASSERT_TRUE(MakeAppFolder(dir.path()));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
        if (c.display) env.insert("DISPLAY", c.display);
        QProcess app;
        app.setProcessEnvironment(env);
        app.start(dir.path() + "/" + kExecutable, {});
        ASSERT_TRUE(app.waitForFinished(20000));
        const QByteArray said = app.readAllStandardError() + app.readAllStandardOutput();
        EXPECT_EQ(app.exitStatus(), QProcess::NormalExit) << said.toStdString();
        EXPECT_EQ(app.exitCode(), 1);
        EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
        EXPECT_TRUE(said.contains("needs a graphical desktop") && said.contains(c.named)) << said.toStdString();
        EXPECT_FALSE(QFile::exists(dir.path() + "/" + PrefsFileName));
    }
}

} // namespace
