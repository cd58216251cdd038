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

// What a talent view needs of a reading: {"type":"position","rows":..,
// "entering":..,"stepMs":..,"running":..,"backward":..,"playing":..,
// "paused":..,"mirror":..,"age":..}; age is how many ms ago it was read.
std::string PositionJson(const RemoteState& state, std::int64_t ageMs);

// The display lines and their look: {"type":"script","lines":[..],..}.
std::string ScriptJson(const TalentScript& script);

// "#rrggbb" of a COLORREF.
std::string CssColor(std::uint32_t colorref);
