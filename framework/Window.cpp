#include "Window.h"

#include <QGuiApplication>
#include <QPointer>
#include <algorithm>
#include "RunState.h"
#include "WindowReaper.h"
#include "WindowRegistry.h"
#include "WindowWidget.h"

namespace {
struct Registry {
    std::vector<Window*> open;                    // oldest first
    std::map<std::type_index, Window*> instances; // the implicit instance of each class
    std::vector<Window*> stacking;                // front first, as last shown or activated
    std::vector<QPointer<WindowReaper>> reapers;  // closed windows waiting for deletion
};

// Never destroyed: windows still open at exit must not outlive their registry.
Registry& R()
{
    static Registry* registry = new Registry;
    return *registry;
}

void Unregister(Window* w)
{
    Registry& r = R();
    std::erase(r.open, w);
    std::erase(r.stacking, w);
    std::erase_if(r.instances, [w](const auto& entry) { return entry.second == w; });
}
} // namespace

Window::Window() : widget_(std::make_unique<WindowWidget>(this))
{
    widget_->Configure(props_);
}

Window::~Window()
{
    Unregister(this);
    for (auto& t : timers_) t->End();
    // The widgets go first: nothing of theirs may reach a control being destroyed.
    widget_.reset();
}

Window* Window::OpenInstance(std::type_index type)
{
    const auto it = R().instances.find(type);
    return it == R().instances.end() ? nullptr : it->second;
}

void Window::Register(std::type_index type, Window* w)
{
    R().instances[type] = w;
    R().open.push_back(w);
}

void Window::Make()
{
    Layout();
    CreateControls();
    ApplyTabOrder();
    AddMenuHandlers();
    Event_Open();
    if (!closing_ && !closed_ && props_.Visible) Show();
}

void Window::Show()
{
    if (closed_) return;
    if (props_.CentreOnScreen && !placed_) widget_->CentreOnScreen();
    placed_ = true;
    widget_->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) widget_->raise(); // no stacking there
    widget_->activateWindow();
    BringToFront();
}

void Window::Close()
{
    if (closed_ || closing_) return;
    closing_ = true; // a Close from inside Event_Close does nothing more
    Event_Close();
    Finish();
}

void Window::Finish()
{
    closed_ = true;
    Unregister(this);
    for (auto& t : timers_) t->End();
    widget_->hide();
    auto* reaper = new WindowReaper(this);
    std::erase_if(R().reapers, [](const QPointer<WindowReaper>& p) { return p.isNull(); });
    R().reapers.emplace_back(reaper);
    reaper->deleteLater();
    // Whoever closed it, the run may now have no window left to reach it by.
    run::WindowClosed();
}

void Window::BringToFront()
{
    if (closed_) return;
    auto& stacking = R().stacking;
    std::erase(stacking, this);
    stacking.insert(stacking.begin(), this);
}

bool Window::Visible() const
{
    return !closed_ && widget_->isVisible();
}

void Window::SetBackdrop(std::shared_ptr<Picture> p)
{
    backdrop_ = p;
    widget_->SetBackdrop(std::move(p));
}

void Window::SetMenuBar(std::shared_ptr<MenuBar> bar)
{
    menuBar_ = bar;
    widget_->SetMenuBar(std::move(bar));
}

void Window::ApplyProperties(const WindowProperties& p)
{
    props_ = p;
    widget_->Configure(p);
}

Control* Window::AddControl(const ControlRow& row)
{
    QWidget* parent = widget_->Content();
    if (!row.Parent.empty())
        if (auto* box = Find<GroupBox>(row.Parent)) parent = box->Widget();

    std::unique_ptr<Control> control;
    switch (row.Class) {
    case ControlClass::StaticText:
        control = std::make_unique<StaticText>(this, row, parent);
        break;
    case ControlClass::PushButton:
        control = std::make_unique<PushButton>(this, row, parent);
        break;
    case ControlClass::TextField:
        control = std::make_unique<TextField>(this, row, parent);
        break;
    case ControlClass::TextArea:
        control = std::make_unique<TextArea>(this, row, parent);
        break;
    case ControlClass::GroupBox:
        control = std::make_unique<GroupBox>(this, row, parent);
        break;
    case ControlClass::PopupMenu:
        control = std::make_unique<PopupMenu>(this, row, parent);
        break;
    case ControlClass::ImageWell:
        control = std::make_unique<ImageWell>(this, row, parent);
        break;
    }
    if (!control) return nullptr;
    Control* raw = control.get();
    ownedControls_.push_back(std::move(control));
    order_.push_back(raw);
    controlsByName_.emplace(row.Name, raw);
    return raw;
}

Timer* Window::AddTimer()
{
    timers_.push_back(std::make_unique<Timer>());
    Timer* t = timers_.back().get();
    if (closed_) t->End();
    return t;
}

Control* Window::ControlByName(const String& name) const
{
    const auto it = controlsByName_.find(name);
    return it == controlsByName_.end() ? nullptr : it->second;
}

bool Window::PressAt(int x, int y)
{
    if (closed_) return false;
    return Event_MouseDown(x, y);
}

QWidget* Window::Widget() const
{
    return widget_.get();
}

QWidget* Window::ContentWidget() const
{
    return widget_->Content();
}

void Window::ApplyTabOrder()
{
    std::vector<Control*> chain;
    for (Control* c : order_)
        if (c->Widget()->focusPolicy() & Qt::TabFocus) chain.push_back(c);
    std::stable_sort(chain.begin(), chain.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
}

std::vector<Window*> OpenWindows()
{
    return R().open;
}

Window* FrontWindow()
{
    for (Window* w : R().stacking)
        if (w->Visible()) return w;
    return nullptr;
}

void DiscardAllWindows()
{
    Registry& r = R();
    const auto reapers = r.reapers;
    r.reapers.clear();
    for (const auto& reaper : reapers) delete reaper.data();
    const auto open = r.open;
    for (Window* w : open) {
        w->closed_ = true;
        delete w;
    }
    r.open.clear();
    r.instances.clear();
    r.stacking.clear();
}
