#pragma once
// Windows for the framework's GUI tests: each class records what the
// framework raises on it and runs what the test scripted for it.
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>
#include "Testing.h"
#include "Window.h"

struct WindowScript {
    WindowProperties props;
    std::function<void(Window&)> create;  // in CreateControls
    std::function<void(Window&)> menus;   // in AddMenuHandlers
    std::function<void()> close;          // in Event_Close
    std::function<bool(int, int)> press;  // in Event_MouseDown
    std::vector<std::string> log;
    int destroyed = 0;

    int Count(const std::string& entry) const
    {
        int n = 0;
        for (const auto& e : log) n += e == entry;
        return n;
    }
};

template <int N> class ScriptedWindow : public Window {
public:
    static WindowScript& Script()
    {
        static WindowScript script;
        return script;
    }
    ~ScriptedWindow() override { ++Script().destroyed; }
    Control* Add(const ControlSpec& spec) { return AddControl(spec); }
    Timer* AddTimerNamed(const String& name) { return AddTimer(name); }
    std::vector<std::pair<int, int>> presses;

protected:
    void Layout() override
    {
        Script().log.push_back("Layout");
        ApplyProperties(Script().props);
    }
    void CreateControls() override
    {
        Script().log.push_back("CreateControls");
        if (Script().create) Script().create(*this);
    }
    void AddMenuHandlers() override
    {
        Script().log.push_back("AddMenuHandlers");
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
        Script().log.push_back("MouseDown");
        return Script().press ? Script().press(x, y) : false;
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
