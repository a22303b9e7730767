#pragma once

#include "platform/FileLookup.h"
#include "platform/PlatformServices.h"
#include "platform/Registry.h"

#include <memory>

namespace orbalux {

/** The system information locator and program starter of the platform the game runs on. */
class SystemPlatform {
public:
    SystemPlatform();
    ~SystemPlatform();
    SystemPlatform(const SystemPlatform&) = delete;
    SystemPlatform& operator=(const SystemPlatform&) = delete;

    /** The services, valid while this object lives. */
    PlatformServices services() const;

private:
#ifdef _WIN32
    // What the locator reads, declared first so that it goes last.
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<FileLookup> m_files;
#endif
    std::unique_ptr<SysInfoLocator> m_sysInfo;
    std::unique_ptr<ProgramStarter> m_programs;
};

} // namespace orbalux
