#include "toolkit/window.h"

#include <algorithm>
#include <utility>

namespace tk {

Window::Window(Application& application, std::string name, WindowDesign design)
    : application_(application)
    , name_(std::move(name))
    , design_(std::move(design))
    , caption_(design_.caption)
    , client_width_(design_.client_width)
    , client_height_(design_.client_height)
    , back_(design_.back_color)
    , font_(design_.font)
{
    application_.windows_.push_back(this);
}

Window::~Window()
{
    Close(); // a window that goes away closes first, so that its view goes too
    auto& windows = application_.windows_;
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

void Window::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    notify(WindowProperty::Caption);
}

void Window::SetWidth(int twips)
{
    client_width_ = std::max(0, twips - design_.frame_width);
    notify(WindowProperty::Size);
}

void Window::SetHeight(int twips)
{
    client_height_ = std::max(0, twips - design_.frame_height);
    notify(WindowProperty::Size);
}

void Window::SetBackColor(Colour colour)
{
    back_ = colour;
    notify(WindowProperty::BackColor);
}

void Window::SetFontName(std::string name)
{
    font_.name = std::move(name);
    notify(WindowProperty::Font);
}

void Window::add_menu_command(std::string name, std::string caption, Handler on_click)
{
    menu_.push_back(MenuCommand { std::move(name), std::move(caption), std::move(on_click) });
    notify(WindowProperty::Menu);
}

void Window::learner_menu(int i)
{
    if (i < 0 || i >= static_cast<int>(menu_.size()))
        return;
    // Copy: the handler may close this window.
    const Handler handler = menu_[static_cast<std::size_t>(i)].on_click;
    if (handler)
        handler();
}

void Window::Show()
{
    if (closed_)
        return;
    visible_ = true;
    if (auto* observer = application_.observer())
        observer->window_shown(*this);
}

void Window::Hide()
{
    if (!visible_)
        return;
    visible_ = false;
    if (auto* observer = application_.observer())
        observer->window_hidden(*this);
}

void Window::Close()
{
    if (closed_)
        return;
    visible_ = false;
    closed_ = true;
    if (auto* observer = application_.observer())
        observer->window_closed(*this);
}

Application::Application(const Collation& collation, const Screen& screen)
    : collation_(collation)
    , screen_(screen)
{
}

Application::~Application() = default;

void Application::End()
{
    if (ended_)
        return;
    ended_ = true;
    const std::vector<Window*> open = windows_;
    for (Window* window : open)
        window->Close();
    if (observer_)
        observer_->ended();
}

} // namespace tk
