// The program: the main window of the built-in test, shown by the Qt binding.
#include "content/package.h"
#include "run/program.h"
#include "run/zol.h"
#include "toolkit/qt/binding.h"
#include "toolkit/qt/collation.h"
#include "toolkit/qt/first_paint.h"
#include "toolkit/qt/style.h"

#include <QApplication>
#include <QTimer>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication qt_application(argc, argv);
    QApplication::setStyle(tk::qt::program_style());

    const tk::qt::BulgarianCollation collation;
    const tk::qt::QtScreen screen;
    tk::Application application(collation, screen);
    tk::qt::Binding binding(application);
    run::Program program(application, content::builtin_test());
    const run::ZOL& window = program.start();
    // For timing: ZOL_FIRST_PAINT_FILE receives the moment of the first paint.
    const tk::qt::FirstPaintProbe first_paint(binding.view_of(window));

    // For screenshots and timing: ZOL_QUIT_AFTER_MS ends the program by itself.
    if (const char* after = std::getenv("ZOL_QUIT_AFTER_MS"); after && std::strlen(after) > 0)
        QTimer::singleShot(std::atoi(after), &qt_application, [&application] { application.End(); });

    if (application.ended())
        return 0;
    return QApplication::exec();
}
