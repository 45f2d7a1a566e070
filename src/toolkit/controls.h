// The controls of the window toolkit: what the windows of the program build
// on. Plain standard C++; a view (the Qt binding, or nothing in headless
// tests) observes a control and mirrors it, and hands the learner's actions
// back through the learner_* calls, which raise the control's handler.
#pragma once

#include "toolkit/helpers.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class Window;
class Collation;

// Positions and sizes are in twips (1/1440 inch); 15 twips make one pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Font {
    std::string name = "Times New Roman";
    double size = 12.0; // points
    bool bold = false;
};

// An image: pixels as 0xAARRGGBB rows, and its size in twips.
struct Picture {
    int pixel_width = 0;
    int pixel_height = 0;
    std::vector<std::uint32_t> pixels;
    int width_twips = 0;
    int height_twips = 0;

    bool empty() const { return pixels.empty(); }

    // A picture of the given pixels, all one colour, at 15 twips a pixel.
    static std::shared_ptr<Picture> filled(int pixel_width, int pixel_height, std::uint32_t argb);
    // Sets one pixel; a point outside the picture is ignored.
    void put(int x, int y, std::uint32_t argb);
};
using PictureRef = std::shared_ptr<const Picture>;

enum class Kind { ListBox, CommandButton, Label, TextBox, PictureBox, OptionButton, Slider };

enum class Property {
    Geometry,
    Visible,
    Enabled,
    ToolTip,
    BackColor,
    ForeColor,
    Font,
    Caption, // caption of buttons and labels, text of text boxes
    Selection, // list index, option value
    Picture,
    Value, // slider
};

// Receives the changes of one control. Lists report item changes one by one
// so that a view can update a single row.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void changed(Property) { }
    virtual void item_inserted(int /*index*/) { }
    virtual void item_removed(int /*index*/) { }
    virtual void items_cleared() { }
    virtual void item_changed(int /*index*/) { }
    // The control is going away; the observer must not touch it any more.
    virtual void control_destroyed() { }
};

class Control {
public:
    Control(Window& owner, Kind kind, std::string name, int index, Rect geometry);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    Window& owner() const { return owner_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; } // index in its control array, -1 if single
    std::string display_name() const;

    const Rect& geometry() const { return geometry_; }
    int Left() const { return geometry_.left; }
    int Top() const { return geometry_.top; }
    int Width() const { return geometry_.width; }
    int Height() const { return geometry_.height; }
    void SetLeft(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    const std::string& ToolTipText() const { return tooltip_; }
    void SetToolTipText(std::string text);

    // A colour of -1 means the view's own default.
    Colour BackColor() const { return back_; }
    void SetBackColor(Colour colour);
    Colour ForeColor() const { return fore_; }
    void SetForeColor(Colour colour);

    const tk::Font& Font() const { return font_; }
    void SetFont(tk::Font font);
    void SetFontName(std::string name);
    void SetFontSize(double points);

    // Position in the keyboard focus order of its window; -1: takes no focus.
    int tab_index() const { return tab_index_; }
    void set_tab_index(int position) { tab_index_ = position; }

    void set_observer(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* observer() const { return observer_; }

protected:
    void notify(Property property)
    {
        if (observer_)
            observer_->changed(property);
    }

private:
    Window& owner_;
    Kind kind_;
    std::string name_;
    int index_;
    Rect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tooltip_;
    Colour back_ = -1;
    Colour fore_ = -1;
    tk::Font font_;
    int tab_index_ = -1;
    ControlObserver* observer_ = nullptr;
};

using Handler = std::function<void()>;

// A list of text items; plain (order of adding) or sorted by a collation.
class ListBox : public Control {
public:
    ListBox(Window& owner, std::string name, int index, Rect geometry, const Collation* sorted_by = nullptr);

    bool sorted() const { return collation_ != nullptr; }

    // The text of item i; the empty text at or beyond ListCount.
    const std::string& List(int i) const;
    int ListCount() const;
    int ListIndex() const;
    // Selects item i (-1: none). When the value changes the click handler runs
    // before this returns.
    void SetListIndex(int i);

    void AddItem(std::string text, long item_data = 0);
    void RemoveItem(int i);
    // Replaces the text of item i. A plain list keeps the item in its place
    // and its selection; a sorted list removes it and adds the new text, as
    // RemoveItem and AddItem would. Raises no click.
    void SetList(int i, std::string text);
    void Clear();

    // Position of the first item equal to text, from item 0 upward; -1 if none.
    int FindFirst(const std::string& text) const;

    // A number kept with item i, 0 until set; it moves with its item when
    // other items come and go, and a new item starts with 0.
    long ItemData(int i) const;
    void SetItemData(int i, long value);

    Handler on_click;

    // The learner selects row i in the view.
    void learner_select(int i) { SetListIndex(i); }

private:
    struct Item {
        std::string text;
        std::string key; // collation key, sorted lists only
        long data = 0;
    };
    bool before(const Item& a, const Item& b) const;
    void settle() const;
    void insert_sorted(Item item);

    const Collation* collation_;
    // Sorted lists accept a burst of additions (start-up fills thousands of
    // items before anybody looks) by keeping them aside and merging them in at
    // the next read; a list with a view merges at once so the view never lags.
    mutable std::vector<Item> items_;
    mutable std::vector<Item> pending_;
    mutable int selected_ = -1;
};

class CommandButton : public Control {
public:
    CommandButton(Window& owner, std::string name, int index, Rect geometry, std::string caption);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    Handler on_click;
    // A press by the learner; a disabled button raises nothing.
    void learner_click();

private:
    std::string caption_;
};

class Label : public Control {
public:
    Label(
        Window& owner, std::string name, int index, Rect geometry, std::string caption, bool centred = true);

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool centred() const { return centred_; }

private:
    std::string caption_;
    bool centred_;
};

struct TextBoxStyle {
    bool multi_line = false;
    bool vertical_scroll_bar = false;
    bool read_only = false;
    bool centred = false;
};

class TextBox : public Control {
public:
    TextBox(Window& owner, std::string name, int index, Rect geometry, TextBoxStyle style = {});

    // Lines end in carriage return + line feed.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    const TextBoxStyle& style() const { return style_; }

    // The font size the box actually took, as the screen realises its font.
    double FontSizeTaken() const;

private:
    std::string text_;
    TextBoxStyle style_;
};

class PictureBox : public Control {
public:
    PictureBox(Window& owner, std::string name, int index, Rect geometry);

    const PictureRef& Picture() const { return picture_; }
    // Shown unscaled from the top-left corner; the box keeps its size.
    void SetPicture(PictureRef picture);

    Handler on_click;
    void learner_click();

private:
    PictureRef picture_;
};

class OptionButton : public Control {
public:
    OptionButton(Window& owner, std::string name, int index, Rect geometry);

    bool Value() const { return value_; }
    // Selecting one option clears the others of its window.
    void SetValue(bool selected);

    Handler on_click;
    void learner_click();

private:
    bool value_ = false;
};

class Slider : public Control {
public:
    Slider(Window& owner, std::string name, int index, Rect geometry, int min = 0, int max = 255);

    int Value() const { return value_; }
    // From code: raises no scroll event.
    void SetValue(int value);
    int min() const { return min_; }
    int max() const { return max_; }

    Handler on_scroll;
    // The learner moved the slider to value; the handler sees the new value.
    void learner_move(int value);

private:
    int clamp(int value) const;
    int min_;
    int max_;
    int value_ = 0;
};

// A top-level command of a window's menu bar.
struct MenuCommand {
    std::string name;
    std::string caption;
    Handler on_click;
};

// A fixed-size array of controls under one name, told apart by index.
template <class C> class ControlArray {
public:
    template <class Make> ControlArray(int count, Make make)
    {
        controls_.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            controls_.push_back(make(i));
    }
    C& operator[](int i) { return *controls_.at(static_cast<std::size_t>(i)); }
    const C& operator[](int i) const { return *controls_.at(static_cast<std::size_t>(i)); }
    int size() const { return static_cast<int>(controls_.size()); }

private:
    std::vector<std::unique_ptr<C>> controls_;
};

} // namespace tk
