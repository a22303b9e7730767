#include "common/ProgramTitle.h"
#include "main/frmMain.h"
#include "main/QtMessenger.h"
#include "main/Translations.h"
#include "platform/ClockSeededRandom.h"
#include "platform/DataFiles.h"
#include "platform/SystemPlatform.h"
#include "platform/TimeOfDayClock.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(orbalux::programTitle());
    // Lets the desktop match the windows to the installed entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.orbalux.Orbalux"));

    const std::vector<std::filesystem::path> folders =
        orbalux::dataFolders(QCoreApplication::applicationDirPath().toStdU16String());
    orbalux::installTranslations(app, folders);

    orbalux::QtMessenger messenger;
    orbalux::ClockSeededRandom random;
    orbalux::TimeOfDayClock clock;
    orbalux::SystemPlatform platform;
    const orbalux::frmMain window({messenger, random, clock, platform.services(), folders});
    if (!window.startedUp())
        return 1;
    return QApplication::exec();
}
