#pragma once
// Scripted platform seams for in-process tests.
#include <deque>
#include <string>
#include <vector>

#include <windows.h>

#include "app/Services.h"
#include "win/Display.h"
#include "win/ModalUi.h"
#include "win/PerfCounter.h"

struct ShownBox {
    std::string text;
    std::string caption;
    std::uint32_t style;
};

// Records every box and answers with the buttons the test queued (IDOK when
// nothing is queued).
class ScriptedUi : public IModalUi {
  public:
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       std::uint32_t style) override {
        boxes.push_back({text, caption, style});
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<ShownBox> boxes;
    std::deque<int> answers;
};

class FakeCounter : public IPerfCounter {
  public:
    std::int64_t Now() override { return absent ? 0 : now += step; }
    std::int64_t Frequency() override { return frequency; }
    std::int64_t now = 1000;
    std::int64_t step = 1;
    std::int64_t frequency = 10000000;
    bool absent = false; // a machine without a high-resolution counter
};

class FakeDisplay : public IDisplay {
  public:
    int ScreenWidth() override { return width; }
    int ScreenHeight() override { return height; }
    std::vector<Rect32> Monitors() override { return monitors; }
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

    Services services() {
        return Services{ui, counter, display,
                        [this](const std::string& path) {
                            if (path.size() >= 11 &&
                                path.compare(path.size() - 11, 11, "msgbank.dll") == 0)
                                return msgbankPresent;
                            const DWORD a = GetFileAttributesA(path.c_str());
                            return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
                        },
                        [this] { return comctlVersion; }};
    }
};
