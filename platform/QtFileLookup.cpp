#include "QtFileLookup.h"

#include <QFileInfo>
#include <QString>

namespace orbalux {

bool QtFileLookup::isFile(const std::string& path) const
{
    return QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

} // namespace orbalux
