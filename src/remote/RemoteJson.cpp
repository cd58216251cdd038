#include "remote/RemoteJson.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json StateObject(const RemoteState& state) {
    return Json{
        {"playing", state.playing},
        {"paused", state.paused},
        {"direction", state.backward ? "backward" : "forward"},
        {"delay", state.delay},
        {"line", state.line},
        {"lines", state.lines},
        {"script", state.script},
        {"screen", state.dual ? "dual" : "single"},
        {"mirror", state.mirror},
        {"rows", state.rows},
    };
}

// A script name need not be valid UTF-8: the odd byte becomes U+FFFD rather
// than an exception on a network thread.
std::string Text(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

const char* ResultName(RemoteOutcome outcome) {
    switch (outcome) {
    case RemoteOutcome::Applied:
        return "applied";
    case RemoteOutcome::NotApplicable:
        return "not applicable";
    case RemoteOutcome::Busy:
        return "busy";
    }
    return "busy";
}

} // namespace

std::string StateJson(const RemoteState& state) { return Text(StateObject(state)); }

std::string CommandAnswerJson(const RemoteState& state, const RemoteResult& result) {
    Json json = StateObject(state);
    json["result"] = ResultName(result.outcome);
    if (result.outcome != RemoteOutcome::Applied) {
        json["reason"] = result.reason;
    }
    return Text(json);
}

std::string ErrorJson(const std::string& message) { return Text(Json{{"error", message}}); }
