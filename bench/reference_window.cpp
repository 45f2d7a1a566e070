// The reference for the whole-process figures: the least a Qt Widgets
// program can do to show text. One label with one line of Cyrillic text in
// the main window's font, in a window of the main window's size, in the same
// style; it answers ZOL_FIRST_PAINT_FILE and ZOL_QUIT_AFTER_MS as the
// program does.
#include "toolkit/qt/first_paint.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QStyleFactory>
#include <QTimer>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QLabel label(QStringLiteral("Това е релационен тест."));
    label.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    // The main window: 744 x 467 pixels of client area under a menu bar.
    label.setFixedSize(744, 467 + 23); // the menu bar is 23 pixels high
    label.show();
    const tk::qt::FirstPaintProbe first_paint(&label);

    if (const char* after = std::getenv("ZOL_QUIT_AFTER_MS"); after && std::strlen(after) > 0)
        QTimer::singleShot(std::atoi(after), &application, &QApplication::quit);
    return QApplication::exec();
}
