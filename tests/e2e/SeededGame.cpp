// The real main window with atoms that fall in the same places every game, so a script playing
// by keyboard knows where its shots hit, reflect and deflect.
#include "common/ProgramTitle.h"
#include "main/frmMain.h"
#include "main/QtMessenger.h"
#include "platform/SystemPlatform.h"
#include "platform/TimeOfDayClock.h"

#include <QApplication>

#include <random>

namespace {

class SeededRandom : public orbalux::RandomSource {
public:
    void reseed() override { m_engine.seed(kSeed); }
    float next() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }

private:
    static constexpr std::uint32_t kSeed = 14u;
    std::mt19937 m_engine{kSeed};
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(orbalux::programTitle());
    orbalux::QtMessenger messenger;
    SeededRandom random;
    orbalux::TimeOfDayClock clock;
    orbalux::SystemPlatform platform;
    const orbalux::frmMain window({messenger, random, clock, platform.services(), {std::filesystem::path()}});
    if (!window.startedUp())
        return 1;
    return QApplication::exec();
}
