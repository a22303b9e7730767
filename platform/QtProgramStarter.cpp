#include "platform/QtProgramStarter.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace orbalux {

namespace {

QStringList argumentList(const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(QString::fromLocal8Bit(argument));
    return list;
}

} // namespace

bool QtProgramStarter::start(const std::string& program, const std::vector<std::string>& arguments)
{
    return QProcess::startDetached(QString::fromLocal8Bit(program), argumentList(arguments));
}

// A QProcess kills its program when it is deleted, so this one has no parent and deletes itself
// only once the program has ended: quitting the game leaves a viewer that is still open alone.
bool QtProgramStarter::startWatched(const std::string& program, const std::vector<std::string>& arguments,
                                    std::function<void()> onLaterFailure)
{
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(QString::fromLocal8Bit(program), argumentList(arguments));
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    ++*m_watching;
    QObject::connect(process, &QProcess::finished, process,
        [process, onLaterFailure = std::move(onLaterFailure), watching = m_watching](
            int exitCode, QProcess::ExitStatus status) {
            --*watching;
            process->deleteLater();
            if ((status != QProcess::NormalExit || exitCode != 0) && onLaterFailure)
                onLaterFailure();
        });
    return true;
}

int QtProgramStarter::watching() const
{
    return *m_watching;
}

} // namespace orbalux
