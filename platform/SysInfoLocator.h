#pragma once

#include <optional>
#include <string>

namespace orbalux {

/** Finds the desktop's system information tool. */
class SysInfoLocator {
public:
    virtual ~SysInfoLocator() = default;

    /** The path to start the tool by, or nothing when there is none. Does not throw. */
    virtual std::optional<std::string> locate() const = 0;
};

} // namespace orbalux
