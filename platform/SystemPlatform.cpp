#include "SystemPlatform.h"

#ifdef _WIN32
#include "WindowsFileLookup.h"
#include "WindowsProgramStarter.h"
#include "WindowsRegistry.h"
#else
#include "QtFileLookup.h"
#include "QtProgramStarter.h"
#include "StandInRegistry.h"
#endif

namespace orbalux {

#ifdef _WIN32
SystemPlatform::SystemPlatform()
    : m_registry(std::make_unique<WindowsRegistry>())
    , m_files(std::make_unique<WindowsFileLookup>())
    , m_programs(std::make_unique<WindowsProgramStarter>())
{
}
#else
SystemPlatform::SystemPlatform()
    : m_registry(std::make_unique<StandInRegistry>())
    , m_files(std::make_unique<QtFileLookup>())
    , m_programs(std::make_unique<QtProgramStarter>())
{
}
#endif

SystemPlatform::~SystemPlatform() = default;

PlatformServices SystemPlatform::services() const
{
    return {*m_registry, *m_files, *m_programs};
}

} // namespace orbalux
