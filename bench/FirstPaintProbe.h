#pragma once

#include <QObject>

#include <chrono>

class QWidget;

namespace orbalux::bench {

/**
 * Watches every event of the application for the first paint of a main window. Once that
 * paint is done and the event loop runs again, prints one line to standard output,
 * "first-paint-us <wall-clock microseconds since started> cpu-us <processor microseconds of the
 * whole process> max-rss-kib <peak resident KiB> size <w>x<h>", and ends the process at once.
 */
class FirstPaintProbe : public QObject {
    Q_OBJECT

public:
    explicit FirstPaintProbe(std::chrono::steady_clock::time_point started, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    std::chrono::steady_clock::time_point m_started;
    QWidget* m_window = nullptr;
};

} // namespace orbalux::bench
