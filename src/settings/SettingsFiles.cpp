// The safe write of a settings file, and the date stamp of a save.
#include "settings/SettingsFiles.h"

#include <stdexcept>

#include <windows.h>

#include "settings/SettingsApply.h"
#include "win/FileIo.h"

std::string ConfigDate() {
    char date[128] = {0};
    char time[128] = {0};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
    return std::string(date) + "-" + time;
}

void WriteSettingsFileSafely(const std::string& path, const PrompterState& state,
                             const std::string& configDate, const ProfileOpener& open) {
    const bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    try {
        ReplaceFileSafely(path, true, [&](const std::string& temp) {
            std::unique_ptr<IProfileFile> copy = open(temp);
            const bool written = WriteSettings(*copy, state, configDate, existed);
            copy->Flush(); // nothing of the copy may stay cached
            if (!written)
                throw std::runtime_error("a key did not read back");
        });
    } catch (const std::exception&) {
        throw std::runtime_error("Unable to write to " + path);
    }
}
