#pragma once
#include <string>

#include <windows.h>

#include "app/model/EditorFont.h"
#include "editor/PrintLayout.h"
#include "win/ModalUi.h"
#include "win/UniqueHandle.h"

// A text print job: lines go down the printable area one after the other in
// the current font, breaking over-wide lines and pages as PrintLayout says.
// Printer and spooler failures throw Win32Error; a job not closed is aborted.
class TextPrintJob {
  public:
    // Opens the job on the chosen printer, or the default printer when none is named.
    TextPrintJob(const PrinterChoice& printer, const std::string& title);
    ~TextPrintJob();
    TextPrintJob(const TextPrintJob&) = delete;
    TextPrintJob& operator=(const TextPrintJob&) = delete;

    // Font for the following lines, at the printer's resolution.
    void SetFont(const FontSpec& font);
    // The lines that follow read right to left: drawn as the prompter draws
    // them, at the left edge all the same.
    void SetRightToLeft(bool rightToLeft);
    void PrintLine(const std::string& text);
    // Ends the job, which sends it to the printer.
    void Close();
    int Pages() const { return cursor_.Pages(); }

  private:
    void BeginPage();
    int TextHeight(std::string_view text) const;

    UniqueHdc dc_;
    UniqueHfont font_;
    ScopedSelect fontSelection_; // before font_ goes, the DC gets its own back
    PageCursor cursor_{0};
    int pageWidth_ = 0;
    bool pageOpen_ = false;
    bool closed_ = false;
    bool rightToLeft_ = false;
};
