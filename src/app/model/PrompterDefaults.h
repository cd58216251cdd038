#pragma once
#include <cstdint>

#include "app/model/PrompterState.h"

// Clears the run-time state to zero.
void iNITIATE_ALL_VARIABLES(PrompterState& state);

// Resets a text-appearance record to its defaults.
void ResetAlternateEntry(AlternateEntry& entry);

// Stores a scroll delay, replacing anything above 30 with 30.
void SetSdelaY(PrompterState& state, std::uint8_t delay);

// Sets the editor font's style from the Bold, Italic and Underline marks;
// strike-out is kept as it is.
void ApplyMenuFontStyle(PrompterState& state);

// The factory values of the settings, given the bounds of monitor 0. The
// record's colours follow the editor's background and text colours. The
// window-side steps (output rectangle, status bar) are the caller's.
void ApplyFactoryValues(PrompterState& state, const Rect32& monitor0);

inline constexpr std::uint8_t kMaxDelay = 30;
inline constexpr std::int32_t kFactoryEditorSizePt = 28;
inline constexpr std::int32_t kFactoryAlternateSizePt = 26;

// Sets the editor alignment from the alignment marks: left, then right, then
// centred, so the last checked of that order wins; no mark keeps it as it is.
void ApplyAlignmentMarks(PrompterState& state);
