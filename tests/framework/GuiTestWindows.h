#pragma once
// Windows for the framework's GUI tests: each class takes its properties and
// its controls from the script the test wrote for it.
#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include "Testing.h"
#include "Window.h"

struct WindowScript {
    WindowProperties props;
    std::function<void(Window&)> create; // in CreateControls
};

template<int N>
class ScriptedWindow : public Window {
public:
    static WindowScript& Script()
    {
        static WindowScript script;
        return script;
    }
    using Window::AddControl;
    using Window::AddTimer;

protected:
    void Layout() override { ApplyProperties(Script().props); }
    void CreateControls() override
    {
        if (Script().create) Script().create(*this);
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
