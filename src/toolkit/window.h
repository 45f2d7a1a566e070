// Windows and their lifecycle. A window is created hidden when first referred
// to (Form<T>), its load handler runs then; Show makes it visible, modeless
// and ownerless; a closed window is made afresh from its design at the next
// reference; Application::End closes every window at once.
#pragma once

#include "toolkit/collation.h"
#include "toolkit/controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class Application;

enum class WindowProperty { Caption, Size, BackColor, Font, Menu };

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void changed(WindowProperty) { }
};

// What a fixed single border adds to the client area of a window with a
// caption bar and a menu bar: three pixels each side, the caption and the menu.
inline constexpr int bordered_frame_width = 90;
inline constexpr int bordered_frame_height = 690;

struct WindowDesign {
    std::string caption;
    int client_width = 0; // twips
    int client_height = 0;
    int frame_width = 0; // what the frame adds to the client area, twips
    int frame_height = 0;
    Colour back_color = -1;
    tk::Font font;
    bool fixed_border = true; // no resizing, no minimise or maximise
    bool centred = false;
    bool tool_window = false;
    std::vector<PictureRef> icon; // the same drawing at several sizes
};

class Window {
public:
    Window(Application& application, std::string name, WindowDesign design);
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& application() const { return application_; }
    const std::string& name() const { return name_; }
    const WindowDesign& design() const { return design_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    // Outer size, frame included.
    int Width() const { return client_width_ + design_.frame_width; }
    int Height() const { return client_height_ + design_.frame_height; }
    void SetWidth(int twips);
    void SetHeight(int twips);
    int ScaleWidth() const { return client_width_; }
    int ScaleHeight() const { return client_height_; }

    Colour BackColor() const { return back_; }
    void SetBackColor(Colour colour);
    const tk::Font& Font() const { return font_; }
    void SetFontName(std::string name);

    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<MenuCommand>& menu() const { return menu_; }
    void add_menu_command(std::string name, std::string caption, Handler on_click);
    // The learner chose menu command i.
    void learner_menu(int i);

    bool Visible() const { return visible_; }
    bool closed() const { return closed_; }
    void Show(); // also brings a visible window to the front
    void Hide();
    void Close();

    // The learner asked the window system to close the window.
    virtual void close_requested() { Close(); }

    void set_observer(WindowObserver* observer) { observer_ = observer; }

    // Called once by Form<T> right after construction.
    void load() { Form_Load(); }

protected:
    virtual void Form_Load() { }

private:
    friend class Control;
    void adopt(Control* control) { controls_.push_back(control); }
    void notify(WindowProperty property)
    {
        if (observer_)
            observer_->changed(property);
    }

    Application& application_;
    std::string name_;
    WindowDesign design_;
    std::string caption_;
    int client_width_;
    int client_height_;
    Colour back_;
    tk::Font font_;
    std::vector<Control*> controls_;
    std::vector<MenuCommand> menu_;
    bool visible_ = false;
    bool closed_ = false;
    WindowObserver* observer_ = nullptr;
};

class ApplicationObserver {
public:
    virtual ~ApplicationObserver() = default;
    virtual void window_shown(Window&) { }
    virtual void window_hidden(Window&) { }
    virtual void window_closed(Window&) { }
    virtual void ended() { }
};

class Application {
public:
    Application(const Collation& collation, const Screen& screen);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const Collation& collation() const { return collation_; }
    const Screen& screen() const { return screen_; }

    // Ends the program: every window closes at once.
    void End();
    bool ended() const { return ended_; }

    const std::vector<Window*>& windows() const { return windows_; }
    void set_observer(ApplicationObserver* observer) { observer_ = observer; }
    ApplicationObserver* observer() const { return observer_; }

private:
    friend class Window;
    const Collation& collation_;
    const Screen& screen_;
    std::vector<Window*> windows_;
    bool ended_ = false;
    ApplicationObserver* observer_ = nullptr;
};

// A reference to a window that is created, hidden and loaded, when first
// referred to, and again after it was closed.
template <class W> class Form {
public:
    using Make = std::function<std::unique_ptr<W>()>;
    explicit Form(Make make)
        : make_(std::move(make))
    {
    }

    W& operator()()
    {
        if (window_ && window_->closed())
            window_.reset();
        if (!window_) {
            window_ = make_();
            window_->load();
        }
        return *window_;
    }

    // The window if it exists and is not closed, without creating it.
    W* loaded() const { return window_ && !window_->closed() ? window_.get() : nullptr; }

private:
    Make make_;
    std::unique_ptr<W> window_;
};

} // namespace tk
