#pragma once
// Windows for the framework's GUI tests: each class takes its properties, its
// controls and its menu handlers from the script the test wrote for it, and
// records what the framework raises on it.
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include "Testing.h"
#include "Window.h"

struct WindowScript {
    WindowProperties props;
    std::function<void(Window&)> create, menus; // in CreateControls, in AddMenuHandlers
    std::function<void()> close;                // in Event_Close
    std::vector<std::string> log;               // Open and Close as raised
    int destroyed = 0;
    int Count(const std::string& e) const { return static_cast<int>(std::count(log.begin(), log.end(), e)); }
};

template<int N>
class ScriptedWindow : public Window {
public:
    static WindowScript& Script()
    {
        static WindowScript script;
        return script;
    }
    ~ScriptedWindow() override { ++Script().destroyed; }
    using Window::AddControl;
    using Window::AddTimer;
    std::vector<std::pair<int, int>> presses; // the window's MouseDown, in window coordinates

protected:
    void Layout() override { ApplyProperties(Script().props); }
    void CreateControls() override
    {
        if (Script().create) Script().create(*this);
    }
    void AddMenuHandlers() override
    {
        if (Script().menus) Script().menus(*this);
    }
    void Event_Open() override { Script().log.push_back("Open"); }
    void Event_Close() override
    {
        Script().log.push_back("Close");
        if (Script().close) Script().close();
    }
    bool Event_MouseDown(int x, int y) override
    {
        presses.emplace_back(x, y);
        return false;
    }
};

using WinA = ScriptedWindow<1>;
using WinB = ScriptedWindow<2>;

// Every test starts with fresh scripts and ends with no window, run or seam left.
class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WinA::Script() = WindowScript();
        WinB::Script() = WindowScript();
    }
    void TearDown() override
    {
        testing_seams::FinishRun();
        testing_seams::SetMsgBoxObserver(nullptr);
        testing_seams::SetShowURLObserver(nullptr);
    }
};
