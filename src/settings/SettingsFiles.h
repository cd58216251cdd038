#pragma once
#include <string>

#include "app/model/PrompterState.h"
#include "remote/RemoteServer.h"
#include "settings/ProfileFile.h"

// The date and time of a save: the regional short date, "-", the regional
// long time.
std::string ConfigDate();

// Saves the state into the settings file at `path` without risking the old
// one: the sections are erased and the keys written on a copy in the same
// folder, every key is read back, and only then does the copy replace the
// file in one step. On any failure the file is untouched, the copy is gone
// and "Unable to write to " and the path is thrown.
void WriteSettingsFileSafely(const std::string& path, const PrompterState& state,
                             const std::string& configDate, const ProfileOpener& open);

// Writes the section Remote the same safe way, touching no other key: the
// copy starts as the file itself. Throws as above.
void WriteRemoteSettingsSafely(const std::string& path, const RemoteSettings& settings,
                               const ProfileOpener& open);
