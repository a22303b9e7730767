#include "common/AppIcon.h"

namespace orbalux {

QIcon appIcon(int largest)
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        // Each file is decoded as it is added, so a window icon skips the large ones.
        if (size > largest)
            break;
        icon.addFile(QStringLiteral(":/icons/orbalux-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace orbalux
