#pragma once

#include "platform/FileLookup.h"
#include "platform/PlatformServices.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "platform/SysInfoLocator.h"

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orbalux::testing {

/** One stored registry value: its type and its bytes exactly as stored. */
struct FakeValue {
    std::uint32_t type = kRegString;
    std::string bytes;
};

/** A registry of keys under the local machine root; records every open, close and access asked. */
class FakeRegistry : public Registry {
public:
    /** Stores text with its terminating zero, as the registry keeps strings. */
    void setString(const std::string& key, const std::string& name, const std::string& text)
    {
        keys[key][name] = {kRegString, text + '\0'};
    }

    long openKey(RegistryKey root, const std::string& path, std::uint32_t access, RegistryKey& key) override
    {
        accessAsked.push_back(access);
        if (root != kLocalMachine || !keys.contains(path))
            return kRegNotFound;
        key = static_cast<RegistryKey>(1000 + m_opened.size());
        m_opened.emplace_back(key, path);
        return kRegSuccess;
    }

    long queryValue(RegistryKey key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override
    {
        const auto values = keys.find(pathOf(key));
        if (values == keys.end() || !values->second.contains(name))
            return kRegNotFound;
        const FakeValue& value = values->second.at(name);
        const std::uint32_t room = size;
        size = static_cast<std::uint32_t>(value.bytes.size());
        if (size > room)
            return kRegMoreData;
        std::copy(value.bytes.begin(), value.bytes.end(), data);
        type = value.type;
        return kRegSuccess;
    }

    void closeKey(RegistryKey key) override { closed.push_back(key); }

    /** Every key that was opened has been closed exactly once. */
    bool allClosed() const
    {
        std::multiset<RegistryKey> opened;
        for (const auto& entry : m_opened)
            opened.insert(entry.first);
        return opened == std::multiset<RegistryKey>(closed.begin(), closed.end());
    }

    int openCount() const { return static_cast<int>(m_opened.size()); }

    std::map<std::string, std::map<std::string, FakeValue>> keys;
    std::vector<std::uint32_t> accessAsked;
    std::vector<RegistryKey> closed;

private:
    std::string pathOf(RegistryKey key) const
    {
        for (const auto& [handle, path] : m_opened) {
            if (handle == key)
                return path;
        }
        return {};
    }

    std::vector<std::pair<RegistryKey, std::string>> m_opened;
};

/** A file system holding exactly the files listed. */
class FakeFiles : public FileLookup {
public:
    bool isFile(const std::string& path) const override
    {
        asked.push_back(path);
        return files.contains(path);
    }

    std::set<std::string> files;
    mutable std::vector<std::string> asked;
};

/** Starts only the programs listed as installed, and records every start that succeeded. */
class FakePrograms : public ProgramStarter {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };

    bool start(const std::string& program, const std::vector<std::string>& arguments) override
    {
        ++attempts;
        if (throwOnStart)
            throw std::runtime_error("cannot start");
        if (!installed.contains(program))
            return false;
        started.push_back({program, arguments});
        return true;
    }

    /** Keeps what it is told to call should the program fail later; failLater() calls it. */
    bool startWatched(const std::string& program, const std::vector<std::string>& arguments,
                      std::function<void()> onLaterFailure) override
    {
        const bool ok = start(program, arguments);
        if (ok)
            m_onLaterFailure.push_back(std::move(onLaterFailure));
        return ok;
    }

    /** The started program that was watched as number index ends in failure. */
    void failLater(std::size_t index) { m_onLaterFailure.at(index)(); }

    /** Opens documents only when told that a program is associated with them. */
    bool openDocument(const std::string& document) override
    {
        if (!hasAssociation)
            return false;
        opened.push_back(document);
        return true;
    }

    std::set<std::string> installed;
    std::vector<Start> started;
    bool hasAssociation = false;
    std::vector<std::string> opened;
    int attempts = 0;
    bool throwOnStart = false;

private:
    std::vector<std::function<void()>> m_onLaterFailure;
};

/** Finds whatever the test says is there, and counts the look-ups. */
class FakeSysInfoLocator : public SysInfoLocator {
public:
    std::optional<std::string> locate() const override
    {
        ++lookups;
        return found;
    }

    std::optional<std::string> found;
    mutable int lookups = 0;
};

/** A fake locator and starter, handed out as the platform's services. */
struct FakePlatform {
    FakeSysInfoLocator sysInfo;
    FakePrograms programs;

    PlatformServices services() { return {sysInfo, programs}; }
};

} // namespace orbalux::testing
