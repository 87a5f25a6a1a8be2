#include "WindowWidget.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include "Application.h"
#include "MenuBarView.h"
#include "Window.h"
#include "WindowContent.h"

namespace {
Qt::WindowFlags FlagsFor(const WindowProperties& p)
{
    Qt::WindowFlags flags = Qt::Window;
    if (p.Frame == WindowFrame::Plain) return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (p.CloseButton) flags |= Qt::WindowCloseButtonHint;
    if (p.MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (p.MaximizeButton) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

// The enabled, visible push button that has the role, if any.
PushButton* ButtonWithRole(const Window& window, bool defaultRole)
{
    for (Control* c : window.Controls()) {
        auto* button = dynamic_cast<PushButton*>(c);
        if (!button || !button->Widget()->isEnabled() || !button->Visible()) continue;
        if (defaultRole ? button->Default() : button->Cancel()) return button;
    }
    return nullptr;
}
} // namespace

WindowWidget::WindowWidget(Window* owner)
    : QWidget(nullptr, Qt::Window), owner_(owner), content_(new WindowContent(owner, this))
{
    Relayout();
}

void WindowWidget::Configure(const WindowProperties& p)
{
    const Qt::WindowFlags flags = FlagsFor(p);
    if (windowFlags() != flags) {
        const bool wasVisible = isVisible();
        setWindowFlags(flags);
        if (wasVisible) show();
    }
    setWindowTitle(QString::fromUtf8(p.Title.data(), static_cast<qsizetype>(p.Title.size())));
    content_->SetBackColor(p.HasBackColor, p.BackColor);
    width_ = std::max(p.Width, 1);
    height_ = std::max(p.Height, 1);
    menuBarVisible_ = p.MenuBarVisible;
    if (!menuBarVisible_) {
        delete menuView_;
        menuView_ = nullptr;
    } else if (isVisible()) {
        BuildMenus();
    }
    Relayout();
}

void WindowWidget::SetBackdrop(std::shared_ptr<Picture> picture)
{
    content_->SetBackdrop(std::move(picture));
}

void WindowWidget::SetMenuBar(std::shared_ptr<MenuBar> bar)
{
    delete menuView_;
    menuView_ = nullptr;
    menuBar_ = std::move(bar);
    if (isVisible()) BuildMenus();
    Relayout();
}

void WindowWidget::BuildMenus()
{
    if (menuView_ || !menuBarVisible_) return;
    std::shared_ptr<MenuBar> bar = menuBar_;
    if (!bar)
        if (const Application* app = GetAppObject()) bar = app->GetMenuBar();
    if (!bar) return;
    menuView_ = new MenuBarView(std::move(bar), this);
    Relayout();
}

void WindowWidget::setVisible(bool visible)
{
    if (visible) BuildMenus();
    QWidget::setVisible(visible);
}

QWidget* WindowWidget::Content() const
{
    return content_;
}

void WindowWidget::CentreOnScreen()
{
    BuildMenus(); // centred at the size it is shown at, its bar included
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void WindowWidget::Relayout()
{
    int barHeight = 0;
    if (menuView_) {
        barHeight = menuView_->sizeHint().height();
        menuView_->setGeometry(0, 0, width_, barHeight);
    }
    content_->setGeometry(0, barHeight, width_, height_);
    content_->setFixedSize(width_, height_);
    setFixedSize(width_, height_ + barHeight);
}

bool WindowWidget::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) owner_->BringToFront();
    return QWidget::event(event);
}

void WindowWidget::closeEvent(QCloseEvent* event)
{
    if (owner_->closed_ || owner_->closing_) {
        event->accept();
        return;
    }
    if (!owner_->props_.CloseButton) {
        event->ignore(); // no close box: only the window's own code closes it
        return;
    }
    event->accept();
    owner_->Close();
}

void WindowWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if ((enter || key == Qt::Key_Escape) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (PushButton* button = ButtonWithRole(*owner_, enter)) {
            button->Push();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
