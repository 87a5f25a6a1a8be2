#pragma once
#include <memory>
#include "Menu.h"

// The one menu bar of the run, shared by the application object and the
// main window, so every item (the auto-update item's Checked above all) is one state.
class MenuBar1 : public MenuBar {
public:
    // Builds the four menus; runs once, right after the bar is made.
    void Constructor();
    void Untitled1(); // File
    void Untitled2(); // Edit
    void Untitled3(); // Number Generator
    void Untitled4(); // Web

private:
    void BuildRows(int first, int last);
};

// The shared bar, built at the first call.
std::shared_ptr<MenuBar1> TheMenuBar1();
// Drops the shared bar; the next TheMenuBar1() builds a new one.
void ReleaseMenuBar1();
