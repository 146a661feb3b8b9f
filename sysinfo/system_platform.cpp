#include "sysinfo/system_platform.h"

#ifdef _WIN32
#include "sysinfo/windows_platform.h"
#else
#include "sysinfo/portable_platform.h"
#endif

namespace zelvarin {

// The one place where the platform is chosen.
std::unique_ptr<SysInfoPlatform> makeSystemPlatform()
{
#ifdef _WIN32
    return std::make_unique<WindowsSysInfoPlatform>();
#else
    return std::make_unique<PortableSysInfoPlatform>();
#endif
}

} // namespace zelvarin
