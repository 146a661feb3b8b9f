#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdint>

// Pieces the random-event test and the soak test share.
namespace zelvarin::stress {

// A count from the test's environment, or the default when it is unset or not a number.
inline std::uint64_t envCount(const char *name, std::uint64_t fallback)
{
    bool ok = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok, 0);
    return ok ? value : fallback;
}

} // namespace zelvarin::stress
