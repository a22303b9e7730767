#pragma once

#include <QString>

namespace orbalux {

/** The program's name: the main window's title, the message boxes' caption, and part of the others'. */
inline QString programTitle()
{
    return QStringLiteral("Orbalux");
}

} // namespace orbalux
