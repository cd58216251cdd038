#include "settings/SettingsTable.h"

#include <algorithm>
#include <array>
#include <limits>

#include "settings/ProfileCodec.h"

namespace {
using V = SettingsValues;
using T = ValueType;
constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kColorMax = std::numeric_limits<std::uint32_t>::max();

constexpr SettingsKey Int(std::string_view section, std::string_view key, std::int32_t V::*field,
                          std::int64_t def, bool read, bool written) {
    return {section, key,     T::Integer, field,   def,
            read,    written, kIntMin,    kIntMax, OutOfRange::Default};
}
// A number whose range has an evident meaning at each end (a speed): beyond
// it gives the nearer end.
constexpr SettingsKey Clamped(std::string_view section, std::string_view key,
                              std::int32_t V::*field, std::int64_t def, bool read, bool written,
                              std::int64_t min, std::int64_t max) {
    return {section, key, T::Integer, field, def, read, written, min, max, OutOfRange::Clamp};
}
// A code with no meaning outside its range: beyond it gives the default.
constexpr SettingsKey Code(std::string_view section, std::string_view key, std::int32_t V::*field,
                           std::int64_t def, bool read, bool written, std::int64_t min,
                           std::int64_t max) {
    return {section, key, T::Integer, field, def, read, written, min, max, OutOfRange::Default};
}
constexpr SettingsKey Colour(std::string_view section, std::string_view key, Color V::*field,
                             std::int64_t def, bool read, bool written) {
    return {section, key,     T::Color, field,     def,
            read,    written, kIntMin,  kColorMax, OutOfRange::Default};
}
constexpr SettingsKey Bool(std::string_view section, std::string_view key, bool V::*field, bool def,
                           bool read, bool written) {
    return {section, key,     T::Boolean, field,   def ? 1 : 0,
            read,    written, kIntMin,    kIntMax, OutOfRange::Default};
}
constexpr SettingsKey Text(std::string_view section, std::string_view key, std::string V::*field,
                           bool read, bool written) {
    return {section, key, T::Text, field, 0, read, written, 0, 0, OutOfRange::Default};
}

constexpr bool R = true; // read by a load
constexpr bool W = true; // written by a save
constexpr bool NR = false;
constexpr bool NW = false;
constexpr std::string_view kWin = "OptionWindows", kOpt = "Options", kCtl = "Control",
                           kStuff = "Stuff", kAlte = kSectionAlternate;

constexpr std::array kKeys{
    Int(kWin, "ML", &V::ML, 10, R, W),
    Int(kWin, "MT", &V::MT, 10, R, W),
    Int(kWin, "MW", &V::MW, 640, R, W),
    Int(kWin, "MH", &V::MH, 480, R, W),
    Int(kWin, "wState", &V::wState, 2, R, W),
    Bool(kOpt, "ShowHints", &V::ShowHints, false, R, W),
    Bool(kOpt, "Centering", &V::Centering, false, R, W),
    Bool(kOpt, "LJustify", &V::LJustify, true, R, W),
    Bool(kOpt, "RJustify", &V::RJustify, false, R, W),
    Int(kOpt, "OutLineW", &V::OutLineW, 0, NR, W),
    Colour(kOpt, "OutLineC", &V::OutLineC, 0, NR, W),
    Bool(kCtl, "Dual_Monitor", &V::Dual_Monitor, false, R, W),
    Int(kStuff, "Cureditstate", &V::Cureditstate, 1, NR, W),
    Colour(kStuff, "FontColor", &V::FontColor, 0, NR, W),
    Colour(kStuff, "FormColor", &V::FormColor, 0xFF0000, R, W),
    Text(kStuff, "FontName", &V::FontName, NR, W),
    Colour(kStuff, "MainColor", &V::MainColor, 0, NR, W),
    Text(kStuff, "LastFileLoaded", &V::LastFileLoaded, R, W),
    Text(kStuff, "ConfigDate", &V::ConfigDate, NR, W),
    Text(kStuff, "Ver", &V::Ver, NR, W),
    Bool(kStuff, "UseBold", &V::UseBold, false, NR, W),
    Bool(kStuff, "UseItalic", &V::UseItalic, false, NR, W),
    Bool(kStuff, "UseUnderline", &V::UseUnderline, false, NR, W),
    Int(kStuff, "Sc_Tr.left", &V::ScLeft, 0, NR, W),
    Int(kStuff, "Sc_Tr.top", &V::ScTop, 0, NR, W),
    Int(kStuff, "Sc_Tr.right", &V::ScRight, 0, NR, W),
    Int(kStuff, "Sc_Tr.bottom", &V::ScBottom, 0, NR, W),
    Bool(kStuff, "UseReverse", &V::UseReverse, false, R, W),
    Clamped(kStuff, "Delay", &V::Delay, 0, R, NW, 0, 255),
    Int(kAlte, "Size", &V::AlteSize, 22, R, W),
    Text(kAlte, "FontName", &V::AlteFontName, R, W),
    Colour(kAlte, "Bcolor", &V::AlteBcolor, 0, R, W),
    Colour(kAlte, "Fcolor", &V::AlteFcolor, 0xFFFFFF, R, W),
    Code(kAlte, "Style", &V::AlteStyle, 0, R, W, -128, 127),
    Int(kAlte, "Alignment", &V::AlteAlignment, 0, R, W),
    Text(kAlte, "FileName", &V::AlteFileName, R, W),
    Clamped(kAlte, "Delay", &V::AlteDelay, 0, R, W, 0, 255),
    Int(kAlte, "Margin", &V::AlteMargin, 0, R, NW),
    Bool(kAlte, "loop", &V::Alteloop, false, R, NW),
    Bool(kAlte, "play", &V::Alteplay, false, R, NW),
    Int(kAlte, "FirstLineColor", &V::AlteFirstLineColor, 0, NR, W),
    Text(kAlte, "FirstLine", &V::AlteFirstLine, NR, W),
};

bool InPart(const SettingsKey& row, SettingsPart part) {
    return (row.section == kSectionAlternate) == (part == SettingsPart::Alternate);
}

void Store(const SettingsKey& row, SettingsValues& values, std::int64_t number) {
    if (auto p = std::get_if<std::int32_t V::*>(&row.field))
        values.*(*p) = static_cast<std::int32_t>(number);
    else if (auto c = std::get_if<Color V::*>(&row.field))
        values.*(*c) = static_cast<Color>(static_cast<std::uint32_t>(number));
    else if (auto b = std::get_if<bool V::*>(&row.field))
        values.*(*b) = number != 0;
}

void ReadRow(IProfileFile& file, const SettingsKey& row, std::string_view alternateName,
             SettingsValues& values) {
    const std::optional<std::string> text = file.Read(row.section, KeyName(row, alternateName));
    if (row.type == ValueType::Text) {
        values.*std::get<std::string V::*>(row.field) =
            text ? CutToUnits(*text, kProfileTextMax) : std::string();
        return;
    }
    const bool clamp = row.outOfRange == OutOfRange::Clamp;
    std::optional<std::int64_t> number;
    if (text)
        number = clamp ? ParseProfileNumberSaturated(*text) : ParseProfileNumber(*text);
    // The load goes on whatever the number: clamped, or the key's default.
    if (number && clamp)
        number = std::clamp(*number, row.min, row.max);
    else if (number && (*number < row.min || *number > row.max))
        number.reset();
    Store(row, values, number.value_or(row.defaultNumber));
}
} // namespace

std::span<const SettingsKey> SettingsKeys() {
    return kKeys;
}

std::string KeyName(const SettingsKey& row, std::string_view alternateName) {
    if (row.section == kSectionAlternate)
        return std::string(alternateName) + std::string(row.key);
    return std::string(row.key);
}

std::string FormatValue(const SettingsKey& row, const SettingsValues& values) {
    if (auto p = std::get_if<std::int32_t V::*>(&row.field))
        return FormatProfileNumber(values.*(*p));
    // Colours are stored as the signed 32-bit number the system's colour type is.
    if (auto c = std::get_if<Color V::*>(&row.field))
        return FormatProfileNumber(static_cast<std::int32_t>(values.*(*c)));
    if (auto b = std::get_if<bool V::*>(&row.field))
        return values.*(*b) ? "1" : "0";
    return values.*std::get<std::string V::*>(row.field);
}

void ReadSettingsPart(IProfileFile& file, SettingsPart part, std::string_view alternateName,
                      SettingsValues& values) {
    for (const SettingsKey& row : kKeys)
        if (row.read && InPart(row, part))
            ReadRow(file, row, alternateName, values);
}

bool WriteSettingsPart(IProfileFile& file, SettingsPart part, std::string_view alternateName,
                       const SettingsValues& values) {
    for (const SettingsKey& row : kKeys)
        if (row.written && InPart(row, part) &&
            !file.Write(row.section, KeyName(row, alternateName), FormatValue(row, values)))
            return false;
    return true;
}

bool EraseReplacedSections(IProfileFile& file) {
    // "Configuration" is no longer written, but old files still carry it.
    constexpr std::array kErased{kStuff, kAlte, std::string_view("Configuration"), kOpt, kWin};
    for (std::string_view section : kErased)
        if (!file.EraseSection(section))
            return false;
    return true;
}

bool VerifySettingsFile(IProfileFile& file, const SettingsValues& values,
                        std::string_view alternateName) {
    file.Flush();
    for (const SettingsKey& row : kKeys) {
        if (!row.written)
            continue;
        const auto back = file.Read(row.section, KeyName(row, alternateName));
        if (!back || *back != ProfileEcho(FormatValue(row, values)))
            return false;
    }
    return true;
}
