#include "remote/RemoteJson.h"

#include <cstdio>

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

std::string PositionJson(const RemoteState& state, std::int64_t ageMs) {
    return Text(Json{
        {"type", "position"},
        {"rows", state.rows},
        {"entering", state.entering},
        {"stepMs", state.stepMs},
        {"running", state.playing && !state.paused},
        {"backward", state.backward},
        {"playing", state.playing},
        {"paused", state.paused},
        {"mirror", state.mirror},
        {"age", ageMs < 0 ? 0 : ageMs},
    });
}

std::string CssColor(std::uint32_t colorref) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colorref & 0xFF, (colorref >> 8) & 0xFF,
                  (colorref >> 16) & 0xFF);
    return text;
}

std::string ScriptJson(const TalentScript& script) {
    return Text(Json{
        {"type", "script"},
        {"lines", script.lines},
        {"first", script.first},
        {"face", script.face},
        {"fontPx", script.fontPx},
        {"pitch", script.pitch},
        {"bold", script.bold},
        {"italic", script.italic},
        {"underline", script.underline},
        {"color", CssColor(script.textColor)},
        {"background", CssColor(script.backColor)},
        {"align", script.align},
        {"rtl", script.rightToLeft},
        {"mirror", script.mirror},
        {"outputWidth", script.outputWidth},
        {"bandHeight", script.bandHeight},
    });
}
