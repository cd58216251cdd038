#include "app/model/PrompterDefaults.h"

void iNITIATE_ALL_VARIABLES(PrompterState& state) {
    state.ConfigName.clear();
    state.StartupDone = false;
    state.Ver.clear();
    state.OutLineW = 0;
    state.FormColor = 0;
    state.OutLineC = 0;
    state.TextColor = 0;
    state.Delay = 0;
    state.Sc_Tr = {};
    state.TicksPerMs = 0;
    state.CmdLineFileGiven = false;
    state.CmdLineFile.clear();
    state.CursorLine = 0;
}

void ResetAlternateEntry(AlternateEntry& entry) {
    entry.Size = kFactoryAlternateSizePt;
    entry.FontName = "Arial";
    entry.Style = 0;
    entry.Alignment = 0;
    entry.Margin = 0;
}

void SetSdelaY(PrompterState& state, std::uint8_t delay) {
    state.Delay = delay;
    if (state.Delay > kMaxDelay)
        state.Delay = kMaxDelay;
}

void ApplyMenuFontStyle(PrompterState& state) {
    FontSpec& font = state.editorFont;
    font.Set(kStyleBold, state.menu.Checked(MenuId::Bold));
    font.Set(kStyleItalic, state.menu.Checked(MenuId::Italic));
    font.Set(kStyleUnderline, state.menu.Checked(MenuId::Underline));
}

void ApplyFactoryValues(PrompterState& state, const Rect32& monitor0) {
    if (!state.CurAlternate)
        state.CurAlternate = &state.Alternate;
    state.Alternate.Name = "Alte";
    ResetAlternateEntry(state.Alternate);
    // The record follows what the editor shows, so a save right after
    // restores a readable editor.
    state.Alternate.Bcolor = state.editorColor;
    state.Alternate.Fcolor = state.editorFont.color;
    state.CurAlternate = &state.Alternate;
    state.wState = 2;
    state.Sc_Tr = {2, 2, monitor0.Width() - 2, monitor0.Height() - 2};
    MenuModel& menu = state.menu;
    // The alignment marks below would take the mirror mark with them; the
    // defaults keep the mirror choice.
    const bool mirror = state.UseReverse();
    menu.SetChecked(MenuId::Bold, false);
    menu.SetChecked(MenuId::Underline, false);
    menu.SetChecked(MenuId::Italic, false);
    SetSdelaY(state, 0);
    menu.SetChecked(MenuId::CenterText1, true);
    menu.SetChecked(MenuId::LeftJustify1, false);
    menu.SetChecked(MenuId::RightJustify1, false);
    menu.SetCheckedAlone(MenuId::ReversMirrorText1, mirror);
    state.OutLineW = 0;
    state.OutLineC = 0xFF0000;
    menu.SetChecked(MenuId::Bold, false);
    state.editorFont.sizePt = kFactoryEditorSizePt;
    ApplyMenuFontStyle(state);
}

void ApplyAlignmentMarks(PrompterState& state) {
    if (state.menu.Checked(MenuId::LeftJustify1))
        state.editorAlignment = Alignment::Left;
    if (state.menu.Checked(MenuId::RightJustify1))
        state.editorAlignment = Alignment::Right;
    if (state.menu.Checked(MenuId::CenterText1))
        state.editorAlignment = Alignment::Center;
}
