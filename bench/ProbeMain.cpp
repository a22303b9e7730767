#include "FirstPaintProbe.h"

#include <QCoreApplication>

#include <chrono>

// The program under measurement: its own main, compiled under this name.
int probedMain(int argc, char** argv);

namespace {

std::chrono::steady_clock::time_point startedAt;

// Runs inside the application's constructor, before the program can show anything.
void installProbe()
{
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new orbalux::bench::FirstPaintProbe(startedAt, app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

int main(int argc, char** argv)
{
    startedAt = std::chrono::steady_clock::now();
    return probedMain(argc, argv);
}
