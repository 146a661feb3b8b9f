#pragma once

#include "sysinfo/sysinfo_platform.h"

#include <memory>

namespace zelvarin {

// The platform of the machine the program runs on: the Windows registry, file test and
// program start on Windows, the stand-in of PortableSysInfoPlatform everywhere else.
std::unique_ptr<SysInfoPlatform> makeSystemPlatform();

} // namespace zelvarin
