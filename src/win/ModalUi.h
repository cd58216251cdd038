#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/model/EditorFont.h"

// A common file dialog as the program keeps it between uses: what it shows
// and the file and folder it ends with.
struct FileDialogSpec {
    std::string title;
    std::string filter; // "Description|*.ext" pairs
    std::string defaultExt;
    std::string initialDir;
    std::string fileName;
    std::uint32_t options = 0; // OFN_* flags
};

// The printer a job goes to, as the print and print set-up dialogs leave it.
struct PrinterChoice {
    std::string deviceName;             // empty: the default printer
    std::vector<unsigned char> devMode; // the driver's settings (DEVMODEW bytes)
};

// Every modal interaction goes through this seam so tests can answer it.
// The production version calls the real Win32 functions.
class IModalUi {
  public:
    virtual ~IModalUi() = default;
    // Returns the platform's button id (IDOK, IDYES, ...), 0 if no box appeared.
    virtual int ShowMessageBox(const std::string& text, const std::string& caption,
                               std::uint32_t style) = 0;
    // File dialogs: true when confirmed; dialog.fileName then holds the path.
    virtual bool RunOpenDialog(FileDialogSpec& dialog) = 0;
    virtual bool RunSaveDialog(FileDialogSpec& dialog) = 0;
    // Font dialog (face, style, size; Apply button). `font` holds the
    // dialog's font when it closes, confirmed or not; onApply gets the font
    // chosen when Apply is pressed.
    virtual bool RunFontDialog(FontSpec& font,
                               const std::function<void(const FontSpec&)>& onApply) = 0;
    virtual bool RunPrintDialog(PrinterChoice& printer) = 0;
    virtual bool RunPrintSetupDialog(PrinterChoice& printer) = 0;
};

class Win32ModalUi final : public IModalUi {
  public:
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       std::uint32_t style) override;
    bool RunOpenDialog(FileDialogSpec& dialog) override;
    bool RunSaveDialog(FileDialogSpec& dialog) override;
    bool RunFontDialog(FontSpec& font,
                       const std::function<void(const FontSpec&)>& onApply) override;
    bool RunPrintDialog(PrinterChoice& printer) override;
    bool RunPrintSetupDialog(PrinterChoice& printer) override;
};
