#pragma once

#include "platform/FileLookup.h"

namespace orbalux {

/** Files looked up through the Win32 file attributes; built on Windows only. */
class WindowsFileLookup : public FileLookup {
public:
    bool isFile(const std::string& path) const override;
};

} // namespace orbalux
