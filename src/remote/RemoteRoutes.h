#pragma once
#include <cstdint>
#include <string_view>

#include "remote/RemoteTypes.h"

// What a request asks for, from its method and target alone (no key, no
// network): the one table of the remote control's paths.
enum class RouteKind : std::uint8_t {
    Page,        // GET /
    Prompter,    // GET /prompter: the talent view
    State,       // GET /api/state
    Live,        // GET /api/live (WebSocket)
    Command,     // POST /api/<command>
    KeepAlive,   // a live message that only says the device is still there
    NotFound,    // 404
    WrongMethod, // 405
    BadRequest,  // 400: a command with a bad argument, a message we cannot read
};

struct Route {
    RouteKind kind = RouteKind::NotFound;
    RemoteCommand command = RemoteCommand::Play;
    std::int32_t argument = 0;
};

// The path of a request target, without its query.
std::string_view PathOf(std::string_view target);

Route RouteOf(std::string_view method, std::string_view target);

// A message of the live socket: {"command":"pause"}, {"command":"delay","value":7},
// {"command":"alive"}.
Route LiveMessageRoute(std::string_view message);

// Delays a command may set.
inline constexpr std::int32_t kMaxRemoteDelay = 30;
