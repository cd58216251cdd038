// The safe write of a settings file, and the date stamp of a save.
#include "settings/SettingsFiles.h"

#include <functional>
#include <stdexcept>

#include <windows.h>

#include "settings/RemoteSettingsFile.h"
#include "settings/SettingsApply.h"
#include "win/FileIo.h"
#include "win/Wide.h"

std::string ConfigDate() {
    wchar_t date[128] = {0};
    wchar_t time[128] = {0};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 128);
    return Narrow(date) + "-" + Narrow(time);
}

namespace {
// Writes on a copy of the file beside it, reads back, then replaces the file
// in one step; on any failure the file is untouched.
void ChangeProfileSafely(const std::string& path, const ProfileOpener& open,
                         const std::function<bool(IProfileFile&)>& change) {
    try {
        ReplaceFileSafely(path, true, [&](const std::string& temp) {
            std::unique_ptr<IProfileFile> copy = open(temp);
            const bool written = change(*copy);
            copy->Flush(); // nothing of the copy may stay cached
            if (!written)
                throw std::runtime_error("a key did not read back");
        });
    } catch (const std::exception&) {
        throw std::runtime_error("Unable to write to " + path);
    }
}
} // namespace

void WriteSettingsFileSafely(const std::string& path, const PrompterState& state,
                             const std::string& configDate, const ProfileOpener& open) {
    const bool existed = FileExists(path);
    ChangeProfileSafely(path, open, [&](IProfileFile& copy) {
        return WriteSettings(copy, state, configDate, existed);
    });
}

void WriteRemoteSettingsSafely(const std::string& path, const RemoteSettings& settings,
                               const ProfileOpener& open) {
    ChangeProfileSafely(path, open, [&](IProfileFile& copy) {
        return WriteRemoteSettings(copy, settings) && RemoteSettingsReadBack(copy, settings);
    });
}
