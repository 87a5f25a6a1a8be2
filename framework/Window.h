#pragma once
// A window of the application. Subclasses describe themselves in Layout
// (properties) and CreateControls (their control table) and handle the
// window events they care about. Each class has one implicit instance,
// reached through ImplicitInstance<T>().
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>
#include "Color.h"
#include "Controls.h"
#include "Menu.h"
#include "MenuHandlers.h"
#include "Picture.h"
#include "Text.h"
#include "Timer.h"

class QWidget;
class WindowWidget;

// The window kinds the system uses, named by what they look like.
enum class WindowFrame {
    Document, // titled, movable, standard buttons as the flags say
    Modeless, // titled, no buttons but those the flags allow (terms window)
    Plain,    // no frame, no title (splash)
};

struct WindowProperties {
    String Title;
    int Width = 100, Height = 100;
    WindowFrame Frame = WindowFrame::Document;
    bool CentreOnScreen = false;
    bool HasBackColor = false;
    Color BackColor = 0xFFFFFF;
    bool Visible = true;
    bool MenuBarVisible = true;
    bool CloseButton = true;
    bool MinimizeButton = false, MaximizeButton = false;
    // No window is resizable: each keeps the size its table gives.
};

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    void Show(); // visible and frontmost
    // Raises Close, then ends the window with its controls and timers. The
    // object itself is deleted later, back in the event loop, so a handler
    // may close its own window; the next ImplicitInstance makes a new one.
    void Close();
    bool Visible() const;
    int Width() const { return props_.Width; }
    int Height() const { return props_.Height; }
    String Title() const { return props_.Title; }

    void SetBackdrop(std::shared_ptr<Picture> p);
    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
    void SetMenuBar(std::shared_ptr<MenuBar> bar);
    std::shared_ptr<MenuBar> GetMenuBar() const { return menuBar_; }

    // Controls by name; nullptr when absent or of another class.
    Control* ControlByName(const String& name) const;
    template<class T>
    T* Find(const String& name) const
    {
        return dynamic_cast<T*>(ControlByName(name));
    }
    const std::vector<Control*>& Controls() const { return order_; } // creation order

    // Menu handlers of this window; they win over the application's while it is frontmost.
    void AddMenuHandler(const String& itemName, std::function<bool()> handler)
    {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    std::function<bool()> MenuHandler(const String& itemName) const { return menuHandlers_.Find(itemName); }

    // A press reported to the window itself (also from labels without a handler).
    bool PressAt(int x, int y);

    // For the framework and its tests. Widget() is the whole window, its menu
    // bar included; ContentWidget() is the Width x Height area below the bar
    // whose top-left corner is the origin of window coordinates.
    QWidget* Widget() const;
    QWidget* ContentWidget() const;

protected:
    // Making the window raises these, in this order.
    virtual void Layout() { }
    virtual void CreateControls() { }
    virtual void AddMenuHandlers() { }
    virtual void Event_Open() { }
    // Raised when the window closes, whatever closes it.
    virtual void Event_Close() { }
    virtual bool Event_MouseDown(int /*x*/, int /*y*/) { return false; }

    void ApplyProperties(const WindowProperties& p);
    Control* AddControl(const ControlRow& row);
    Timer* AddTimer();

private:
    template<class T>
    friend T* ImplicitInstance();
    friend class WindowWidget;
    friend void DiscardAllWindows();
    void Make();   // Layout, CreateControls, AddMenuHandlers, Open
    void Finish(); // after Close: leave the registry, delete later
    void ApplyTabOrder();
    void BringToFront();
    static Window* OpenInstance(std::type_index type);
    static void Register(std::type_index type, Window* w);

    WindowProperties props_;
    std::unique_ptr<WindowWidget> widget_;
    std::shared_ptr<Picture> backdrop_;
    std::shared_ptr<MenuBar> menuBar_;
    std::vector<std::unique_ptr<Control>> ownedControls_;
    std::map<String, Control*> controlsByName_; // the first control of a name keeps it
    std::vector<Control*> order_;
    std::vector<std::unique_ptr<Timer>> timers_;
    MenuHandlers menuHandlers_;
    bool closed_ = false, closing_ = false, placed_ = false;
};

// The open window of class T, or a new one made now.
template<class T>
T* ImplicitInstance()
{
    if (Window* w = Window::OpenInstance(typeid(T))) return static_cast<T*>(w);
    T* w = new T();
    Window::Register(typeid(T), w);
    w->Make();
    return w;
}

// Windows that are open now, oldest first (for the framework and tests).
std::vector<Window*> OpenWindows();
// The frontmost visible window, or nullptr.
Window* FrontWindow();
