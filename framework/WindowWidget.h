#pragma once
// The top-level widget of a Window: its frame kind, title and fixed size, the
// menu bar (when the window set one) above the content area, the window
// manager's close request, and Return / Escape for the default and cancel
// buttons. The menu bar is drawn from the first showing on: a window made
// hidden at start-up pays for its bar's fonts and icons only when it is seen.
// A window that shows the menu bar but set none of its own draws the
// application's, so its items stay in reach whichever window is in front.
#include <QWidget>
#include <memory>

class MenuBar;
class MenuBarView;
class Picture;
class Window;
class WindowContent;
struct WindowProperties;

class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window* owner);
    void Configure(const WindowProperties& p);
    void SetBackdrop(std::shared_ptr<Picture> picture);
    void SetMenuBar(std::shared_ptr<MenuBar> bar);
    QWidget* Content() const;
    void CentreOnScreen();
    void setVisible(bool visible) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Relayout();
    void BuildMenus();
    Window* owner_;
    WindowContent* content_;
    std::shared_ptr<MenuBar> menuBar_;
    MenuBarView* menuView_ = nullptr; // made at the first showing
    int width_ = 100, height_ = 100;
    bool menuBarVisible_ = true;
};
