#pragma once

#include "FileLookup.h"

namespace orbalux {

/** Files looked up through Qt, for the platforms without Win32. */
class QtFileLookup : public FileLookup {
public:
    bool isFile(const std::string& path) const override;
};

} // namespace orbalux
