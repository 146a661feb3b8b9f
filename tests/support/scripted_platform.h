#pragma once

#include "quiz/ports.h"
#include "sysinfo/sysinfo_platform.h"
#include "tests/support/recording_ports.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zelvarin::testing {

// A registry that holds whatever a test puts in it, below any root, and answers like the
// Windows one; it records every call the launcher makes.
class ScriptedPlatform final : public SysInfoPlatform
{
public:
    struct Value
    {
        std::uint32_t type = kRegSz;
        std::string data;
        // A size the registry claims instead of the data's own, to play a broken platform.
        std::optional<std::uint32_t> claimedSize;
    };
    struct Key
    {
        RegStatus openStatus = kErrorSuccess;
        std::map<std::string, Value> values;
    };
    struct OpenCall
    {
        RegKey root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
        bool opened;
        RegKey key;
    };
    struct QueryCall
    {
        RegKey key;
        std::string valueName;
        std::uint32_t bufferSize;
        bool bufferAllNul;
    };
    struct StartCall
    {
        std::string path;
        int showCommand;
    };

    Key &key(const std::string &name, RegKey root = kHKeyLocalMachine)
    {
        return m_keys[{static_cast<std::intptr_t>(root), name}];
    }
    void setValue(const std::string &keyName, const std::string &valueName, std::uint32_t type,
                  std::string data)
    {
        key(keyName).values[valueName] = Value{type, std::move(data), std::nullopt};
    }

    std::set<std::string> plainFiles;
    std::set<std::string> startablePrograms;
    bool fileTestThrows = false;
    std::string systemFolderPath;

    std::vector<OpenCall> opens;
    std::vector<QueryCall> queries;
    std::vector<RegKey> closes;
    std::vector<std::string> fileTests;
    std::vector<StartCall> starts;

    std::vector<std::string> openedKeyNames() const
    {
        std::vector<std::string> names;
        for (const OpenCall &call : opens) {
            names.push_back(call.subKey);
        }
        return names;
    }
    std::vector<std::string> startedPaths() const
    {
        std::vector<std::string> paths;
        for (const StartCall &call : starts) {
            paths.push_back(call.path);
        }
        return paths;
    }
    // Every key handed out was closed exactly once, and nothing else was closed.
    bool everyOpenedKeyClosedOnce() const
    {
        std::vector<RegKey> handedOut;
        for (const OpenCall &call : opens) {
            if (call.opened) {
                handedOut.push_back(call.key);
            }
        }
        std::vector<RegKey> closed = closes;
        std::sort(handedOut.begin(), handedOut.end());
        std::sort(closed.begin(), closed.end());
        return handedOut == closed;
    }

    RegStatus regOpenKeyEx(RegKey root, const std::string &subKey, std::uint32_t options,
                           std::uint32_t access, RegKey &result) override
    {
        OpenCall call{root, subKey, options, access, false, RegKey{}};
        const auto found = m_keys.find({static_cast<std::intptr_t>(root), subKey});
        RegStatus status = kErrorFileNotFound;
        if (found != m_keys.end()) {
            status = found->second.openStatus;
        }
        if (status == kErrorSuccess) {
            // Each opening hands out a new handle, as the system does.
            call.key = static_cast<RegKey>(m_nextHandle);
            m_nextHandle += 4;
            call.opened = true;
            m_openKeys[call.key] = &found->second;
            result = call.key;
        }
        opens.push_back(call);
        return status;
    }

    RegStatus regQueryValueEx(RegKey key, const std::string &valueName, std::uint32_t &type,
                              std::uint8_t *data, std::uint32_t &dataSize) override
    {
        const bool allNul =
            data == nullptr || std::all_of(data, data + dataSize, [](auto b) { return b == 0; });
        queries.push_back({key, valueName, dataSize, allNul});
        const auto open = m_openKeys.find(key);
        if (open == m_openKeys.end()) {
            return kErrorInvalidHandle;
        }
        const auto value = open->second->values.find(valueName);
        if (value == open->second->values.end()) {
            return kErrorFileNotFound;
        }
        const std::string &stored = value->second.data;
        const std::uint32_t bufferSize = dataSize;
        type = value->second.type;
        dataSize = value->second.claimedSize.value_or(static_cast<std::uint32_t>(stored.size()));
        if (data != nullptr && bufferSize < stored.size()) {
            return kErrorMoreData;
        }
        if (data != nullptr) {
            std::copy(stored.begin(), stored.end(), data);
        }
        return kErrorSuccess;
    }

    RegStatus regCloseKey(RegKey key) override
    {
        closes.push_back(key);
        return m_openKeys.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
    }

    bool isPlainFile(const std::string &path) override
    {
        fileTests.push_back(path);
        if (fileTestThrows) {
            throw std::runtime_error("file test failed");
        }
        return plainFiles.count(path) == 1;
    }

    bool startProgram(const std::string &path, int showCommand) override
    {
        starts.push_back({path, showCommand});
        return startablePrograms.count(path) == 1;
    }

    std::string systemFolder() override { return systemFolderPath; }

private:
    std::map<std::pair<std::intptr_t, std::string>, Key> m_keys;
    std::map<RegKey, Key *> m_openKeys;
    std::intptr_t m_nextHandle = 0x40;
};

} // namespace zelvarin::testing
