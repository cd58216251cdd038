#include "remote/RemoteRoutes.h"

#include <array>
#include <utility>

#include <nlohmann/json.hpp>

namespace {

constexpr std::array<std::pair<std::string_view, RemoteCommand>, 11> kCommands = {{
    {"play", RemoteCommand::Play},
    {"stop", RemoteCommand::Stop},
    {"toggle", RemoteCommand::Toggle},
    {"pause", RemoteCommand::Pause},
    {"resume", RemoteCommand::Resume},
    {"forward", RemoteCommand::Forward},
    {"backward", RemoteCommand::Backward},
    {"faster", RemoteCommand::Faster},
    {"slower", RemoteCommand::Slower},
    {"faster4", RemoteCommand::Faster4},
    {"slower4", RemoteCommand::Slower4},
}};

constexpr std::string_view kApi = "/api/";
constexpr std::string_view kDelay = "delay/";

Route Of(RouteKind kind) { return Route{kind, RemoteCommand::Play, 0}; }

// "0".."30" as written, one or two digits; anything else is refused.
Route DelayRoute(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) {
        return Of(RouteKind::BadRequest);
    }
    std::int32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return Of(RouteKind::BadRequest);
        }
        value = value * 10 + (c - '0');
    }
    if (value > kMaxRemoteDelay) {
        return Of(RouteKind::BadRequest);
    }
    return Route{RouteKind::Command, RemoteCommand::SetDelay, value};
}

// The command a name after /api/ (or in a live message) gives, if any.
Route CommandRoute(std::string_view name) {
    for (const auto& [text, command] : kCommands) {
        if (name == text) {
            return Route{RouteKind::Command, command, 0};
        }
    }
    return Of(RouteKind::NotFound);
}

Route Expecting(std::string_view method, std::string_view wanted, Route route) {
    return method == wanted ? route : Of(RouteKind::WrongMethod);
}

} // namespace

std::string_view PathOf(std::string_view target) {
    return target.substr(0, target.find('?'));
}

Route RouteOf(std::string_view method, std::string_view target) {
    const std::string_view path = PathOf(target);
    if (path == "/") {
        return Expecting(method, "GET", Of(RouteKind::Page));
    }
    if (path == "/prompter") {
        return Expecting(method, "GET", Of(RouteKind::Prompter));
    }
    if (path.substr(0, kApi.size()) != kApi) {
        return Of(RouteKind::NotFound);
    }
    const std::string_view rest = path.substr(kApi.size());
    if (rest == "state") {
        return Expecting(method, "GET", Of(RouteKind::State));
    }
    if (rest == "live") {
        return Expecting(method, "GET", Of(RouteKind::Live));
    }
    if (rest.substr(0, kDelay.size()) == kDelay) {
        return Expecting(method, "POST", DelayRoute(rest.substr(kDelay.size())));
    }
    const Route command = CommandRoute(rest);
    return command.kind == RouteKind::Command ? Expecting(method, "POST", command) : command;
}

Route LiveMessageRoute(std::string_view message) {
    const nlohmann::json json = nlohmann::json::parse(message, nullptr, false);
    if (!json.is_object()) {
        return Of(RouteKind::BadRequest);
    }
    const auto name = json.find("command");
    if (name == json.end() || !name->is_string()) {
        return Of(RouteKind::BadRequest);
    }
    const std::string& text = name->get_ref<const std::string&>();
    if (text == "alive") {
        return Of(RouteKind::KeepAlive);
    }
    if (text == "delay") {
        const auto value = json.find("value");
        if (value == json.end() || !value->is_number_integer()) {
            return Of(RouteKind::BadRequest);
        }
        const std::int64_t delay = value->get<std::int64_t>();
        if (delay < 0 || delay > kMaxRemoteDelay) {
            return Of(RouteKind::BadRequest);
        }
        return Route{RouteKind::Command, RemoteCommand::SetDelay, static_cast<std::int32_t>(delay)};
    }
    const Route command = CommandRoute(text);
    return command.kind == RouteKind::Command ? command : Of(RouteKind::BadRequest);
}
