#include "platform/PathSysInfoLocator.h"

#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace orbalux {

std::optional<std::string> PathSysInfoLocator::locate() const
{
    // The maintained successor goes before the program it replaces.
    const QStringList programs = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                  QStringLiteral("kinfocenter")};
    for (const QString& program : programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path.toLocal8Bit().toStdString();
    }
    return std::nullopt;
}

} // namespace orbalux
