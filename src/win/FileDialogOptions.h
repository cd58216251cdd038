#pragma once
#include <cstdint>

#include <windows.h>
#include <commdlg.h>

// The options of the main window's open and save dialogs, which the script
// and the settings commands share.
// Open: the file must exist; no read-only box; sharing violations ignored.
inline constexpr std::uint32_t kOpenDialogOptions =
    OFN_READONLY | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_SHAREAWARE;
// Save: asks before replacing and before creating; the folder must exist. A
// new name must be allowed, so the file need not exist.
inline constexpr std::uint32_t kSaveDialogOptions =
    OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_CREATEPROMPT |
    OFN_SHAREAWARE | OFN_NOREADONLYRETURN | OFN_NONETWORKBUTTON;
