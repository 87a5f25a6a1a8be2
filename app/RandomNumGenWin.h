#pragma once
#include <memory>
#include "Menu.h"
#include "Window.h"

// The main window: draws a whole number between the two typed bounds.
class RandomNumGenWin : public Window {
public:
    void PushButton1_Action();
    void generaterandom();

    // The menu bar's items by name, as this window sees them.
    std::shared_ptr<MenuItem> WebMenu() const;
    std::shared_ptr<MenuItem> WebDonate5() const;
    std::shared_ptr<MenuItem> UntitledMenu0() const;
    std::shared_ptr<MenuItem> WebVisittheBrackwaterWebSite() const;
    std::shared_ptr<MenuItem> UntitledMenu1() const;
    std::shared_ptr<MenuItem> WebAutoUpdateCheck() const;
    std::shared_ptr<MenuItem> WebCheckforupdatenow() const;
    std::shared_ptr<MenuItem> NumGenMenu() const;
    std::shared_ptr<MenuItem> NumberGeneratorRandomNumberGenerator() const;
    std::shared_ptr<MenuItem> EditMenu() const;
    std::shared_ptr<MenuItem> EditClear() const;
    std::shared_ptr<MenuItem> EditPaste() const;
    std::shared_ptr<MenuItem> EditCopy() const;
    std::shared_ptr<MenuItem> EditCut() const;
    std::shared_ptr<MenuItem> UntitledMenu2() const;
    std::shared_ptr<MenuItem> EditUndo() const;
    std::shared_ptr<MenuItem> FileMenu() const;
    std::shared_ptr<QuitMenuItem> FileQuit() const;
    std::shared_ptr<MenuItem> FileAbout() const;
    std::shared_ptr<MenuItem> UntitledMenu3() const; // no such item: always nullptr

protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

private:
    std::shared_ptr<MenuItem> Item(const char* name) const;
    void FitResult(StaticText& result);
};

RandomNumGenWin* TheRandomNumGenWin();
