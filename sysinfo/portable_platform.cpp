#include "sysinfo/portable_platform.h"

#include "sysinfo/sysinfo_launcher.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace zelvarin {
namespace {

// The one value the launcher looks at first, compared exactly, as given: this registry
// knows no other spelling.
constexpr std::string_view kToolKey = SysInfoLauncher::kToolKey;
constexpr std::string_view kToolValue = SysInfoLauncher::kToolValue;

// Paths are the bytes the system gives and takes, whatever their encoding: a folder whose
// name is not UTF-8 works like any other. Nothing here goes through a text type.

bool isUsablePath(const std::string &path)
{
    // A NUL inside a path would cut it short for the system: such a path names no file.
    return !path.empty() && path.find('\0') == std::string::npos;
}

bool isRegularFile(const std::string &path)
{
    struct stat info
    {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Waits for a child, through signals that interrupt the wait.
void reap(pid_t child)
{
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

std::string PortableSysInfoPlatform::findTool()
{
    const char *pathVariable = std::getenv("PATH");
    if (pathVariable == nullptr)
        return {};
    const std::string_view path(pathVariable);
    for (const char *tool : kTools) {
        for (std::size_t start = 0; start <= path.size();) {
            const std::size_t end = std::min(path.find(':', start), path.size());
            const std::string_view folder = path.substr(start, end - start);
            start = end + 1;
            // An empty or relative entry leads to the current folder or below it, where
            // anybody may have planted a program of that name: skipped, as Go's
            // exec.LookPath does for the same reason.
            if (folder.empty() || folder.front() != '/')
                continue;
            std::string candidate(folder);
            candidate += '/';
            candidate += tool;
            // Skips what is not an executable plain file, folders with a tool's name included.
            if (isRegularFile(candidate) && ::access(candidate.c_str(), X_OK) == 0)
                return candidate;
        }
    }
    return {};
}

RegStatus PortableSysInfoPlatform::regOpenKeyEx(RegKey root, const std::string &subKey,
                                                std::uint32_t /*options*/, std::uint32_t access,
                                                RegKey &result)
{
    if (root != kHKeyLocalMachine || subKey != kToolKey) {
        return kErrorFileNotFound;
    }
    // The tool is looked for at every opening, so one installed meanwhile is found.
    std::string tool = findTool();
    if (tool.empty()) {
        return kErrorFileNotFound;
    }
    if ((access & ~kKeyRead) != 0) {
        return kErrorAccessDenied;
    }
    const std::intptr_t key = m_nextKey;
    m_nextKey += 4;
    m_openKeys.emplace(key, std::move(tool));
    result = static_cast<RegKey>(key);
    return kErrorSuccess;
}

RegStatus PortableSysInfoPlatform::regQueryValueEx(RegKey key, const std::string &valueName,
                                                   std::uint32_t &type, std::uint8_t *data,
                                                   std::uint32_t &dataSize)
{
    const auto open = m_openKeys.find(static_cast<std::intptr_t>(key));
    if (open == m_openKeys.end()) {
        return kErrorInvalidHandle;
    }
    if (valueName != kToolValue) {
        return kErrorFileNotFound;
    }
    const std::string &tool = open->second;
    // Stored as a string with its closing NUL.
    const auto size = static_cast<std::uint32_t>(tool.size() + 1);
    const std::uint32_t bufferSize = dataSize;
    type = kRegSz;
    dataSize = size;
    if (data == nullptr) {
        return kErrorSuccess;
    }
    if (bufferSize < size) {
        return kErrorMoreData;
    }
    std::copy(tool.begin(), tool.end(), data);
    data[tool.size()] = 0;
    return kErrorSuccess;
}

RegStatus PortableSysInfoPlatform::regCloseKey(RegKey key)
{
    return m_openKeys.erase(static_cast<std::intptr_t>(key)) == 1 ? kErrorSuccess
                                                                  : kErrorInvalidHandle;
}

bool PortableSysInfoPlatform::isPlainFile(const std::string &path)
{
    if (!isUsablePath(path))
        return false;
    // Hidden, here, is a name that starts with a dot.
    const std::size_t slash = path.rfind('/');
    if (path[slash == std::string::npos ? 0 : slash + 1] == '.')
        return false;
    return isRegularFile(path);
}

bool PortableSysInfoPlatform::startProgram(const std::string &path, int /*showCommand*/)
{
    if (!isUsablePath(path))
        return false;
    // Written by hand because QProcess takes the path as text and cannot carry bytes that
    // are not UTF-8. The tool is started detached: a child starts it and ends at once, so it
    // never waits as a zombie of this program. A relative path is taken from the current
    // folder, as on Windows, and never looked for on the PATH. A pipe that closes when the
    // program starts carries the error back when it cannot.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    char *const argv[] = {const_cast<char *>(path.c_str()), nullptr};
    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls between fork and exec: the program has threads.
        ::close(report[0]);
        const pid_t tool = ::fork();
        if (tool == 0)
            ::execve(path.c_str(), argv, environ);
        if (tool <= 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    if (child < 0) {
        ::close(report[0]);
        return false;
    }
    reap(child);
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == 0;
}

} // namespace zelvarin
