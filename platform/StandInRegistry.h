#pragma once

#include "Registry.h"

#include <QStringList>

namespace orbalux {

/**
 * Stands in for the registry where there is none: it knows only where the system information
 * tool is, answering value "PATH" of key "SOFTWARE\Microsoft\Shared Tools\MSINFO" with the
 * full path of the first of programs found on the search path. Every other key is missing.
 */
class StandInRegistry : public Registry {
public:
    /** Desktop system information programs, looked for in this order. */
    static QStringList defaultPrograms();

    /** folders empty: the PATH of the environment. */
    explicit StandInRegistry(QStringList programs = defaultPrograms(), QStringList folders = {});

    long openKey(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey& key) override;
    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    void closeKey(RegistryKey key) override;

private:
    std::string findTool() const;

    QStringList m_programs;
    QStringList m_folders;
};

} // namespace orbalux
