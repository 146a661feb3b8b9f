// A stand-in for the system-information tool: it writes the command line it was given into
// ran.txt beside its own program file, so a test can see that it ran and how it was started.
#include <array>
#include <cstdio>
#include <string>
#include <windows.h>

int main()
{
    std::array<char, MAX_PATH> self{};
    const DWORD length = GetModuleFileNameA(nullptr, self.data(), static_cast<DWORD>(self.size()));
    if (length == 0 || length >= self.size()) {
        return 1;
    }
    std::string folder(self.data(), length);
    folder.erase(folder.find_last_of('\\') + 1);
    // Written under another name first, so the test never reads a half-written file.
    const std::string part = folder + "ran.part";
    const std::string done = folder + "ran.txt";
    std::FILE *out = std::fopen(part.c_str(), "wb");
    if (out == nullptr) {
        return 1;
    }
    std::fputs(GetCommandLineA(), out);
    std::fclose(out);
    return MoveFileA(part.c_str(), done.c_str()) != FALSE ? 0 : 1;
}
