#pragma once
// Scripted platform seams for in-process tests.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

#include "app/model/Services.h"
#include "win/Display.h"
#include "win/FileIo.h"
#include "win/ModalUi.h"
#include "win/PerfCounter.h"
#include "win/Sleeper.h"

struct ShownBox {
    std::string text;
    std::string caption;
    std::uint32_t style;
};

// Records every box and dialog and answers as the test queued: boxes with
// IDOK, dialogs with cancel, when nothing is queued.
class ScriptedUi : public IModalUi {
  public:
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       std::uint32_t style) override {
        boxes.push_back({text, caption, style});
        return Next(answers, IDOK);
    }
    bool RunOpenDialog(FileDialogSpec& dialog) override { return RunFile(dialog, "open"); }
    bool RunSaveDialog(FileDialogSpec& dialog) override { return RunFile(dialog, "save"); }
    bool RunFontDialog(FontSpec& font,
                       const std::function<void(const FontSpec&)>& onApply) override {
        fontGiven.push_back(font);
        return fontDialog ? fontDialog(font, onApply) : false;
    }
    bool RunPrintDialog(PrinterChoice& printer) override {
        printDialogs.push_back(printer);
        return printAnswer ? printAnswer(printer) : false;
    }
    bool RunPrintSetupDialog(PrinterChoice& printer) override {
        printSetupDialogs.push_back(printer);
        return printSetupAnswer ? printSetupAnswer(printer) : false;
    }

    std::vector<ShownBox> boxes;
    std::deque<int> answers;
    // One entry per file dialog: the path to confirm, or empty to cancel.
    std::deque<std::string> fileAnswers;
    std::vector<std::pair<std::string, FileDialogSpec>> fileDialogs; // kind, dialog as shown
    std::function<bool(FontSpec&, const std::function<void(const FontSpec&)>&)> fontDialog;
    std::vector<FontSpec> fontGiven;
    std::function<bool(PrinterChoice&)> printAnswer, printSetupAnswer;
    std::vector<PrinterChoice> printDialogs, printSetupDialogs;

  private:
    template <typename T> static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
    bool RunFile(FileDialogSpec& dialog, const char* kind) {
        fileDialogs.push_back({kind, dialog});
        const std::string path = Next(fileAnswers, std::string());
        if (path.empty())
            return false;
        dialog.fileName = path;
        return true;
    }
};

// The counter, and sleeps that move it on punctually.
class FakeCounter : public IPerfCounter, public ISleeper {
  public:
    std::int64_t Now() override { return absent ? 0 : now += step; }
    std::int64_t Frequency() override { return frequency; }
    void SleepMicroseconds(std::int64_t microseconds) override {
        now += microseconds * frequency / 1000000;
    }
    void BeginFineSleeps() override {} // its sleeps are exact anyway
    void EndFineSleeps() override {}
    std::int64_t now = 1000;
    std::int64_t step = 1;
    std::int64_t frequency = 10000000;
    bool absent = false; // a machine without a high-resolution counter
};

class FakeDisplay : public IDisplay {
  public:
    int ScreenWidth() override { return width; }
    int ScreenHeight() override { return height; }
    std::vector<Rect32> Monitors() override {
        ++listings;
        return monitors;
    }
    int listings = 0; // each a round trip to the display server on a real system
    int width = 1024;
    int height = 768;
    std::vector<Rect32> monitors{{0, 0, 1024, 768}};
};

// A complete set of seams with a healthy machine; tests change what they need.
struct TestPlatform {
    ScriptedUi ui;
    FakeCounter counter;
    FakeDisplay display;
    bool msgbankPresent = true;
    std::uint32_t comctlVersion = 6u << 16;
    // File writes; a test puts in a failing one to play a broken disk.
    std::function<void(const std::string&, const std::string&)> replaceFile = ReplaceFileContents;
    std::vector<std::string> helpPages; // what the browser was asked to open
    std::uint32_t helpError = 0;

    // The seams; `realDisplay` puts the real monitors in place of the fake.
    Services services(IDisplay* realDisplay = nullptr) {
        return Services{
            ui,
            counter,
            counter,
            realDisplay ? *realDisplay : display,
            [this](const std::string& path) {
                if (path.size() >= 11 && path.compare(path.size() - 11, 11, "msgbank.dll") == 0)
                    return msgbankPresent;
                const DWORD a = GetFileAttributesA(path.c_str());
                return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
            },
            [this] { return comctlVersion; },
            [this](const std::string& path, const std::string& bytes) { replaceFile(path, bytes); },
            [this](const std::string& page) {
                helpPages.push_back(page);
                return helpError;
            }};
    }
};
