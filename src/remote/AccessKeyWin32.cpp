#include "remote/RemoteServer.h"

#include <array>
#include <cstdint>
#include <stdexcept>

#include <windows.h>
#include <bcrypt.h>

#include "remote/RemoteAccess.h"

std::string NewAccessKey() {
    std::array<std::uint8_t, 16> bytes{};
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, bytes.data(), static_cast<ULONG>(bytes.size()),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        throw std::runtime_error("no random bytes from the system");
    }
    return HexOf(bytes.data(), bytes.size());
}
