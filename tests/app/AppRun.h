#pragma once
// One application run per test, in its own application folder, with the
// browser and message boxes observed and the update host routed to a
// loopback server of the test that counts the checks reaching it.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

#include "App.h"
#include "GoldenPrefs.h"
#include "RandomNumGenWin.h"
#include "SharedConstants.h"
#include "SplashWin.h"
#include "Startup.h"
#include "TermsWin.h"
#include "Testing.h"
#include "UpdateListServer.h"

// The open window of class T, or nullptr; unlike the accessors it never makes one.
template<class T>
T* OpenWindowOf()
{
    for (Window* w : OpenWindows())
        if (auto* t = dynamic_cast<T*>(w)) return t;
    return nullptr;
}

// What a reader of the window meets: every control inside the window and
// inside the box that holds it, no two controls but boxes on top of each
// other, and every text whole in its control. A bar drawn on the window
// stands above a content area of the table's size.
inline void ExpectReadable(const Window& w)
{
    if (const auto* bar = w.Widget()->findChild<QMenuBar*>()) {
        EXPECT_EQ(w.ContentWidget()->size(), QSize(w.Width(), w.Height()));
        EXPECT_EQ(w.ContentWidget()->y(), bar->height());
        EXPECT_EQ(w.Widget()->height(), w.Height() + bar->height());
    }
    const auto Rect = [](const Control* c) { return QRect(c->Left(), c->Top(), c->Width(), c->Height()); };
    const QRect window(0, 0, w.Width(), w.Height());
    for (const Control* c : w.Controls()) {
        SCOPED_TRACE(c->Name());
        EXPECT_TRUE(window.contains(Rect(c)));
        EXPECT_TRUE(c->Widget()->parentWidget()->rect().contains(c->Widget()->geometry())) << "outside its box";
        for (const Control* other : w.Controls()) {
            if (other != c && !dynamic_cast<const GroupBox*>(c) && !dynamic_cast<const GroupBox*>(other)) {
                EXPECT_FALSE(Rect(c).intersects(Rect(other))) << "covers " << other->Name();
            }
        }
        if (auto* label = dynamic_cast<const StaticText*>(c); label && label->Multiline()) {
            EXPECT_TRUE(label->Widget()->findChild<QScrollBar*>()->isHidden());
        } else if (label) {
            EXPECT_LE(label->TextWidth(), label->Width()) << label->Text();
        }
        if (dynamic_cast<const PushButton*>(c)) {
            const QString caption = c->Widget()->property("text").toString();
            EXPECT_LT(c->Widget()->fontMetrics().horizontalAdvance(caption), c->Width() - 8) << caption.toStdString();
        }
    }
}

// As a user: a click on the menu's title in the bar drawn on the window,
// then on the item. Texts as shown, without the access-key "&".
inline void ChooseFromBar(const Window* w, const QString& menuText, const QString& itemText)
{
    auto byText = [](const QList<QAction*>& actions, const QString& text) -> QAction* {
        for (QAction* a : actions)
            if (a->text().remove('&') == text) return a;
        return nullptr;
    };
    auto* bar = w->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr) << "no menu bar drawn";
    QAction* title = byText(bar->actions(), menuText);
    ASSERT_TRUE(title && title->menu()) << menuText.toStdString();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    QMenu* menu = title->menu();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
    QAction* item = byText(menu->actions(), itemText);
    ASSERT_NE(item, nullptr) << itemText.toStdString();
    QTest::mouseMove(menu, menu->actionGeometry(item).center());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000));
    testing_seams::Pump(150);
}

// Gives queued work (socket connections, deferred closes) time to happen.
inline void Settle(int ms = 150)
{
    testing_seams::Pump(ms);
}
inline bool MainShown()
{
    return OpenWindowOf<RandomNumGenWin>() && OpenWindowOf<RandomNumGenWin>()->Visible();
}
inline void Click(const Window* w, const char* l)
{
    QTest::mouseClick(w->Find<StaticText>(l)->Widget(), Qt::LeftButton);
}
inline void Toggle()
{
    EXPECT_FALSE(TheApp()->MenuHandler("WebAutoUpdateCheck")());
}

class AppRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing_seams::SetApplicationFolder(dir_.path().toStdString());
        testing_seams::SetShowURLObserver([this](const String& url, bool opened) {
            if (opened) urls_.push_back(url);
        });
        testing_seams::SetMsgBoxObserver([](const String&) {});                            // no modal boxes
        ASSERT_TRUE(QFile::link(QUANDE_APP_DIR "/Resources", dir_.path() + "/Resources")); // the pictures
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            for (; server_.hasPendingConnections(); ++checks_) server_.nextPendingConnection()->close();
        });
        ASSERT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", server_.serverPort());
    }
    void TearDown() override
    {
        if (TheApp()) Finish();
        testing_seams::ClearRoutes();
        testing_seams::SetShowURLObserver(nullptr);
    }
    static void Begin() { testing_seams::BeginRun(RunStartup); }
    static void Finish()
    { // Close unless the run quit, then everything released
        testing_seams::FinishRun();
        ReleaseModuleObjects();
        Settle(20);
    }
    std::optional<QByteArray> ReadPrefs() const
    { // nullopt when there is no file
        QFile f(dir_.path() + "/" + PrefsFileName);
        return f.open(QIODevice::ReadOnly) ? std::optional(f.readAll()) : std::nullopt;
    }
    void WritePrefs(const QByteArray& bytes)
    {
        QFile f(dir_.path() + "/" + PrefsFileName);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    static void Answer(const char* button)
    { // PushButton1 agrees, PushButton2 disagrees
        ASSERT_NE(OpenWindowOf<TermsWin>(), nullptr);
        OpenWindowOf<TermsWin>()->Find<PushButton>(button)->Push();
        Settle();
    }
    // Terms agreed before, automatic checks off, handed over to the main window, which is active.
    RandomNumGenWin* Started()
    {
        WritePrefs(GoldenPrefs(true));
        Begin();
        PressSplash();
        RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
        EXPECT_TRUE(main && QTest::qWaitForWindowActive(main->Widget()));
        return main;
    }
    static void PressSplash()
    { // on the window itself, which hands over
        ASSERT_NE(OpenWindowOf<SplashWin>(), nullptr);
        OpenWindowOf<SplashWin>()->PressAt(5, 5);
        Settle();
    }

    QTemporaryDir dir_;
    std::vector<String> urls_;
    int checks_ = 0; // update checks that reached the server
    QTcpServer server_;
};
