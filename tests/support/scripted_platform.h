#pragma once

#include "sysinfo/sysinfo_platform.h"
#include "tests/support/port_doubles.h"

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

// Records every call the launcher makes to its platform; the answers come from the platform
// below, which a class derived from this one supplies (a scripted registry, or in the
// Windows test the real one).
class RecordingPlatform : public SysInfoPlatform
{
public:
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
    struct CloseCall
    {
        RegKey key;
        RegStatus status;
    };
    struct StartCall
    {
        std::string path;
        int showCommand;
    };

    std::vector<OpenCall> opens;
    std::vector<QueryCall> queries;
    std::vector<CloseCall> closes;
    std::vector<std::string> fileTests;
    std::vector<StartCall> starts;

    std::vector<std::string> openedKeyNames() const
    {
        std::vector<std::string> names;
        for (const OpenCall &call : opens)
            names.push_back(call.subKey);
        return names;
    }
    std::vector<std::string> startedPaths() const
    {
        std::vector<std::string> paths;
        for (const StartCall &call : starts)
            paths.push_back(call.path);
        return paths;
    }
    // The rules every use of the registry keeps, whatever comes of it: keys opened below
    // HKEY_LOCAL_MACHINE with options 0 for reading, values read into 1024 bytes all NUL,
    // every key closed once. The first rule broken, or nothing.
    std::string brokenRegistryRule() const
    {
        for (const OpenCall &o : opens) {
            if (o.root != kHKeyLocalMachine || o.options != 0 || o.access != kKeyRead)
                return o.subKey + " opened otherwise than below HKEY_LOCAL_MACHINE for reading";
        }
        for (const QueryCall &q : queries) {
            if (q.bufferSize != 1024 || !q.bufferAllNul)
                return q.valueName + " read otherwise than into 1024 bytes all NUL";
        }
        // Every key handed out closed exactly once, every close taken, nothing else closed.
        std::vector<RegKey> handedOut;
        for (const OpenCall &call : opens) {
            if (call.opened)
                handedOut.push_back(call.key);
        }
        std::vector<RegKey> closed;
        for (const CloseCall &call : closes) {
            if (call.status != kErrorSuccess)
                return "a close refused";
            closed.push_back(call.key);
        }
        std::sort(handedOut.begin(), handedOut.end());
        std::sort(closed.begin(), closed.end());
        return handedOut == closed ? "" : "a key left open or closed twice";
    }
    void forgetCalls()
    {
        opens.clear();
        queries.clear();
        closes.clear();
        fileTests.clear();
        starts.clear();
    }

    RegStatus regOpenKeyEx(RegKey root, const std::string &subKey, std::uint32_t options,
                           std::uint32_t access, RegKey &result) final
    {
        const RegStatus status = openKey(root, subKey, options, access, result);
        const bool opened = status == kErrorSuccess;
        opens.push_back({root, subKey, options, access, opened, opened ? result : RegKey{}});
        return status;
    }
    RegStatus regQueryValueEx(RegKey key, const std::string &valueName, std::uint32_t &type,
                              std::uint8_t *data, std::uint32_t &dataSize) final
    {
        const bool allNul =
            data == nullptr || std::all_of(data, data + dataSize, [](auto b) { return b == 0; });
        queries.push_back({key, valueName, dataSize, allNul});
        return queryValue(key, valueName, type, data, dataSize);
    }
    RegStatus regCloseKey(RegKey key) final
    {
        const RegStatus status = closeKey(key);
        closes.push_back({key, status});
        return status;
    }
    bool isPlainFile(const std::string &path) final
    {
        fileTests.push_back(path);
        return testFile(path);
    }
    bool startProgram(const std::string &path, int showCommand) final
    {
        starts.push_back({path, showCommand});
        return start(path, showCommand);
    }

protected:
    virtual RegStatus openKey(RegKey root, const std::string &subKey, std::uint32_t options,
                              std::uint32_t access, RegKey &result) = 0;
    virtual RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                                 std::uint8_t *data, std::uint32_t &dataSize) = 0;
    virtual RegStatus closeKey(RegKey key) = 0;
    virtual bool testFile(const std::string &path) = 0;
    virtual bool start(const std::string &path, int showCommand) = 0;
};

// A registry that holds whatever a test puts in it, below any root, and answers like the
// Windows one; it records every call the launcher makes.
class ScriptedPlatform final : public RecordingPlatform
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

    Key &key(std::string_view name, RegKey root = kHKeyLocalMachine)
    {
        return m_keys[{static_cast<std::intptr_t>(root), std::string(name)}];
    }
    void setValue(std::string_view keyName, std::string_view valueName, std::uint32_t type,
                  std::string data)
    {
        key(keyName).values[std::string(valueName)] = Value{type, std::move(data), std::nullopt};
    }

    std::set<std::string> plainFiles;
    std::set<std::string> startablePrograms;
    bool fileTestThrows = false;
    std::string systemFolderPath;

    std::string systemFolder() override { return systemFolderPath; }

protected:
    RegStatus openKey(RegKey root, const std::string &subKey, std::uint32_t /*options*/,
                      std::uint32_t /*access*/, RegKey &result) override
    {
        const auto found = m_keys.find({static_cast<std::intptr_t>(root), subKey});
        if (found == m_keys.end())
            return kErrorFileNotFound;
        if (found->second.openStatus != kErrorSuccess)
            return found->second.openStatus;
        // Each opening hands out a new handle, as the system does.
        result = static_cast<RegKey>(m_nextHandle);
        m_nextHandle += 4;
        m_openKeys[result] = &found->second;
        return kErrorSuccess;
    }

    RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                         std::uint8_t *data, std::uint32_t &dataSize) override
    {
        const auto open = m_openKeys.find(key);
        if (open == m_openKeys.end())
            return kErrorInvalidHandle;
        const auto value = open->second->values.find(valueName);
        if (value == open->second->values.end())
            return kErrorFileNotFound;
        const std::string &stored = value->second.data;
        const std::uint32_t bufferSize = dataSize;
        type = value->second.type;
        dataSize = value->second.claimedSize.value_or(static_cast<std::uint32_t>(stored.size()));
        if (data != nullptr && bufferSize < stored.size())
            return kErrorMoreData;
        if (data != nullptr)
            std::copy(stored.begin(), stored.end(), data);
        return kErrorSuccess;
    }

    RegStatus closeKey(RegKey key) override
    {
        return m_openKeys.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
    }

    bool testFile(const std::string &path) override
    {
        if (fileTestThrows)
            throw std::runtime_error("file test failed");
        return plainFiles.count(path) == 1;
    }

    bool start(const std::string &path, int /*showCommand*/) override
    {
        return startablePrograms.count(path) == 1;
    }

private:
    std::map<std::pair<std::intptr_t, std::string>, Key> m_keys;
    std::map<RegKey, Key *> m_openKeys;
    std::intptr_t m_nextHandle = 0x40;
};

} // namespace zelvarin::testing
