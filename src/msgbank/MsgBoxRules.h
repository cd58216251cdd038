#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// What ShowMsgBox decides before and after the platform shows the box.
namespace msgbox {

enum Answer : int { kNone = 0, kYes = 1, kNo = 2, kCancel = 3 };

// MessageBox style flags for a box kind 0..9 (other kinds as kind 3).
std::uint32_t StyleForKind(int kind);

// The caption shown: empty unless it compares greater than a single blank.
std::string EffectiveCaption(std::string_view caption);

// The text shown: at most 255 characters.
std::string EffectiveText(std::string_view text);

// Button id returned by the platform (IDYES, IDNO, IDCANCEL, ...) to an answer.
Answer AnswerForButton(int buttonId);

} // namespace msgbox
