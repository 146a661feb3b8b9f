// The custom actions of the Windows Installer package (zelvarin.wxs). The package carries this
// DLL in its Binary table; Windows Installer loads it while it runs and never installs it.
//
// Both actions speak Bulgarian and English in one message: wixl cannot write Cyrillic into the
// package's own tables, and the package has no language of its own to choose from.

// windows.h first: msi.h and msiquery.h build on its types.
// clang-format off
#include <windows.h>
#include <msi.h>
#include <msiquery.h>
// clang-format on

#include <string>
#include <vector>

namespace {

// A handle of Windows Installer, closed on every path.
class MsiHandle
{
public:
    MsiHandle() = default;
    explicit MsiHandle(MSIHANDLE handle)
        : handle_(handle)
    {}
    MsiHandle(const MsiHandle &) = delete;
    MsiHandle &operator=(const MsiHandle &) = delete;
    ~MsiHandle()
    {
        if (handle_ != 0)
            MsiCloseHandle(handle_);
    }
    MSIHANDLE get() const { return handle_; }
    MSIHANDLE *receive() { return &handle_; }

private:
    MSIHANDLE handle_ = 0;
};

constexpr wchar_t kProgramRunning[] =
    L"Zelvarin е отворен на този компютър. Затворете теста и опитайте отново.\n\n"
    L"Zelvarin is running on this computer. Close the quiz and try again.";

constexpr wchar_t kInstalledBySetup[] =
    L"Zelvarin вече е инсталиран с инсталационната си програма (setup.exe). Премахнете го от "
    L"„Настройки“ → „Приложения“, преди да инсталирате този пакет. Нищо не е променено.\n\n"
    L"Zelvarin is already installed by its setup program (setup.exe). Remove it in Settings > "
    L"Apps before installing this package. Nothing was changed.";

// Shows text as an error (a box with the given buttons when the installation has a user
// interface, a line of the log in any case) and gives the button pressed, or 0 without one.
int reportError(MSIHANDLE install, const wchar_t *text, UINT buttons)
{
    const MsiHandle record(MsiCreateRecord(0));
    // Field 0 is a template: a text without brackets comes out as it is.
    MsiRecordSetStringW(record.get(), 0, text);
    return MsiProcessMessage(install, static_cast<INSTALLMESSAGE>(INSTALLMESSAGE_ERROR | buttons),
                             record.get());
}

std::wstring targetFolder(MSIHANDLE install, const wchar_t *directory)
{
    DWORD length = 0;
    wchar_t none[1] = {};
    if (MsiGetTargetPathW(install, directory, none, &length) != ERROR_MORE_DATA)
        return {};
    std::wstring path(length + 1, L'\0');
    length = static_cast<DWORD>(path.size());
    if (MsiGetTargetPathW(install, directory, path.data(), &length) != ERROR_SUCCESS)
        return {};
    path.resize(length);
    return path;
}

// The program's component as this package declares it; every version of the package keeps
// the same component code, so Windows Installer knows where an installed version put it.
std::wstring programComponentCode(MSIHANDLE install)
{
    const MsiHandle database(MsiGetActiveDatabase(install));
    MsiHandle view;
    if (MsiDatabaseOpenViewW(database.get(),
                             L"SELECT `Component`.`ComponentId` FROM `Component`, `File` WHERE "
                             L"`File`.`Component_` = `Component`.`Component` AND "
                             L"`File`.`File` = 'zelvarin.exe'",
                             view.receive()) != ERROR_SUCCESS ||
        MsiViewExecute(view.get(), 0) != ERROR_SUCCESS)
        return {};
    MsiHandle record;
    if (MsiViewFetch(view.get(), record.receive()) != ERROR_SUCCESS)
        return {};
    wchar_t code[40] = {};
    DWORD length = 40;
    if (MsiRecordGetStringW(record.get(), 1, code, &length) != ERROR_SUCCESS)
        return {};
    return code;
}

std::wstring installedProgram(const std::wstring &componentCode)
{
    if (componentCode.empty())
        return {};
    wchar_t path[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH + 1;
    const INSTALLSTATE state = MsiLocateComponentW(componentCode.c_str(), path, &length);
    return state == INSTALLSTATE_LOCAL ? std::wstring(path) : std::wstring();
}

// A running program's file is mapped as its image, and Windows lets nobody open it for
// writing then; opening it changes nothing, not even its time.
bool inUse(const std::wstring &path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_USER_MAPPED_FILE;
}

// The entry that zelvarin.nsi writes, in the 64-bit view, where a 64-bit setup writes it. The
// package looks for it here rather than with a RegistrySearch, which Wine reads in the 32-bit
// view whatever the package says.
bool setupInstalled()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE,
                      L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelvarin", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExW(key, L"UninstallString", nullptr, nullptr, nullptr,
                                        nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

} // namespace

// Before anything is changed: zelvarin.exe, where this package puts it and where an installed
// version keeps it, must not be running, as it could be neither replaced nor removed. Without a
// user interface (msiexec /qn) the package ends at once with 1603 and the installation stays as
// it was; with one, the pupil's quiz can be closed and the check repeated.
extern "C" __declspec(dllexport) UINT __stdcall CheckProgramClosed(MSIHANDLE install)
{
    std::vector<std::wstring> programs{targetFolder(install, L"INSTALLDIR") + L"zelvarin.exe",
                                       installedProgram(programComponentCode(install))};
    for (;;) {
        bool running = false;
        for (const std::wstring &program : programs)
            running = running || (!program.empty() && inUse(program));
        if (!running)
            return ERROR_SUCCESS;
        const int answer = reportError(install, kProgramRunning, MB_RETRYCANCEL | MB_ICONWARNING);
        if (answer == IDRETRY)
            continue;
        return answer == IDCANCEL ? ERROR_INSTALL_USEREXIT : ERROR_INSTALL_FAILURE;
    }
}

// Where the setup has installed Zelvarin, the package refuses and changes nothing, so that one
// Zelvarin is installed and one tool owns it. Not run on removal (the condition in the package).
extern "C" __declspec(dllexport) UINT __stdcall RefuseBesideSetup(MSIHANDLE install)
{
    if (!setupInstalled())
        return ERROR_SUCCESS;
    reportError(install, kInstalledBySetup, MB_OK | MB_ICONERROR);
    return ERROR_INSTALL_FAILURE;
}
