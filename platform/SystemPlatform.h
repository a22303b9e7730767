#pragma once

#include "PlatformServices.h"

#include <memory>

namespace orbalux {

/** The registry, file lookup and program starter of the platform the game runs on. */
class SystemPlatform {
public:
    SystemPlatform();
    ~SystemPlatform();
    SystemPlatform(const SystemPlatform&) = delete;
    SystemPlatform& operator=(const SystemPlatform&) = delete;

    /** The services, valid while this object lives. */
    PlatformServices services() const;

private:
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<FileLookup> m_files;
    std::unique_ptr<ProgramStarter> m_programs;
};

} // namespace orbalux
