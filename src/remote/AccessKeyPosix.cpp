#include "remote/RemoteServer.h"

#include <array>
#include <cstdint>
#include <stdexcept>

#include <sys/random.h>

#include "remote/RemoteAccess.h"

std::string NewAccessKey() {
    std::array<std::uint8_t, 16> bytes{};
    if (getrandom(bytes.data(), bytes.size(), 0) != static_cast<ssize_t>(bytes.size())) {
        throw std::runtime_error("no random bytes from the system");
    }
    return HexOf(bytes.data(), bytes.size());
}
