#include "msgbank/MsgBoxRules.h"

#include "win/TextConvert.h"

namespace msgbox {
namespace {
// Platform button ids (winuser.h), spelled here so this file stays platform-free.
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
} // namespace

std::uint32_t StyleForKind(int kind) {
    switch (kind) {
    case 0:
        return 0x23; // Yes/No/Cancel, question mark
    case 1:
        return 0x1010; // OK, stop sign, system-modal
    case 2:
        return 0x30; // OK, exclamation mark
    case 4:
        return 0x40; // OK, information sign
    case 8:
        return 0x14; // Yes/No, stop sign
    case 9:
        return 0x2024; // Yes/No, question mark, task-modal
    default:
        return 0x20; // OK, question mark
    }
}

std::string EffectiveCaption(std::string_view caption) {
    // Byte-wise compare of the length-prefixed strings against " ".
    if (caption > std::string_view(" "))
        return CutToUnits(caption, 255);
    return {};
}

std::string EffectiveText(std::string_view text) {
    return CutToUnits(text, 255);
}

Answer AnswerForButton(int buttonId) {
    switch (buttonId) {
    case kIdCancel:
        return kCancel;
    case kIdYes:
        return kYes;
    case kIdNo:
        return kNo;
    default:
        return kNone;
    }
}

} // namespace msgbox
