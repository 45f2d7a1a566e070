#include "toolkit/qt/binding.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tk::qt {

int pixels(int twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

namespace {

    QString qstr(const std::string& text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    QColor qcolour(Colour colour)
    {
        return QColor(red_of(colour), green_of(colour), blue_of(colour));
    }

    QFont qfont(const tk::Font& font)
    {
        QFont f(qstr(font.name));
        f.setPointSizeF(font.size);
        f.setBold(font.bold);
        return f;
    }

    QPixmap qpixmap(const PictureRef& picture)
    {
        if (!picture || picture->empty())
            return {};
        QImage image(reinterpret_cast<const uchar*>(picture->pixels.data()), picture->pixel_width,
            picture->pixel_height, picture->pixel_width * 4, QImage::Format_ARGB32);
        return QPixmap::fromImage(image.copy());
    }

    // Text boxes keep CR LF line ends; Qt's editors want plain line feeds.
    QString display_text(const std::string& text)
    {
        QString shown = qstr(text);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return shown;
    }

    class Button : public QPushButton {
    public:
        using QPushButton::QPushButton;

    protected:
        void keyPressEvent(QKeyEvent* event) override
        {
            if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
                animateClick();
                return;
            }
            QPushButton::keyPressEvent(event);
        }
    };

    class PictureLabel : public QLabel {
    public:
        std::function<void()> clicked;
        using QLabel::QLabel;

    protected:
        void mousePressEvent(QMouseEvent* event) override
        {
            QLabel::mousePressEvent(event);
            if (clicked)
                clicked();
        }
        void keyPressEvent(QKeyEvent* event) override
        {
            if (clicked && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return))
                clicked();
            else
                QLabel::keyPressEvent(event);
        }
    };

} // namespace

// ---------------------------------------------------------------- ControlView

// Mirrors one control. Its widget is made the first time the control is
// visible, so a control that is never shown costs nothing.
class ControlView : public ControlObserver {
public:
    ControlView(Control& control, QWidget& client)
        : control_(control)
        , client_(client)
    {
        control_.set_observer(this);
        if (control_.Visible())
            make_widget();
    }
    ~ControlView() override { detach(); }

    void detach()
    {
        if (attached_)
            control_.set_observer(nullptr);
        attached_ = false;
    }

    Control& control() const { return control_; }
    QWidget* widget() const { return widget_; }

    void control_destroyed() override { attached_ = false; }

    void changed(Property property) override
    {
        if (!widget_) {
            if (property == Property::Visible && control_.Visible()) {
                make_widget();
                widget_->show();
                if (on_widget_made)
                    on_widget_made();
            }
            return;
        }
        apply(property);
    }

    void item_inserted(int index) override
    {
        if (auto* list = list_widget()) {
            const Syncing guard(*this);
            list->insertItem(index, qstr(static_cast<ListBox&>(control_).List(index)));
            sync_selection();
        }
    }
    void item_removed(int index) override
    {
        if (auto* list = list_widget()) {
            const Syncing guard(*this);
            delete list->takeItem(index);
            sync_selection();
        }
    }
    void items_cleared() override
    {
        if (auto* list = list_widget()) {
            const Syncing guard(*this);
            list->clear();
        }
    }
    void item_changed(int index) override
    {
        if (auto* list = list_widget())
            if (QListWidgetItem* item = list->item(index))
                item->setText(qstr(static_cast<ListBox&>(control_).List(index)));
    }

    std::function<void()> on_widget_made;

private:
    struct Syncing {
        explicit Syncing(ControlView& view)
            : view_(view)
            , was_(view.syncing_)
        {
            view_.syncing_ = true;
        }
        ~Syncing() { view_.syncing_ = was_; }
        ControlView& view_;
        bool was_;
    };

    bool learner_may_act() const { return attached_ && !syncing_; }

    QListWidget* list_widget() const
    {
        return control_.kind() == Kind::ListBox ? static_cast<QListWidget*>(widget_) : nullptr;
    }

    void make_widget()
    {
        switch (control_.kind()) {
        case Kind::ListBox: {
            auto& list = static_cast<ListBox&>(control_);
            auto* widget = new QListWidget(&client_);
            widget->setUniformItemSizes(true);
            widget->setSelectionMode(QAbstractItemView::SingleSelection);
            widget->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            QStringList items;
            items.reserve(list.ListCount());
            for (int i = 0; i < list.ListCount(); ++i)
                items.push_back(qstr(list.List(i)));
            widget->addItems(items);
            QObject::connect(widget, &QListWidget::itemSelectionChanged, widget, [this, widget] {
                if (!learner_may_act())
                    return;
                const auto selected = widget->selectedItems();
                if (selected.isEmpty()) {
                    sync_selection(); // the contract has no way to unselect: show its selection again
                    return;
                }
                static_cast<ListBox&>(control_).learner_select(widget->row(selected.front()));
                if (attached_)
                    sync_selection();
            });
            widget_ = widget;
            break;
        }
        case Kind::CommandButton: {
            auto* widget = new Button(&client_);
            QObject::connect(widget, &QPushButton::clicked, widget, [this] {
                if (learner_may_act())
                    static_cast<CommandButton&>(control_).learner_click();
            });
            widget_ = widget;
            break;
        }
        case Kind::Label: {
            auto* widget = new QLabel(&client_);
            widget->setAutoFillBackground(true);
            widget->setWordWrap(true);
            if (static_cast<Label&>(control_).centred())
                widget->setAlignment(Qt::AlignCenter);
            widget_ = widget;
            break;
        }
        case Kind::TextBox: {
            const TextBoxStyle& style = static_cast<TextBox&>(control_).style();
            if (style.multi_line) {
                auto* widget = new QPlainTextEdit(&client_);
                widget->setReadOnly(style.read_only);
                widget->setVerticalScrollBarPolicy(
                    style.vertical_scroll_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
                widget_ = widget;
            } else {
                auto* widget = new QLineEdit(&client_);
                widget->setReadOnly(style.read_only);
                if (style.centred)
                    widget->setAlignment(Qt::AlignCenter);
                widget_ = widget;
            }
            widget_->setAutoFillBackground(true);
            break;
        }
        case Kind::PictureBox: {
            auto* widget = new PictureLabel(&client_);
            widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget->setAutoFillBackground(true);
            // A picture box has the system's face colour unless told otherwise.
            QPalette palette = widget->palette();
            palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
            widget->setPalette(palette);
            widget->clicked = [this] {
                if (learner_may_act())
                    static_cast<PictureBox&>(control_).learner_click();
            };
            widget_ = widget;
            break;
        }
        case Kind::OptionButton: {
            auto* widget = new QRadioButton(&client_);
            widget->setAutoExclusive(false); // the contract keeps the options exclusive
            widget->setAutoFillBackground(true);
            widget->setBackgroundRole(QPalette::Window); // a button would fill with Button, not its colour
            QObject::connect(widget, &QRadioButton::clicked, widget, [this] {
                if (!learner_may_act())
                    return;
                static_cast<OptionButton&>(control_).learner_click();
                if (attached_)
                    apply(Property::Selection);
            });
            widget_ = widget;
            break;
        }
        case Kind::Slider: {
            auto& slider = static_cast<Slider&>(control_);
            auto* widget = new QSlider(Qt::Horizontal, &client_);
            widget->setRange(slider.min(), slider.max());
            widget->setPageStep(16);
            QObject::connect(widget, &QSlider::valueChanged, widget, [this](int value) {
                if (learner_may_act())
                    static_cast<Slider&>(control_).learner_move(value);
            });
            widget_ = widget;
            break;
        }
        }
        widget_->setObjectName(qstr(control_.display_name()));
        for (Property p : { Property::Geometry, Property::Visible, Property::Enabled, Property::ToolTip,
                 Property::BackColor, Property::ForeColor, Property::Font, Property::Caption,
                 Property::Selection, Property::Picture, Property::Value })
            apply(p);
    }

    void apply(Property property)
    {
        const Syncing guard(*this);
        switch (property) {
        case Property::Geometry: {
            const Rect& r = control_.geometry();
            widget_->setGeometry(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
            break;
        }
        case Property::Visible:
            widget_->setVisible(control_.Visible());
            break;
        case Property::Enabled:
            widget_->setEnabled(control_.Enabled());
            break;
        case Property::ToolTip:
            widget_->setToolTip(qstr(control_.ToolTipText()));
            break;
        case Property::BackColor:
        case Property::ForeColor:
            apply_colours();
            break;
        case Property::Font:
            widget_->setFont(qfont(control_.Font()));
            break;
        case Property::Caption:
            apply_text();
            break;
        case Property::Selection:
            if (control_.kind() == Kind::ListBox)
                sync_selection();
            else if (control_.kind() == Kind::OptionButton)
                static_cast<QRadioButton*>(widget_)->setChecked(static_cast<OptionButton&>(control_).Value());
            break;
        case Property::Picture:
            if (control_.kind() == Kind::PictureBox)
                static_cast<QLabel*>(widget_)->setPixmap(
                    qpixmap(static_cast<PictureBox&>(control_).Picture()));
            break;
        case Property::Value:
            if (control_.kind() == Kind::Slider)
                static_cast<QSlider*>(widget_)->setValue(static_cast<Slider&>(control_).Value());
            break;
        }
    }

    void apply_colours()
    {
        QPalette palette = widget_->palette();
        const Colour back = control_.BackColor();
        const Colour fore = control_.ForeColor();
        switch (control_.kind()) {
        case Kind::ListBox:
        case Kind::TextBox:
            if (back >= 0)
                palette.setColor(QPalette::Base, qcolour(back));
            if (fore >= 0)
                palette.setColor(QPalette::Text, qcolour(fore));
            break;
        case Kind::CommandButton:
            if (back >= 0)
                palette.setColor(QPalette::Button, qcolour(back));
            if (fore >= 0)
                palette.setColor(QPalette::ButtonText, qcolour(fore));
            break;
        default:
            if (back >= 0)
                palette.setColor(QPalette::Window, qcolour(back));
            if (fore >= 0)
                palette.setColor(QPalette::WindowText, qcolour(fore));
            break;
        }
        widget_->setPalette(palette);
    }

    void apply_text()
    {
        switch (control_.kind()) {
        case Kind::CommandButton:
            static_cast<QPushButton*>(widget_)->setText(
                qstr(static_cast<CommandButton&>(control_).Caption()));
            break;
        case Kind::Label:
            static_cast<QLabel*>(widget_)->setText(qstr(static_cast<Label&>(control_).Caption()));
            break;
        case Kind::TextBox: {
            const QString text = display_text(static_cast<TextBox&>(control_).Text());
            if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_))
                edit->setPlainText(text);
            else
                static_cast<QLineEdit*>(widget_)->setText(text);
            break;
        }
        default:
            break;
        }
    }

    void sync_selection()
    {
        auto* list = list_widget();
        if (!list)
            return;
        const Syncing guard(*this);
        const int selected = static_cast<ListBox&>(control_).ListIndex();
        if (selected < 0) {
            list->clearSelection();
            list->setCurrentItem(nullptr);
            return;
        }
        if (list->currentRow() != selected || !list->item(selected)->isSelected())
            list->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
    }

    Control& control_;
    QWidget& client_;
    QWidget* widget_ = nullptr;
    bool attached_ = true;
    bool syncing_ = false;
};

// ---------------------------------------------------------------- WindowView

class WindowView : public QMainWindow, public WindowObserver {
public:
    explicit WindowView(Window& window)
        : window_(window)
    {
        const WindowDesign& design = window.design();
        Qt::WindowFlags flags = design.tool_window ? Qt::Tool : Qt::Window;
        if (design.fixed_border)
            flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                | Qt::WindowSystemMenuHint;
        setWindowFlags(flags);
        setAttribute(Qt::WA_DeleteOnClose, false);
        setObjectName(qstr(window.name()));

        QIcon icon;
        for (const PictureRef& picture : design.icon)
            icon.addPixmap(qpixmap(picture));
        if (!design.icon.empty())
            setWindowIcon(icon);

        client_ = new QWidget(this);
        client_->setObjectName(QStringLiteral("client"));
        client_->setAutoFillBackground(true);
        setCentralWidget(client_);

        for (Control* control : window.controls()) {
            auto view = std::make_unique<ControlView>(*control, *client_);
            view->on_widget_made = [this] { apply_tab_order(); };
            controls_.push_back(std::move(view));
        }
        for (const auto& view : controls_)
            if (QWidget* widget = view->widget(); widget && view->control().tab_index() < 0)
                widget->setFocusPolicy(Qt::NoFocus);
        apply_tab_order();

        window.set_observer(this);
        for (WindowProperty p : { WindowProperty::Caption, WindowProperty::BackColor, WindowProperty::Font,
                 WindowProperty::Menu, WindowProperty::Size })
            changed(p);
        if (design.centred)
            centre();
    }

    ~WindowView() override
    {
        detach();
        delete client_; // the widgets go before the views their signals reach
    }

    void detach()
    {
        if (!attached_)
            return;
        attached_ = false;
        window_.set_observer(nullptr);
        for (const auto& view : controls_)
            view->detach();
    }

    QWidget* widget_of(const Control& control) const
    {
        for (const auto& view : controls_)
            if (&view->control() == &control)
                return view->widget();
        return nullptr;
    }

    void changed(WindowProperty property) override
    {
        switch (property) {
        case WindowProperty::Caption:
            setWindowTitle(qstr(window_.Caption()));
            break;
        case WindowProperty::Size:
            client_->setFixedSize(pixels(window_.ScaleWidth()), pixels(window_.ScaleHeight()));
            if (window_.design().fixed_border) {
                setMinimumSize(0, 0); // let the layout compute the new size
                setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
                adjustSize();
                setFixedSize(sizeHint());
            }
            break;
        case WindowProperty::BackColor: {
            QPalette palette = client_->palette();
            if (window_.BackColor() >= 0)
                palette.setColor(QPalette::Window, qcolour(window_.BackColor()));
            client_->setPalette(palette);
            break;
        }
        case WindowProperty::Font:
            setFont(qfont(window_.Font()));
            break;
        case WindowProperty::Menu:
            rebuild_menu();
            break;
        }
    }

    void centre()
    {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(sizeHint().width() / 2, sizeHint().height() / 2));
        }
    }

    void close_from_contract()
    {
        closing_ = true;
        close();
        closing_ = false;
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (closing_ || !attached_) {
            event->accept();
            return;
        }
        // The learner's close box: the window decides.
        event->ignore();
        window_.close_requested();
    }

private:
    void rebuild_menu()
    {
        const auto& commands = window_.menu();
        if (commands.empty())
            return;
        QMenuBar* bar = menuBar();
        bar->clear();
        for (std::size_t i = 0; i < commands.size(); ++i) {
            QAction* action = bar->addAction(qstr(commands[i].caption));
            action->setObjectName(qstr(commands[i].name));
            QObject::connect(action, &QAction::triggered, this, [this, i] {
                if (attached_)
                    window_.learner_menu(static_cast<int>(i));
            });
        }
    }

    void apply_tab_order()
    {
        std::vector<ControlView*> ordered;
        for (const auto& view : controls_)
            if (view->widget() && view->control().tab_index() >= 0)
                ordered.push_back(view.get());
        std::stable_sort(ordered.begin(), ordered.end(), [](ControlView* a, ControlView* b) {
            return a->control().tab_index() < b->control().tab_index();
        });
        for (std::size_t i = 1; i < ordered.size(); ++i)
            QWidget::setTabOrder(ordered[i - 1]->widget(), ordered[i]->widget());
    }

    Window& window_;
    QWidget* client_ = nullptr;
    std::vector<std::unique_ptr<ControlView>> controls_;
    bool attached_ = true;
    bool closing_ = false;
};

// ---------------------------------------------------------------- Binding

Binding::Binding(Application& application)
    : application_(application)
{
    application_.set_observer(this);
}

Binding::~Binding()
{
    application_.set_observer(nullptr);
    for (auto& [window, view] : views_) {
        view->detach();
        delete view;
    }
}

void Binding::window_shown(Window& window)
{
    WindowView*& view = views_[&window];
    if (!view)
        view = new WindowView(window);
    view->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        view->raise();
        view->activateWindow();
    }
}

void Binding::window_hidden(Window& window)
{
    if (auto found = views_.find(&window); found != views_.end())
        found->second->hide();
}

void Binding::window_closed(Window& window)
{
    const auto found = views_.find(&window);
    if (found == views_.end())
        return;
    WindowView* view = found->second;
    views_.erase(found);
    view->detach();
    view->close_from_contract();
    view->deleteLater(); // a handler of one of its widgets may still be running
}

void Binding::ended()
{
    QCoreApplication::quit();
}

QWidget* Binding::view_of(const Window& window) const
{
    const auto found = views_.find(&window);
    return found == views_.end() ? nullptr : found->second;
}

QWidget* Binding::widget_of(const Control& control) const
{
    const auto found = views_.find(&control.owner());
    return found == views_.end() ? nullptr : found->second->widget_of(control);
}

} // namespace tk::qt
