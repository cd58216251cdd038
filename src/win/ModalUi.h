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

    // A dialog or box of the program is open: the ones of this seam while
    // they show, and a window's own dialog while it holds a ModalScope. A
    // remote command then does nothing, as a key would reach nothing.
    bool AnyOpen() const { return open_ > 0; }

  private:
    friend class ModalScope;
    int open_ = 0;
};

// Counts a modal dialog as open for as long as it lives.
class ModalScope {
  public:
    explicit ModalScope(IModalUi& ui) : ui_(ui) { ++ui_.open_; }
    ~ModalScope() { --ui_.open_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    IModalUi& ui_;
};

// The seam the program uses: every dialog and box of the seam it wraps
// counts as open while it shows, whichever version answers it.
class TrackedModalUi final : public IModalUi {
  public:
    explicit TrackedModalUi(IModalUi& inner) : inner_(inner) {}
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       std::uint32_t style) override {
        ModalScope open(*this);
        return inner_.ShowMessageBox(text, caption, style);
    }
    bool RunOpenDialog(FileDialogSpec& dialog) override {
        ModalScope open(*this);
        return inner_.RunOpenDialog(dialog);
    }
    bool RunSaveDialog(FileDialogSpec& dialog) override {
        ModalScope open(*this);
        return inner_.RunSaveDialog(dialog);
    }
    bool RunFontDialog(FontSpec& font,
                       const std::function<void(const FontSpec&)>& onApply) override {
        ModalScope open(*this);
        return inner_.RunFontDialog(font, onApply);
    }
    bool RunPrintDialog(PrinterChoice& printer) override {
        ModalScope open(*this);
        return inner_.RunPrintDialog(printer);
    }
    bool RunPrintSetupDialog(PrinterChoice& printer) override {
        ModalScope open(*this);
        return inner_.RunPrintSetupDialog(printer);
    }

  private:
    IModalUi& inner_;
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
