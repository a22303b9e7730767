#include "platform/SystemPlatform.h"

#ifdef _WIN32
#include "platform/RegistrySysInfoLocator.h"
#include "platform/WindowsFileLookup.h"
#include "platform/WindowsProgramStarter.h"
#include "platform/WindowsRegistry.h"
#else
#include "platform/PathSysInfoLocator.h"
#include "platform/QtProgramStarter.h"
#endif

namespace orbalux {

#ifdef _WIN32
SystemPlatform::SystemPlatform()
    : m_registry(std::make_unique<WindowsRegistry>())
    , m_files(std::make_unique<WindowsFileLookup>())
    , m_sysInfo(std::make_unique<RegistrySysInfoLocator>(*m_registry, *m_files))
    , m_programs(std::make_unique<WindowsProgramStarter>())
{
}
#else
SystemPlatform::SystemPlatform()
    : m_sysInfo(std::make_unique<PathSysInfoLocator>())
    , m_programs(std::make_unique<QtProgramStarter>())
{
}
#endif

SystemPlatform::~SystemPlatform() = default;

PlatformServices SystemPlatform::services() const
{
    return {*m_sysInfo, *m_programs};
}

} // namespace orbalux
