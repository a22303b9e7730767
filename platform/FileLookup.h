#pragma once

#include <string>

namespace orbalux {

/** Asks the file system whether a file is there. Does not throw. */
class FileLookup {
public:
    virtual ~FileLookup() = default;

    /** True when path names an ordinary file (not a folder or a device). */
    virtual bool isFile(const std::string& path) const = 0;
};

} // namespace orbalux
