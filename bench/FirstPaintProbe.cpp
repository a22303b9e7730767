#include "FirstPaintProbe.h"

#include <QEvent>
#include <QMainWindow>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace orbalux::bench {

namespace {

long long microseconds(const timeval& time)
{
    return static_cast<long long>(time.tv_sec) * 1000000 + time.tv_usec;
}

} // namespace

FirstPaintProbe::FirstPaintProbe(std::chrono::steady_clock::time_point started, QObject* parent)
    : QObject(parent), m_started(started)
{
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (m_window || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (!qobject_cast<QMainWindow*>(window))
        return false;
    m_window = window;
    // The paint event of one widget starts the window's paint; the queued report runs after
    // the whole window is painted and flushed, when control is back in the event loop.
    QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
    return false;
}

void FirstPaintProbe::report()
{
    const auto elapsed = std::chrono::steady_clock::now() - m_started;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first-paint-us %lld cpu-us %lld max-rss-kib %ld size %dx%d\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()),
        microseconds(usage.ru_utime) + microseconds(usage.ru_stime), usage.ru_maxrss, m_window->width(),
        m_window->height());
    std::fflush(stdout);
    // Tearing the program down is no part of start-up.
    std::_Exit(0);
}

} // namespace orbalux::bench
