// The Font menu: typeface, size, style, colours and alignment of the script.
// The prompter copies all of it from the editor.
#include <windows.h>

#include "app/model/Program.h"
#include "app/model/PrompterDefaults.h"
#include "editor/mainformVantel.h"

namespace {
constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

std::uint8_t StyleMemberOf(MenuId item) {
    switch (item) {
    case MenuId::Bold:
        return kStyleBold;
    case MenuId::Italic:
        return kStyleItalic;
    default:
        return kStyleUnderline;
    }
}
} // namespace

void TForm1::BlackonWhite1Click() {
    if (state_.editorFont.color == kBlack) {
        state_.editorFont.color = kWhite;
        state_.editorColor = kBlack;
        state_.FormColor = kBlack;
    } else {
        state_.editorColor = kWhite;
        state_.FormColor = kWhite;
        state_.editorFont.color = kBlack;
    }
    state_.Alternate.Bcolor = state_.editorColor;
    state_.Alternate.Fcolor = state_.editorFont.color;
    ApplyEditorLook();
}

void TForm1::TypeansSize1Click() {
    FontSpec dialogFont = state_.editorFont;
    const auto apply = [this](const FontSpec& chosen) {
        // Apply takes the size only.
        state_.editorFont.sizePt = chosen.sizePt;
        ApplyEditorLook();
    };
    if (app_.services().ui.RunFontDialog(dialogFont, apply)) {
        state_.editorFont = dialogFont;
        state_.FontColor = dialogFont.color;
    }
    ApplyEditorLook();
    InvalidateRect(memo_.hwnd(), nullptr, TRUE);
    AlternateEntry& record = state_.Alternate;
    record.Fcolor = dialogFont.color;
    record.Size = dialogFont.sizePt;
    record.Style = dialogFont.style;
    record.FontName = CutTo(dialogFont.name, kAlternateFontNameMax);
    playback_->SetFontSize(2 * state_.editorFont.sizePt);
}

void TForm1::ToggleStyle(MenuId item) {
    state_.menu.Toggle(item);
    state_.editorFont.Set(StyleMemberOf(item), state_.menu.Checked(item));
    ApplyEditorLook();
}

void TForm1::ToggleAlignment(MenuId item) {
    state_.menu.Toggle(item);
    if (state_.menu.Checked(item))
        for (MenuId other : {MenuId::LeftJustify1, MenuId::CenterText1, MenuId::RightJustify1})
            if (other != item)
                state_.menu.SetChecked(other, false);
    ApplyAlignment();
}

void TForm1::ApplyAlignment() {
    ApplyAlignmentMarks(state_);
    ApplyEditorLook();
}
