#include "AppIcon.h"

namespace orbalux {

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/orbalux-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace orbalux
