#include "platform/QtProgramStarter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orbalux {

bool QtProgramStarter::start(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(QString::fromLocal8Bit(argument));
    return QProcess::startDetached(QString::fromLocal8Bit(program), list);
}

} // namespace orbalux
