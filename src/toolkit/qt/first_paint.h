// Opt-in start-up timing for the benchmarks. When ZOL_FIRST_PAINT_FILE names
// a file, the moment the given window has first been painted is written into
// it: CLOCK_MONOTONIC nanoseconds, then the window's width and height in
// pixels. The moment is taken once the first painting pass of the window is
// over (a zero timer queued by its first paint event). Without the variable
// nothing is installed.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace tk::qt {

class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window)
        : window_(window)
    {
        const char* path = std::getenv("ZOL_FIRST_PAINT_FILE");
        if (!window_ || !path || !*path)
            return;
        path_ = path;
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == window_) {
            seen_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { write(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void write() const
    {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (std::FILE* file = std::fopen(path_.c_str(), "w")) {
            std::fprintf(file, "%lld %d %d\n",
                static_cast<long long>(now.tv_sec) * 1000000000LL + static_cast<long long>(now.tv_nsec),
                window_->width(), window_->height());
            std::fclose(file);
        }
    }

    QWidget* window_;
    std::string path_;
    bool seen_ = false;
};

} // namespace tk::qt
