#pragma once
#include <cstddef>
#include <string>

#include "app/model/PrompterState.h"
#include "settings/SettingsTable.h"

// Between the prompter state and the values of a settings file. The window
// side (moving the main window, the editor control) is the caller's.

// Everything a save writes, taken from the state.
SettingsValues CaptureSettings(const PrompterState& state, std::string configDate);

// A whole save on an open file: erases the replaced sections when the file
// existed, writes every key in table order, then checks they all arrived.
// False when anything did not reach the file.
bool WriteSettings(IProfileFile& file, const PrompterState& state, std::string configDate,
                   bool fileExisted);

// The main window's state and bounds a load gives: the state only when the
// file names a valid one; the left edge back to 0 when it lies in the right
// half of a single screen; sizes outside 10 to monitor 0's size, and the width
// of a maximised window, become monitor 0's.
struct MainWindowBounds {
    std::int32_t wState, left, top, width, height;
};
MainWindowBounds LoadedMainWindowBounds(const SettingsValues& values, std::int32_t currentState,
                                        std::size_t monitorCount, const Rect32& monitor0,
                                        std::int32_t screenWidth);

// The last script, dual-screen mode (only with more than one monitor), hints,
// mirror mode, the delay and the alignment marks, in that order; the marks
// obey the Font menu's radio rule, so any alignment mark clears mirror mode.
// Then the editor alignment follows the marks.
void ApplyLoadedSettings(PrompterState& state, const SettingsValues& values,
                         std::size_t monitorCount);

// Section "Alternate" into the record; its delay goes to the scroll delay.
void LoadAlternateEntry(AlternateEntry& entry, PrompterState& state, IProfileFile& file);
// The record and the scroll delay into section "Alternate".
bool SaveAlternateEntry(const AlternateEntry& entry, std::uint8_t delay, IProfileFile& file);

// The loaded record becomes the editor's look: colours, size and face.
void ApplyAlternateRecord(PrompterState& state);

// The state half of a load: the main keys, the record, the record's look and
// the style marks on the editor font. Returns the main keys read, for the
// window's bounds and the last script.
SettingsValues LoadSettingsState(PrompterState& state, IProfileFile& file,
                                 std::size_t monitorCount);
