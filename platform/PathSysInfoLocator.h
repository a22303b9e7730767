#pragma once

#include "platform/SysInfoLocator.h"

namespace orbalux {

/** The first of the desktops' system information programs found on the search path. */
class PathSysInfoLocator : public SysInfoLocator {
public:
    std::optional<std::string> locate() const override;
};

} // namespace orbalux
