#include "sysinfo/portable_platform.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <utility>

namespace zelvarin {
namespace {

// Compared exactly, as given: this registry knows no other spelling.
constexpr const char *kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr const char *kToolValue = "PATH";

// Paths travel as the narrow text of the launcher; Qt 6 on Unix takes the local 8-bit
// encoding to be UTF-8, so the bytes go through unchanged.
QString toQString(const std::string &path)
{
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace

std::string PortableSysInfoPlatform::findTool()
{
    for (const char *tool : kTools) {
        // Skips what is not an executable plain file, folders with a tool's name included.
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!found.isEmpty()) {
            return found.toLocal8Bit().toStdString();
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
    // A NUL inside a path would cut it short for the system: such a path names no file.
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    const QFileInfo info(toQString(path));
    return info.isFile() && !info.isHidden();
}

bool PortableSysInfoPlatform::startProgram(const std::string &path, int /*showCommand*/)
{
    if (path.empty() || path.find('\0') != std::string::npos) {
        return false;
    }
    // Made absolute so a bare name is taken from the current folder, as on Windows, and never
    // looked for on the PATH.
    return QProcess::startDetached(QFileInfo(toQString(path)).absoluteFilePath(), {});
}

} // namespace zelvarin
