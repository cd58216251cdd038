#pragma once
#include <cstdint>
#include <string>

#include "app/model/EditorFont.h"
#include "app/model/MenuModel.h"
#include "win/Geometry.h"
#include "win/TextConvert.h"

// Text appearance record stored under the "Alte" keys of a settings file.
struct AlternateEntry {
    std::string Name;
    std::int32_t Size = 0;
    std::string FontName; // at most 24 characters
    Color Bcolor = 0;
    Color Fcolor = 0;
    std::uint8_t Style = 0;
    std::uint8_t Alignment = 0;
    std::string FileName; // a whole path
    std::u16string FirstLine;
    std::int32_t FirstLineColor = 0;
    bool loop = false;
    bool play = false;
    std::int32_t Margin = 0;
};

inline constexpr std::size_t kShortStringMax = 255;
inline constexpr std::size_t kAlternateFontNameMax = 24;

// Cuts a text to the capacity, in characters, of the field it is stored in;
// never through a character.
inline std::string CutTo(const std::string& text, std::size_t capacity) {
    return CutToUnits(text, capacity);
}

// The prompter's shared state, held by the main window object. Fields named
// after their settings keys; control state (menu marks, editor font, window
// bounds) lives here too and the windows reflect it.
struct PrompterState {
    // Persisted fields.
    std::int32_t OutLineW = 0;
    Color OutLineC = 0;
    Color FormColor = 0;
    Color FontColor = 0;
    std::uint8_t Delay = 0;
    Rect32 Sc_Tr;
    std::string LastFileLoaded;

    // Persisted control state.
    MenuModel menu; // Centering, LJustify, RJustify, UseBold, UseItalic, UseUnderline,
                    // UseReverse, Dual_Monitor are its check marks
    bool ShowHints = false;
    std::int32_t wState = 0; // 0 normal, 1 minimised, 2 maximised
    std::int32_t ML = 0, MT = 0, MW = 0, MH = 0;
    Color MainColor = 0x8000000F; // the system button-face colour
    FontSpec editorFont;
    Color editorColor = 0xFFFFFF; // the editor's background colour
    Alignment editorAlignment = Alignment::Left;
    // The script reads right to left (its first strong character says so);
    // the editor and the prompter order its lines alike.
    bool scriptRightToLeft = false;

    AlternateEntry Alternate;
    AlternateEntry* CurAlternate = nullptr;

    // Run-time fields.
    Color TextColor = 0;
    std::string ProgramDir;
    std::string ConfigName;
    bool StartupDone = false;
    std::string Ver;
    std::int64_t TicksPerMs = 0;
    bool CmdLineFileGiven = false;
    std::string CmdLineFile;
    std::int32_t CursorLine = 0;

    bool UseReverse() const { return menu.Checked(MenuId::ReversMirrorText1); }
    bool Dual_Monitor() const { return menu.Checked(MenuId::UseSecondMonitorforScrolling1); }
};
