// What the Qt tests share: the program on a content package, shown through
// the real binding, and ways to reach the widgets of its controls.
#pragma once

#include "content/package.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/qt/binding.h"
#include "toolkit/qt/collation.h"
#include "toolkit/qt/style.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QObject>
#include <QTest>

#include <memory>

namespace zqt {

inline QString q(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

class BindingFixture : public QObject {
protected:
    std::unique_ptr<tk::qt::BulgarianCollation> collation;
    std::unique_ptr<tk::qt::QtScreen> screen;
    std::unique_ptr<tk::Application> app;
    std::unique_ptr<tk::qt::Binding> binding;
    std::unique_ptr<run::Program> program;
    run::ZOL* zol = nullptr;

    // Starts the program as main() does and waits until its window is shown.
    void start(std::shared_ptr<const content::Package> package = content::builtin_test())
    {
        QApplication::setStyle(tk::qt::program_style());
        if (!collation) {
            collation = std::make_unique<tk::qt::BulgarianCollation>();
            screen = std::make_unique<tk::qt::QtScreen>();
        }
        app = std::make_unique<tk::Application>(*collation, *screen);
        binding = std::make_unique<tk::qt::Binding>(*app);
        program = std::make_unique<run::Program>(*app, std::move(package));
        zol = &program->start();
        QVERIFY(QTest::qWaitForWindowExposed(view(*zol)));
    }

    void stop()
    {
        program.reset();
        binding.reset();
        app.reset();
        zol = nullptr;
    }

    template <class W> W* widget(const tk::Control& control) const
    {
        return qobject_cast<W*>(binding->widget_of(control));
    }
    QMainWindow* view(const tk::Window& window) const
    {
        return qobject_cast<QMainWindow*>(binding->view_of(window));
    }

    static QAction* menu_command(QMainWindow* window, const char* name)
    {
        for (QAction* action : window->menuBar()->actions())
            if (action->objectName() == QLatin1String(name))
                return action;
        return nullptr;
    }

    // With ZOL_SCREENSHOT_DIR set, saves what the window shows there as a PNG.
    static void save_screenshot(QWidget* window, const char* file)
    {
        const QByteArray dir = qgetenv("ZOL_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(window->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QLatin1String(file))));
    }
};

} // namespace zqt
