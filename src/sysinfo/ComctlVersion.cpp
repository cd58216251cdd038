#include "sysinfo/ComctlVersion.h"

bool VersionAtLeast(std::uint32_t fileVersionMS, std::uint8_t major, std::uint8_t minor) {
    const std::uint32_t M = fileVersionMS >> 16;
    const std::uint32_t m = fileVersionMS & 0xFFFF;
    return M > major || (M >= major && m >= minor);
}
