// Loading and writing scripts: plain single-byte text with CR LF line ends.
#include <windows.h>

#include "app/Application.h"
#include "editor/ScriptText.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "win/FileIo.h"

namespace {
class BinaryFileError : public std::runtime_error {
  public:
    BinaryFileError() : std::runtime_error("The file holds binary data, not plain text") {}
};
} // namespace

bool TForm1::LoadScript(const std::string& path) {
    if (!memo_.hwnd()) {
        statusBar_.SetText(4, "Editor not ready to load: " + path);
        return false;
    }
    if (IsVisible())
        for (int panel = 1; panel <= 4; ++panel)
            statusBar_.SetText(panel, "");
    if (!FileExists(path)) {
        statusBar_.SetText(4, GetMsgText(40) + ": " + path);
        return false;
    }
    if (IsWindowVisible(statusBar_.hwnd())) statusBar_.SetText(5, "Loading " + path);
    bool loaded = false;
    try {
        const std::string bytes = ReadWholeFile(path);
        // A NUL would cut the text short and the next save would lose the rest.
        if (HoldsBinaryData(bytes)) throw BinaryFileError();
        if (!memo_.SetText(NormalizeLineEnds(bytes)))
            throw std::runtime_error("Text exceeds memo capacity");
        openDialog_.initialDir = FolderPart(path);
        statusBar_.SetText(5, FileNamePart(path));
        loaded = true;
    } catch (const std::exception& e) {
        ShowMsgBox(app_.services().ui, std::string(e.what()) + ", " + GetMsgText(449) + " " + path,
                   kProductTitle, 2);
    }
    memo_.SetModified(false);
    return loaded;
}
