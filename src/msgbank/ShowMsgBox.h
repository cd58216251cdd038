#pragma once
#include <string_view>

#include "msgbank/MsgBoxRules.h"

class IModalUi;

// Shows a modal box of the given kind (0..9) and returns the answer:
// 1 Yes, 2 No, 3 Cancel, 0 otherwise.
int ShowMsgBox(IModalUi& ui, std::string_view text, std::string_view caption, int kind);

// The product title used as caption by almost every box.
inline constexpr std::string_view kProductTitle = "Cuecraft";
// The short program name a few boxes use as caption.
inline constexpr std::string_view kProgramName = "rollscript";
