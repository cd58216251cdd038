// File > Print and Print Setup: the script as a text listing with a short
// trailer, on the printer the last print or print set-up dialog chose.
#include "app/model/Program.h"
#include "editor/PrintJob.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"

namespace {
constexpr int kTrailerSizePt = 12;
constexpr std::uint16_t kMsgOpenATextFile = 44;
} // namespace

void TForm1::Print1Click() {
    IModalUi& ui = app_.services().ui;
    const int lines = memo_.LineCount();
    if (lines == 0) {
        ShowMsgBox(ui, GetMsgText(kMsgOpenATextFile), kProductTitle, 3);
        return;
    }
    if (!ui.RunPrintDialog(printer_))
        return;
    TextPrintJob job(printer_, std::string(kProductTitle));
    job.SetFont(state_.editorFont);
    job.SetRightToLeft(state_.scriptRightToLeft);
    for (int i = 0; i < lines; ++i)
        job.PrintLine(memo_.LineText(i));
    job.SetRightToLeft(false);
    FontSpec trailerFont = state_.editorFont;
    trailerFont.sizePt = kTrailerSizePt;
    job.SetFont(trailerFont);
    for (const std::string& line : PrintTrailer(lines, state_.CmdLineFile))
        job.PrintLine(line);
    job.Close();
}

void TForm1::PrintSetup1Click() {
    app_.services().ui.RunPrintSetupDialog(printer_);
}
