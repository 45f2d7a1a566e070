#include "toolkit/controls.h"

#include "toolkit/collation.h"
#include "toolkit/window.h"

#include <algorithm>
#include <utility>

namespace tk {

namespace {
    const std::string empty_text;
}

// ---------------------------------------------------------------- Picture

std::shared_ptr<Picture> Picture::filled(int pixel_width, int pixel_height, std::uint32_t argb)
{
    auto picture = std::make_shared<Picture>();
    picture->pixel_width = pixel_width;
    picture->pixel_height = pixel_height;
    picture->width_twips = pixel_width * 15;
    picture->height_twips = pixel_height * 15;
    picture->pixels.assign(
        static_cast<std::size_t>(pixel_width) * static_cast<std::size_t>(pixel_height), argb);
    return picture;
}

void Picture::put(int x, int y, std::uint32_t argb)
{
    if (x >= 0 && y >= 0 && x < pixel_width && y < pixel_height)
        pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(pixel_width)
            + static_cast<std::size_t>(x)]
            = argb;
}

// ---------------------------------------------------------------- Control

Control::Control(Window& owner, Kind kind, std::string name, int index, Rect geometry)
    : owner_(owner)
    , kind_(kind)
    , name_(std::move(name))
    , index_(index)
    , geometry_(geometry)
    , font_(owner.Font())
{
    owner.adopt(this);
}

Control::~Control()
{
    if (observer_)
        observer_->control_destroyed();
}

std::string Control::display_name() const
{
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::SetLeft(int twips)
{
    geometry_.left = twips;
    notify(Property::Geometry);
}

void Control::SetWidth(int twips)
{
    geometry_.width = twips;
    notify(Property::Geometry);
}

void Control::SetHeight(int twips)
{
    geometry_.height = twips;
    notify(Property::Geometry);
}

void Control::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    notify(Property::Visible);
}

void Control::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    notify(Property::Enabled);
}

void Control::SetToolTipText(std::string text)
{
    tooltip_ = std::move(text);
    notify(Property::ToolTip);
}

void Control::SetBackColor(Colour colour)
{
    back_ = colour;
    notify(Property::BackColor);
}

void Control::SetForeColor(Colour colour)
{
    fore_ = colour;
    notify(Property::ForeColor);
}

void Control::SetFont(tk::Font font)
{
    font_ = std::move(font);
    notify(Property::Font);
}

void Control::SetFontName(std::string name)
{
    font_.name = std::move(name);
    notify(Property::Font);
}

void Control::SetFontSize(double points)
{
    font_.size = points;
    notify(Property::Font);
}

// ---------------------------------------------------------------- ListBox

ListBox::ListBox(Window& owner, std::string name, int index, Rect geometry, const Collation* sorted_by)
    : Control(owner, Kind::ListBox, std::move(name), index, geometry)
    , collation_(sorted_by)
{
}

bool ListBox::before(const Item& a, const Item& b) const
{
    // The empty text sorts first whatever the collation says.
    if (a.text.empty() != b.text.empty())
        return a.text.empty();
    if (a.key != b.key)
        return a.key < b.key;
    return a.text < b.text;
}

void ListBox::settle() const
{
    if (pending_.empty())
        return;
    const auto in_order = [this](const Item& a, const Item& b) { return before(a, b); };
    if (pending_.size() == 1) {
        // One item, as a learner's action adds it: into its place, after the
        // items that sort equal to it, without moving the list elsewhere.
        const auto place = std::upper_bound(items_.begin(), items_.end(), pending_.front(), in_order);
        const int at = static_cast<int>(place - items_.begin());
        items_.insert(place, std::move(pending_.front()));
        pending_.clear();
        if (selected_ >= at)
            ++selected_;
        if (observer())
            observer()->item_inserted(at);
        return;
    }
    if (items_.empty()) {
        // The first filling: the sorted additions are the list.
        items_ = std::move(pending_);
        pending_.clear();
        std::stable_sort(items_.begin(), items_.end(), in_order);
        if (observer())
            for (int at = 0; at < static_cast<int>(items_.size()); ++at)
                observer()->item_inserted(at);
        return;
    }
    std::vector<Item> added = std::move(pending_);
    pending_.clear();
    std::stable_sort(added.begin(), added.end(), in_order);

    // Merge; an added item goes after existing items that sort equal to it.
    std::vector<Item> merged;
    merged.reserve(items_.size() + added.size());
    std::vector<int> inserted_at;
    inserted_at.reserve(added.size());
    std::size_t old_i = 0;
    int selected_after = -1;
    for (Item& item : added) {
        while (old_i < items_.size() && !before(item, items_[old_i])) {
            if (static_cast<int>(old_i) == selected_)
                selected_after = static_cast<int>(merged.size());
            merged.push_back(std::move(items_[old_i++]));
        }
        inserted_at.push_back(static_cast<int>(merged.size()));
        merged.push_back(std::move(item));
    }
    for (; old_i < items_.size(); ++old_i) {
        if (static_cast<int>(old_i) == selected_)
            selected_after = static_cast<int>(merged.size());
        merged.push_back(std::move(items_[old_i]));
    }
    items_ = std::move(merged);
    selected_ = selected_after;
    if (observer())
        for (const int at : inserted_at)
            observer()->item_inserted(at);
}

const std::string& ListBox::List(int i) const
{
    settle();
    if (i < 0 || i >= static_cast<int>(items_.size()))
        return empty_text;
    return items_[static_cast<std::size_t>(i)].text;
}

int ListBox::ListCount() const
{
    return static_cast<int>(items_.size() + pending_.size());
}

int ListBox::ListIndex() const
{
    settle();
    return selected_;
}

void ListBox::SetListIndex(int i)
{
    settle();
    if (i < -1 || i >= static_cast<int>(items_.size()))
        return; // an index outside the list is refused, as a toolkit would
    if (i == selected_)
        return;
    selected_ = i;
    notify(Property::Selection);
    if (on_click)
        on_click();
}

void ListBox::AddItem(std::string text, long item_data)
{
    if (!sorted()) {
        items_.push_back(Item { std::move(text), {}, item_data });
        if (observer())
            observer()->item_inserted(static_cast<int>(items_.size()) - 1);
        return;
    }
    std::string key = collation_->sort_key(text);
    pending_.push_back(Item { std::move(text), std::move(key), item_data });
    if (observer())
        settle();
}

long ListBox::ItemData(int i) const
{
    settle();
    return i >= 0 && i < static_cast<int>(items_.size()) ? items_[static_cast<std::size_t>(i)].data : 0;
}

void ListBox::SetItemData(int i, long value)
{
    settle();
    if (i >= 0 && i < static_cast<int>(items_.size()))
        items_[static_cast<std::size_t>(i)].data = value;
}

void ListBox::SetList(int i, std::string text)
{
    settle();
    if (i < 0 || i >= static_cast<int>(items_.size()))
        return;
    if (sorted()) {
        RemoveItem(i);
        AddItem(std::move(text));
        return;
    }
    items_[static_cast<std::size_t>(i)].text = std::move(text);
    if (observer())
        observer()->item_changed(i);
}

void ListBox::RemoveItem(int i)
{
    settle();
    if (i < 0 || i >= static_cast<int>(items_.size()))
        return;
    items_.erase(items_.begin() + i);
    if (selected_ == i)
        selected_ = -1;
    else if (selected_ > i)
        --selected_;
    if (observer())
        observer()->item_removed(i);
}

void ListBox::Clear()
{
    items_.clear();
    pending_.clear();
    selected_ = -1;
    if (observer())
        observer()->items_cleared();
}

int ListBox::FindFirst(const std::string& text) const
{
    settle();
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].text == text)
            return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------- CommandButton

CommandButton::CommandButton(Window& owner, std::string name, int index, Rect geometry, std::string caption)
    : Control(owner, Kind::CommandButton, std::move(name), index, geometry)
    , caption_(std::move(caption))
{
}

void CommandButton::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void CommandButton::learner_click()
{
    if (Enabled() && Visible() && on_click)
        on_click();
}

// ---------------------------------------------------------------- Label

Label::Label(Window& owner, std::string name, int index, Rect geometry, std::string caption, bool centred)
    : Control(owner, Kind::Label, std::move(name), index, geometry)
    , caption_(std::move(caption))
    , centred_(centred)
{
}

void Label::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    notify(Property::Caption);
}

// ---------------------------------------------------------------- TextBox

TextBox::TextBox(Window& owner, std::string name, int index, Rect geometry, TextBoxStyle style)
    : Control(owner, Kind::TextBox, std::move(name), index, geometry)
    , style_(style)
{
}

void TextBox::SetText(std::string text)
{
    text_ = std::move(text);
    notify(Property::Caption);
}

double TextBox::FontSizeTaken() const
{
    return owner().application().screen().font_size_taken(Font().name, Font().size);
}

// ---------------------------------------------------------------- PictureBox

PictureBox::PictureBox(Window& owner, std::string name, int index, Rect geometry)
    : Control(owner, Kind::PictureBox, std::move(name), index, geometry)
{
}

void PictureBox::SetPicture(PictureRef picture)
{
    picture_ = std::move(picture);
    notify(Property::Picture);
}

void PictureBox::learner_click()
{
    if (Enabled() && Visible() && on_click)
        on_click();
}

// ---------------------------------------------------------------- OptionButton

OptionButton::OptionButton(Window& owner, std::string name, int index, Rect geometry)
    : Control(owner, Kind::OptionButton, std::move(name), index, geometry)
{
}

void OptionButton::SetValue(bool selected)
{
    if (selected)
        for (Control* other : owner().controls())
            if (other != this && other->kind() == Kind::OptionButton) {
                auto* option = static_cast<OptionButton*>(other);
                if (option->value_) {
                    option->value_ = false;
                    option->notify(Property::Selection);
                }
            }
    if (value_ == selected)
        return;
    value_ = selected;
    notify(Property::Selection);
}

void OptionButton::learner_click()
{
    if (!Enabled() || !Visible())
        return;
    SetValue(true);
    if (on_click)
        on_click();
}

// ---------------------------------------------------------------- Slider

Slider::Slider(Window& owner, std::string name, int index, Rect geometry, int min, int max)
    : Control(owner, Kind::Slider, std::move(name), index, geometry)
    , min_(min)
    , max_(max)
    , value_(min)
{
}

int Slider::clamp(int value) const
{
    return std::clamp(value, min_, max_);
}

void Slider::SetValue(int value)
{
    const int clamped = clamp(value);
    if (clamped == value_)
        return;
    value_ = clamped;
    notify(Property::Value);
}

void Slider::learner_move(int value)
{
    if (!Enabled() || !Visible())
        return;
    SetValue(value);
    if (on_scroll)
        on_scroll();
}

} // namespace tk
