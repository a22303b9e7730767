#include "StandInRegistry.h"

#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <utility>

namespace orbalux {

namespace {

const QString kToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kToolValue = QStringLiteral("PATH");
constexpr RegistryKey kToolKeyHandle = 1;

// Key and value names are not case-sensitive in the registry this stands in for.
bool sameName(const std::string& name, const QString& expected)
{
    return QString::fromLocal8Bit(name).compare(expected, Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList StandInRegistry::defaultPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")};
}

StandInRegistry::StandInRegistry(QStringList programs, QStringList folders)
    : m_programs(std::move(programs))
    , m_folders(std::move(folders))
{
}

long StandInRegistry::openKey(RegistryKey root, const std::string& path, std::uint32_t, RegistryKey& key)
{
    if (root != kLocalMachine || !sameName(path, kToolKey))
        return kRegNotFound;
    key = kToolKeyHandle;
    return kRegSuccess;
}

long StandInRegistry::queryValue(RegistryKey key, const std::string& name, std::uint32_t& type,
                                 unsigned char* data, std::uint32_t& size)
{
    if (key != kToolKeyHandle || !sameName(name, kToolValue))
        return kRegNotFound;
    const std::string tool = findTool();
    if (tool.empty())
        return kRegNotFound;
    // Stored as the registry stores a string: with its terminating zero.
    const auto needed = static_cast<std::uint32_t>(tool.size() + 1);
    const std::uint32_t room = size;
    size = needed;
    if (needed > room)
        return kRegMoreData;
    std::copy_n(tool.c_str(), needed, data);
    type = kRegString;
    return kRegSuccess;
}

void StandInRegistry::closeKey(RegistryKey)
{
}

std::string StandInRegistry::findTool() const
{
    for (const QString& program : m_programs) {
        const QString path = QStandardPaths::findExecutable(program, m_folders);
        if (!path.isEmpty())
            return path.toLocal8Bit().toStdString();
    }
    return {};
}

} // namespace orbalux
