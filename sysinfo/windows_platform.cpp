#include "sysinfo/windows_platform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <windows.h>

namespace zelvarin {
namespace {

using RegOpenKeyExAFn = LONG(WINAPI *)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
using RegQueryValueExAFn = LONG(WINAPI *)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
using RegCloseKeyFn = LONG(WINAPI *)(HKEY);

HKEY toHkey(RegKey key)
{
    // A key handle is a number the system hands out (or a fixed root key), not an address.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(key));
}

RegKey fromHkey(HKEY key)
{
    return static_cast<RegKey>(reinterpret_cast<std::intptr_t>(key));
}

// GetProcAddress gives a FARPROC; the detour through void (*)() is the one function pointer
// cast GCC accepts without -Wcast-function-type.
template<typename Fn> Fn lookUp(HMODULE library, const char *name)
{
    const FARPROC proc = GetProcAddress(library, name);
    if (proc == nullptr) {
        throw SysInfoError(std::string("advapi32 lacks ") + name);
    }
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

} // namespace

struct WindowsSysInfoPlatform::Registry
{
    explicit Registry(HMODULE lib)
        : library(lib)
    {}
    ~Registry() { FreeLibrary(library); }
    Registry(const Registry &) = delete;
    Registry &operator=(const Registry &) = delete;
    Registry(Registry &&) = delete;
    Registry &operator=(Registry &&) = delete;

    HMODULE library;
    RegOpenKeyExAFn openKey = nullptr;
    RegQueryValueExAFn queryValue = nullptr;
    RegCloseKeyFn closeKey = nullptr;
};

WindowsSysInfoPlatform::WindowsSysInfoPlatform() = default;
WindowsSysInfoPlatform::~WindowsSysInfoPlatform() = default;

const WindowsSysInfoPlatform::Registry &WindowsSysInfoPlatform::registry()
{
    if (!m_registry) {
        // A library or function that cannot be found is a raised error of the launch, as a
        // missing system library is when the call is first made.
        const HMODULE library = LoadLibraryA("advapi32.dll");
        if (library == nullptr) {
            throw SysInfoError("advapi32.dll cannot be loaded");
        }
        auto bound = std::make_unique<Registry>(library);
        bound->openKey = lookUp<RegOpenKeyExAFn>(library, "RegOpenKeyExA");
        bound->queryValue = lookUp<RegQueryValueExAFn>(library, "RegQueryValueExA");
        bound->closeKey = lookUp<RegCloseKeyFn>(library, "RegCloseKey");
        m_registry = std::move(bound);
    }
    return *m_registry;
}

RegStatus WindowsSysInfoPlatform::regOpenKeyEx(RegKey root, const std::string &subKey,
                                               std::uint32_t options, std::uint32_t access,
                                               RegKey &result)
{
    HKEY opened = nullptr;
    const LONG status = registry().openKey(toHkey(root), subKey.c_str(), options, access, &opened);
    if (status == ERROR_SUCCESS) {
        result = fromHkey(opened);
    }
    return status;
}

RegStatus WindowsSysInfoPlatform::regQueryValueEx(RegKey key, const std::string &valueName,
                                                  std::uint32_t &type, std::uint8_t *data,
                                                  std::uint32_t &dataSize)
{
    DWORD valueType = 0;
    DWORD size = dataSize;
    const LONG status =
        registry().queryValue(toHkey(key), valueName.c_str(), nullptr, &valueType, data, &size);
    type = valueType;
    dataSize = size;
    return status;
}

RegStatus WindowsSysInfoPlatform::regCloseKey(RegKey key)
{
    // Only a bound registry can have handed out a key.
    if (!m_registry) {
        return ERROR_INVALID_HANDLE;
    }
    return m_registry->closeKey(toHkey(key));
}

bool WindowsSysInfoPlatform::isPlainFile(const std::string &path)
{
    // A path with a NUL inside names no file; the system would see only the part before it.
    if (path.find('\0') != std::string::npos) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    return (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

bool WindowsSysInfoPlatform::startProgram(const std::string &path, int showCommand)
{
    if (path.find('\0') != std::string::npos) {
        return false;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    // The program is named on its own, so the system neither searches for it nor splits a
    // path with blanks into a program and arguments. The command line only gives the tool
    // its own name as argument 0, in quotes so its blanks stay inside it. CreateProcessA may
    // write into the command line, hence the copy.
    std::string commandLine = "\"" + path + "\"";
    if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process) == FALSE) {
        return false;
    }
    // The tool runs on its own; nothing waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::string WindowsSysInfoPlatform::systemFolder()
{
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        // Too small: the length is then the size needed, its NUL included.
        folder.resize(length);
        length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    }
    if (length == 0 || length >= folder.size()) {
        return {};
    }
    folder.resize(length);
    // The file test and the start take the narrow code page, as the registry values do. A
    // folder that code page cannot spell is no folder for them; best-fit letters would name
    // another one.
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder.data(),
                                         static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    BOOL lossy = FALSE;
    if (size == 0 ||
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder.data(), static_cast<int>(length),
                            narrow.data(), size, nullptr, &lossy) != size ||
        lossy != FALSE) {
        return {};
    }
    return narrow;
}

} // namespace zelvarin
