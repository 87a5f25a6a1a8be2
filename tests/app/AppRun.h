#pragma once
// One application run per test, in its own application folder, with the
// browser and message boxes observed and the update host routed to a
// loopback server of the test that counts the checks that reach it.
#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "Text.h"
#include "Window.h"

class AppRun : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void CopyPictures();
    void Begin();  // startup and Open
    void Finish(); // Close unless quit, then everything released
    bool Running() const { return running_; }

    QString PrefsPath() const;
    std::optional<QByteArray> ReadPrefs() const; // nullopt when there is no file
    void WritePrefs(const QByteArray& bytes);

    int UpdateChecks() const { return connections_; }
    // Gives queued work (socket connections, deferred closes) time to happen.
    void Settle(int ms = 150);

    // Presses the splash window itself, which hands over.
    void PressSplash();
    bool MainWindowShown() const;

    QTemporaryDir appDir_;
    std::vector<String> urls_;
    std::vector<String> boxes_;

private:
    QTcpServer updateServer_;
    int connections_ = 0;
    bool running_ = false;
};

// The open window of class T, or nullptr; unlike the accessors it never makes one.
template <class T> T* OpenWindowOf() {
    for (Window* w : OpenWindows()) {
        if (auto* t = dynamic_cast<T*>(w); t && !t->IsClosed()) return t;
    }
    return nullptr;
}

// The preferences file as the program writes it from no file or its own:
// magic, version and the payload with automatic checks on (byte 23 = 0) or off (1).
QByteArray GoldenPrefs(bool noAutoUpdate);
