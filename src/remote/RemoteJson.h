#pragma once
#include <string>

#include "remote/RemoteTypes.h"

// The prompter's state as the API and the live socket send it:
// {"playing":..,"paused":..,"direction":..,"delay":..,"line":..,"lines":..,
//  "script":..,"screen":..,"mirror":..,"rows":..}
std::string StateJson(const RemoteState& state);

// The state once a command has been taken, with "result" ("applied",
// "not applicable", "busy") and, when not applied, "reason".
std::string CommandAnswerJson(const RemoteState& state, const RemoteResult& result);

// {"error":"..."} for the answers that carry no state.
std::string ErrorJson(const std::string& message);
