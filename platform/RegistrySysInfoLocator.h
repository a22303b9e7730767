#pragma once

#include "platform/FileLookup.h"
#include "platform/Registry.h"
#include "platform/SysInfoLocator.h"

namespace orbalux {

/**
 * The tool the registry names: the path under "Shared Tools\MSINFO", else "MSINFO32.EXE" in the
 * folder under "Shared Tools Location" when that file is there.
 */
class RegistrySysInfoLocator : public SysInfoLocator {
public:
    /** registry and files must outlive this locator. */
    RegistrySysInfoLocator(Registry& registry, const FileLookup& files);

    std::optional<std::string> locate() const override;

private:
    Registry& m_registry;
    const FileLookup& m_files;
};

} // namespace orbalux
