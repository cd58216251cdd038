#include "settings/SettingsApply.h"

#include "app/model/PrompterDefaults.h"
#include "settings/ProfileCodec.h"

namespace {
void CaptureAlternate(const AlternateEntry& entry, std::uint8_t delay, SettingsValues& v) {
    v.AlteSize = entry.Size;
    v.AlteFontName = entry.FontName;
    v.AlteBcolor = entry.Bcolor;
    v.AlteFcolor = entry.Fcolor;
    v.AlteStyle = StyleToCode(entry.Style);
    v.AlteAlignment = entry.Alignment;
    v.AlteFileName = entry.FileName;
    v.AlteDelay = delay;
    v.AlteMargin = entry.Margin;
    v.Alteloop = entry.loop;
    v.Alteplay = entry.play;
    v.AlteFirstLineColor = entry.FirstLineColor;
    v.AlteFirstLine = Utf16ToUtf8(entry.FirstLine);
}
} // namespace

SettingsValues CaptureSettings(const PrompterState& state, std::string configDate) {
    const MenuModel& menu = state.menu;
    SettingsValues v;
    v.ML = state.ML;
    v.MT = state.MT;
    v.MW = state.MW;
    v.MH = state.MH;
    v.wState = state.wState;
    v.ShowHints = state.ShowHints;
    v.Centering = menu.Checked(MenuId::CenterText1);
    v.LJustify = menu.Checked(MenuId::LeftJustify1);
    v.RJustify = menu.Checked(MenuId::RightJustify1);
    v.OutLineW = state.OutLineW;
    v.OutLineC = state.OutLineC;
    v.Dual_Monitor = state.Dual_Monitor();
    v.Cureditstate = 1;
    v.FontColor = state.FontColor;
    v.FormColor = state.editorColor;
    v.FontName = state.editorFont.name;
    v.MainColor = state.MainColor;
    v.LastFileLoaded = state.LastFileLoaded;
    v.ConfigDate = std::move(configDate);
    v.Ver = state.Ver;
    v.UseBold = menu.Checked(MenuId::Bold);
    v.UseItalic = menu.Checked(MenuId::Italic);
    v.UseUnderline = menu.Checked(MenuId::Underline);
    v.ScLeft = state.Sc_Tr.left;
    v.ScTop = state.Sc_Tr.top;
    v.ScRight = state.Sc_Tr.right;
    v.ScBottom = state.Sc_Tr.bottom;
    v.UseReverse = state.UseReverse();
    CaptureAlternate(state.Alternate, state.Delay, v);
    return v;
}

bool WriteSettings(IProfileFile& file, const PrompterState& state, std::string configDate,
                   bool fileExisted) {
    const SettingsValues values = CaptureSettings(state, std::move(configDate));
    const std::string_view name = state.Alternate.Name;
    return (!fileExisted || EraseReplacedSections(file)) &&
           WriteSettingsPart(file, SettingsPart::Main, name, values) &&
           SaveAlternateEntry(state.Alternate, state.Delay, file) &&
           VerifySettingsFile(file, values, name);
}

MainWindowBounds LoadedMainWindowBounds(const SettingsValues& v, std::int32_t currentState,
                                        std::size_t monitorCount, const Rect32& monitor0,
                                        std::int32_t screenWidth) {
    MainWindowBounds b{currentState, v.ML, v.MT, v.MW, v.MH};
    if (v.wState >= 0 && v.wState <= 2)
        b.wState = v.wState;
    if (monitorCount == 1 && b.left > screenWidth / 2)
        b.left = 0;
    const std::int32_t width0 = monitor0.Width(), height0 = monitor0.Height();
    if (b.width > width0 || b.width < 10)
        b.width = width0;
    if (b.wState == 2 && b.width != width0)
        b.width = width0;
    if (b.height > height0 || b.height < 10)
        b.height = height0;
    return b;
}

void ApplyLoadedSettings(PrompterState& state, const SettingsValues& v, std::size_t monitorCount) {
    MenuModel& menu = state.menu;
    state.LastFileLoaded = v.LastFileLoaded;
    if (monitorCount > 1)
        menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, v.Dual_Monitor);
    state.FormColor = v.FormColor;
    state.ShowHints = v.ShowHints;
    menu.SetChecked(MenuId::ReversMirrorText1, v.UseReverse);
    SetSdelaY(state, static_cast<std::uint8_t>(v.Delay));
    menu.SetChecked(MenuId::CenterText1, v.Centering);
    menu.SetChecked(MenuId::LeftJustify1, v.LJustify);
    menu.SetChecked(MenuId::RightJustify1, v.RJustify);
    ApplyAlignmentMarks(state);
}

void LoadAlternateEntry(AlternateEntry& entry, PrompterState& state, IProfileFile& file) {
    SettingsValues v;
    ReadSettingsPart(file, SettingsPart::Alternate, entry.Name, v);
    entry.Size = v.AlteSize;
    entry.FontName = CutTo(v.AlteFontName, kAlternateFontNameMax);
    entry.Bcolor = v.AlteBcolor;
    entry.Fcolor = v.AlteFcolor;
    entry.Style = CodeToStyle(v.AlteStyle);
    entry.Alignment = static_cast<std::uint8_t>(v.AlteAlignment & 0xFF);
    entry.FileName = v.AlteFileName;
    SetSdelaY(state, static_cast<std::uint8_t>(v.AlteDelay));
    entry.Margin = v.AlteMargin;
    entry.loop = v.Alteloop;
    entry.play = v.Alteplay;
    state.CurAlternate = &state.Alternate;
}

bool SaveAlternateEntry(const AlternateEntry& entry, std::uint8_t delay, IProfileFile& file) {
    SettingsValues v;
    CaptureAlternate(entry, delay, v);
    return WriteSettingsPart(file, SettingsPart::Alternate, entry.Name, v);
}

void ApplyAlternateRecord(PrompterState& state) {
    const AlternateEntry& a = state.Alternate;
    state.FontColor = a.Fcolor;
    state.TextColor = a.Fcolor;
    state.FormColor = a.Bcolor;
    state.editorColor = a.Bcolor;
    state.editorFont.color = a.Fcolor;
    state.editorFont.sizePt = a.Size;
    state.editorFont.name = a.FontName;
}

SettingsValues LoadSettingsState(PrompterState& state, IProfileFile& file,
                                 std::size_t monitorCount) {
    SettingsValues values;
    ReadSettingsPart(file, SettingsPart::Main, state.Alternate.Name, values);
    ApplyLoadedSettings(state, values, monitorCount);
    LoadAlternateEntry(state.Alternate, state, file);
    ApplyAlternateRecord(state);
    ApplyMenuFontStyle(state);
    return values;
}
