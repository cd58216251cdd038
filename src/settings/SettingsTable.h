#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/ProfileFile.h"
#include "win/Geometry.h"

// Every value of a settings file, as the file spells it (style as its code,
// alignment as a number).
struct SettingsValues {
    // OptionWindows
    std::int32_t ML = 0, MT = 0, MW = 0, MH = 0, wState = 0;
    // Options
    bool ShowHints = false, Centering = false, LJustify = false, RJustify = false;
    std::int32_t OutLineW = 0;
    Color OutLineC = 0;
    // Control
    bool Dual_Monitor = false;
    // Stuff
    std::int32_t Cureditstate = 1;
    Color FontColor = 0, FormColor = 0;
    std::string FontName;
    Color MainColor = 0;
    std::string LastFileLoaded, ConfigDate, Ver;
    bool UseBold = false, UseItalic = false, UseUnderline = false;
    std::int32_t ScLeft = 0, ScTop = 0, ScRight = 0, ScBottom = 0;
    bool UseReverse = false;
    std::int32_t Delay = 0;
    // Alternate
    std::int32_t AlteSize = 0;
    std::string AlteFontName;
    Color AlteBcolor = 0, AlteFcolor = 0;
    std::int32_t AlteStyle = 0, AlteAlignment = 0;
    std::string AlteFileName;
    std::int32_t AlteDelay = 0, AlteMargin = 0;
    bool Alteloop = false, Alteplay = false;
    std::int32_t AlteFirstLineColor = 0;
    std::string AlteFirstLine;
};

enum class ValueType : std::uint8_t { Integer, Color, Boolean, Text };

// What a number outside a key's range becomes.
enum class OutOfRange : std::uint8_t { Default, Clamp };

using SettingsField = std::variant<std::int32_t SettingsValues::*, Color SettingsValues::*,
                                   bool SettingsValues::*, std::string SettingsValues::*>;

// One key of the file. Keys of section "Alternate" are the record's name
// followed by `key`.
struct SettingsKey {
    std::string_view section;
    std::string_view key;
    ValueType type;
    SettingsField field;
    std::int64_t defaultNumber; // numbers and Booleans; texts default to empty
    bool read;
    bool written;
    std::int64_t min;
    std::int64_t max;
    OutOfRange outOfRange;
};

inline constexpr std::string_view kSectionAlternate = "Alternate";

// The keys in the order the save writes them.
std::span<const SettingsKey> SettingsKeys();

// The key name as it stands in the file.
std::string KeyName(const SettingsKey& row, std::string_view alternateName);

// Which rows an operation covers: the record's section or all the others.
enum class SettingsPart : std::uint8_t { Main, Alternate };

// Reads the read keys of a part; absent keys and bad numbers give defaults.
void ReadSettingsPart(IProfileFile& file, SettingsPart part, std::string_view alternateName,
                      SettingsValues& values);
// Writes the written keys of a part in table order; false at the first write
// that failed.
bool WriteSettingsPart(IProfileFile& file, SettingsPart part, std::string_view alternateName,
                       const SettingsValues& values);
// The text written for a key.
std::string FormatValue(const SettingsKey& row, const SettingsValues& values);

// Erases the sections a save replaces; the file's other sections stay.
bool EraseReplacedSections(IProfileFile& file);
// Flushes the file and reads every written key back; false when one did not
// arrive as written.
bool VerifySettingsFile(IProfileFile& file, const SettingsValues& values,
                        std::string_view alternateName);
