// Shows the windows of the toolkit contract as Qt Widgets windows. One
// widget per control at its twips geometry (15 twips = 1 pixel); properties
// flow from the contract to the widgets as they change, and the learner's
// clicks, selections and slider moves flow back to the contract, which
// raises the handlers.
#pragma once

#include "toolkit/window.h"

#include <QObject>

#include <map>
#include <memory>

class QWidget;

namespace tk::qt {

class WindowView;

int pixels(int twips);

class Binding : public QObject, public ApplicationObserver {
public:
    explicit Binding(Application& application);
    ~Binding() override;

    void window_shown(Window& window) override;
    void window_hidden(Window& window) override;
    void window_closed(Window& window) override;
    void ended() override;

    // The Qt window showing a contract window, null before it was first shown.
    QWidget* view_of(const Window& window) const;
    // The widget showing a control, null while it has none.
    QWidget* widget_of(const Control& control) const;

private:
    Application& application_;
    std::map<const Window*, WindowView*> views_;
};

} // namespace tk::qt
