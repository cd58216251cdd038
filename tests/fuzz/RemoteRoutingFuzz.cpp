// Any request line, header or live message: the remote control's routing and
// access rules must not fault, and what they let through must be well formed.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "remote/RemoteAccess.h"
#include "remote/RemoteRoutes.h"

namespace {

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void CheckCommand(const Route& route) {
    if (route.kind != RouteKind::Command) {
        return;
    }
    Check(route.command <= RemoteCommand::SetDelay, "a known command");
    Check(route.argument >= 0 && route.argument <= kMaxRemoteDelay, "a delay within 0..30");
    Check(route.command == RemoteCommand::SetDelay || route.argument == 0,
          "only SetDelay carries an argument");
}

const HostRules kRules = MachineHostRules(8765, "studio", {"127.0.1.20", "::5"});
const std::string kKey = "00112233445566778899aabbccddeeff";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    for (const char* method : {"GET", "POST"}) {
        const Route route = RouteOf(method, text);
        CheckCommand(route);
        if (route.kind == RouteKind::Command) {
            Check(PathOf(text).substr(0, 5) == "/api/", "commands live under /api/");
        }
    }
    CheckCommand(LiveMessageRoute(text));

    const std::string key = KeyOfRequest(text, text, text);
    Check(KeysEqual(key, kKey) == (key == kKey), "keys equal exactly when the same");
    constexpr std::string_view kNotInAHost = "/?#@";
    if (HostAllowed(kRules, text)) {
        Check(text.find_first_of(kNotInAHost) == std::string_view::npos,
              "a host let through names no path or user");
    }
    const bool blank = text.find_first_not_of(" \t") == std::string_view::npos;
    if (!blank && OriginAllowed(kRules, text)) {
        const auto scheme = text.find("://");
        Check(scheme != std::string_view::npos, "an origin let through has a scheme");
        Check(text.substr(scheme + 3).find_first_of(kNotInAHost) == std::string_view::npos,
              "an origin let through names no path or user");
    }
    return 0;
}
