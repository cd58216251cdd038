// Scroll benchmark: what the real scroll loop achieves on this machine.
//
// Starts the real Application in-process (real counter, real monitors, real
// windows and GDI; boxes are only recorded so none can block), loads a
// generated script and plays it with the Play command for each delay. The
// step wait TForm4::RowDelay is wrapped to take performance-counter stamps
// as each wait starts and ends, so for every step:
//   period = start of this wait to the start of the next one
//   wait   = the real wait (its sampled message pump included)
//   cost   = period - wait: band move and the next row's copy, plus the
//            next line's drawing when a new line enters (reported apart).
// It reports achieved pixels per second against the nominal 1000 / wait,
// cost median and 99th percentile, period jitter, and Play-to-first-row (Play
// command to the end of the first row's copy onto the output window). A plain
// memmove of the band's bytes, timed in the same run, is the floor the cost
// is compared with. Each case stops itself after at most about 2 s of steps
// and is played `tries` times (argument 1, default 3); the fastest is shown.
// Output: one Markdown table row per case, sized by the primary screen, and
// "#cpu" lines (each try's first and last step, the try shown) by which
// scripts/bench.sh adds the program's CPU time, read from outside.
//
// Arguments: tries, mode (single or dual), script lines, start line, the
// delays, comma-separated, and optionally a count of remote devices: with the
// remote control on (as the settings file beside the bench says), the cases
// wait until that many live clients are connected, so every step is taken
// with them there. "timers" as the only argument instead times the
// system's timers (see Timers below), "load" runs the
// loading cases (see Loading below).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <windows.h>

#include <mmsystem.h>

#include "TestServices.h"
#include "app/Application.h"
#include "app/RemoteControl.h"
#include "editor/Memo.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"
#include "win/SleeperWin32.h"
#include "win/UniqueHandle.h"

namespace {

std::int64_t Stamp() {
    LARGE_INTEGER t{};
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double TicksToMs(double ticks) {
    static const double perMs = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    return ticks / perMs;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(v.size())));
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}

double StdDev(const std::vector<double>& v) {
    double mean = 0, sq = 0;
    for (double x : v)
        mean += x;
    mean /= static_cast<double>(v.size());
    for (double x : v)
        sq += (x - mean) * (x - mean);
    return std::sqrt(sq / static_cast<double>(v.size()));
}

// Prose-like lines of varying length, enough for every case.
std::string Script(int lines) {
    static const char* words[] = {"the",     "audience", "listens", "while", "our",
                                  "speaker", "reads",    "every",   "word",  "from",
                                  "a",       "steady",   "screen"};
    std::string text;
    for (int i = 0; i < lines; ++i) {
        const int count = 4 + (i * 7) % 6;
        for (int w = 0; w < count; ++w)
            text += std::string(w ? " " : "") + words[(i + w * 3) % 13];
        text += "\r\n";
    }
    return text;
}

// Median time of moving the band up one row in a plain buffer.
double MemmoveMs(const Rect32& band) {
    const std::size_t row = static_cast<std::size_t>(band.right - band.left) * 4;
    const std::size_t rows = static_cast<std::size_t>(band.bottom - band.top);
    std::vector<unsigned char> buffer((rows + 1) * row, 1);
    std::vector<double> times;
    for (int i = 0; i < 60; ++i) {
        const std::int64_t t0 = Stamp();
        std::memmove(buffer.data(), buffer.data() + row, rows * row);
        times.push_back(TicksToMs(static_cast<double>(Stamp() - t0)));
    }
    volatile unsigned char sink = buffer[rows * row / 2];
    (void)sink;
    return Percentile(times, 0.5);
}

struct Run {
    std::int64_t play = 0;
    std::vector<std::int64_t> enter, leave;
    std::vector<std::int32_t> line; // CurLine at each step
};

struct Case {
    bool dual = false;
    int lines = 600;
    int start = 0;
};

// The program's CPU time is read from outside the process (scripts/bench.sh
// reads it when these lines arrive), from the first step to the last.
void Mark(const char* what) {
    std::printf("#cpu %s\n", what);
    std::fflush(stdout);
}

void PlayCase(Application& app, const Case& c, std::uint8_t delay, std::size_t steps, Run& run) {
    TForm1& form1 = app.Form1();
    TForm4& out = *app.Form4();
    form1.SetSdelaY(delay);
    form1.Memo1().SetSelection(form1.Memo1().LineIndex(c.start), 0);
    form1.State().CursorLine = c.start;
    const auto wait = out.RowDelay;
    out.RowDelay = [&](std::int32_t d) {
        const std::int64_t start = Stamp();
        if (run.enter.size() == steps) {
            Mark("end");
            out.setkill(true); // enough: the loop ends at its next test
            return;
        }
        if (run.enter.empty())
            Mark("begin");
        run.enter.push_back(start);
        run.line.push_back(out.CurLine);
        wait(d);
        run.leave.push_back(Stamp());
    };
    run.play = Stamp();
    SendMessageA(form1.hwnd(), WM_COMMAND, static_cast<WPARAM>(MenuId::playbutton), 0);
    out.RowDelay = wait;
}

// Plays the case `tries` times and reports the least disturbed run (the
// fastest): on a shared machine other work only ever slows a run down.
void Report(Application& app, const Case& c, std::uint8_t delay, int tries) {
    const std::int32_t waitMs = StepWaitMs(delay, Direction::Forward);
    const std::size_t steps = static_cast<std::size_t>(std::min(2000, 2000 / waitMs));
    auto span = [](const Run& r) { return r.enter.empty() ? 0 : r.enter.back() - r.enter.front(); };
    Run run;
    int picked = 0;
    for (int t = 0; t < tries; ++t) {
        Run next;
        PlayCase(app, c, delay, steps, next);
        if (t == 0 || next.enter.size() > run.enter.size() ||
            (next.enter.size() == run.enter.size() && span(next) < span(run))) {
            run = std::move(next);
            picked = t;
        }
    }
    std::printf("#cpu pick %d\n", picked); // the CPU column shows this run's
    if (run.enter.size() < 3) {
        std::printf("| %d | %s | %d | %d | %d | (played only %zu steps) |\n",
                    app.services().display.ScreenWidth(), c.dual ? "dual" : "single", c.lines,
                    c.start, delay, run.enter.size());
        return;
    }
    std::vector<double> period, cost, wait, lineCost;
    for (std::size_t i = 0; i + 1 < run.enter.size(); ++i) {
        period.push_back(TicksToMs(static_cast<double>(run.enter[i + 1] - run.enter[i])));
        cost.push_back(TicksToMs(static_cast<double>(run.enter[i + 1] - run.leave[i])));
        wait.push_back(TicksToMs(static_cast<double>(run.leave[i] - run.enter[i])));
        if (run.line[i + 1] != run.line[i])
            lineCost.push_back(cost.back());
    }
    const double spanMs = TicksToMs(static_cast<double>(run.enter.back() - run.enter.front()));
    const double achieved = static_cast<double>(period.size()) * 1000.0 / spanMs;
    const double nominal = 1000.0 / waitMs;
    const double meanWait = [&] {
        double s = 0;
        for (double w : wait)
            s += w;
        return s / static_cast<double>(wait.size());
    }();
    const Rect32& band = app.Form4()->ScrollBand;
    const double floorMs = MemmoveMs(band);
    const double costMedian = Percentile(cost, 0.5);
    const double periodMedian = Percentile(period, 0.5);
    std::printf("| %dx%d | %s | %d | %d | %d | %dx%d | %zu | %.0f | %.0f | %.1f%% | %.3f | %.3f | "
                "%.3f | %.2f | %.3f | %.3f | %.3f | %.3f | %.3f | %.1f | %.1f | %.2f |\n",
                app.services().display.ScreenWidth(), app.services().display.ScreenHeight(),
                c.dual ? "dual" : "single", c.lines, c.start, delay, band.right - band.left,
                band.bottom - band.top, run.enter.size(), nominal, achieved,
                100.0 * achieved / nominal, costMedian, Percentile(cost, 0.99), floorMs,
                costMedian / floorMs, Percentile(lineCost, 0.5), meanWait, periodMedian,
                Percentile(period, 0.99) - periodMedian, StdDev(period), Percentile(period, 1.0),
                TicksToMs(static_cast<double>(run.enter.front() - run.play)),
                TicksToMs(static_cast<double>(app.Form4()->Engine().SpinTicks())));
    std::fflush(stdout);
}

// Arial 28, white on black, as the shipped look's readers see it.
void LookForTheBench(Application& app) {
    PrompterState& state = app.Form1().State();
    state.editorFont.name = "Arial";
    state.editorFont.sizePt = 28;
    state.editorFont.style = 0;
    state.editorFont.color = 0xFFFFFF;
    state.editorColor = 0x000000;
    app.Form1().ApplyEditorLook();
}

// --- Loading ---
// Script sizes of about 70 KB, 720 KB and 2.9 MB. For each: start-up to the
// main window shown and painted, without and with the script on the command
// line; Open of it in a running program; and the floor, one WM_SETTEXT into
// a bare word-wrapping edit control that already has the editor's final
// font, alignment and size. All in one run, the least of `tries`.
double SinceMs(std::int64_t t0) {
    return TicksToMs(static_cast<double>(Stamp() - t0));
}

// The program as it starts and shows, its boxes and file dialogs answered
// by script.
struct BenchProgram {
    ScriptedUi ui;
    Services real = ProductionServices();
    Application app{Services{ui, real.counter, real.sleeper, real.display, real.fileExists,
                             real.commonControlsVersionMS, real.replaceFile, real.openHelpPage}};

    bool StartAndShow(const std::vector<std::string>& args = {}) {
        if (!app.Start(args))
            return false;
        app.Form1().ShowAtStart();
        app.mainupdate();
        return true;
    }
    // A menu command whose file dialog is answered with `file`.
    void Command(MenuId id, const std::string& file) {
        ui.fileAnswers.push_back(file);
        SendMessageA(app.Form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
};

double StartUpMs(const std::vector<std::string>& args) {
    const std::int64_t t0 = Stamp();
    BenchProgram program;
    if (!program.StartAndShow(args))
        return -1;
    return SinceMs(t0);
}

double OpenMs(const std::string& path) {
    BenchProgram program;
    if (!program.StartAndShow())
        return -1;
    const std::int64_t t0 = Stamp();
    program.Command(MenuId::Open1, path);
    return SinceMs(t0);
}

// A settings file in another alignment (which re-creates the editor) that
// reopens the script, loaded while the editor holds that script; or, for the
// reading of the settings alone, names no script, loaded into an empty editor.
double SettingsLoadMs(const std::string& path, bool reopen) {
    BenchProgram program;
    if (!program.StartAndShow())
        return -1;
    if (reopen)
        program.Command(MenuId::Open1, path);
    const std::string settings = program.app.Form1().State().ProgramDir + "settings\\";
    const std::string file = settings + "bench-reopen.mes";
    CopyFileA((settings + "rollscript.mes").c_str(), file.c_str(), FALSE);
    WritePrivateProfileStringA("Options", "Centering", "0", file.c_str());
    WritePrivateProfileStringA("Options", "LJustify", "1", file.c_str());
    WritePrivateProfileStringA("Stuff", "LastFileLoaded", reopen ? path.c_str() : "", file.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    const std::int64_t t0 = Stamp();
    program.Command(MenuId::LoadConfiguration1, file);
    const double ms = SinceMs(t0);
    DeleteFileA(file.c_str());
    return ms;
}

// The bare control, sized and styled as the maximised editor is.
double FloorMs(const std::string& text, const RECT& editor, const FontSpec& font, DWORD align) {
    HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, editor.right, editor.bottom,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND edit = CreateWindowExA(
        0, "EDIT", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | align,
        0, 0, editor.right, editor.bottom, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    ScopedGetDC screen(nullptr);
    UniqueHfont hfont = CreateFontFor(font, GetDeviceCaps(screen.get(), LOGPIXELSY));
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(hfont.get()), FALSE);
    const std::int64_t t0 = Stamp();
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const double ms = SinceMs(t0);
    DestroyWindow(host);
    return ms;
}

// The least disturbed of the tries, as the scroll cases show theirs.
double Least(std::vector<double> v) {
    return Percentile(std::move(v), 0.0);
}

int RunLoading() {
    const int tries = 5;
    char folder[MAX_PATH] = {0};
    GetTempPathA(sizeof folder, folder);
    // The editor's final size and look, taken from a started program.
    RECT editor{};
    FontSpec font;
    DWORD align = ES_CENTER;
    {
        BenchProgram program;
        if (!program.StartAndShow())
            return 1;
        Application& app = program.app;
        GetClientRect(app.Form1().Memo1().hwnd(), &editor);
        font = app.Form1().State().editorFont;
        const LONG style = GetWindowLongA(app.Form1().Memo1().hwnd(), GWL_STYLE);
        align = static_cast<DWORD>(style & (ES_CENTER | ES_RIGHT));
    }
    std::vector<double> without;
    for (int t = 0; t < tries; ++t)
        without.push_back(StartUpMs({}));
    std::vector<double> settingsAlone;
    for (int t = 0; t < tries; ++t)
        settingsAlone.push_back(SettingsLoadMs("", false));
    std::printf("| Script | Lines | Start-up without script ms | Start-up with script ms | "
                "Extra at start-up ms | Open ms | Settings load without script ms | "
                "Settings load reopening it ms | Extra of the reopen ms | WM_SETTEXT floor ms | "
                "Extra at start-up / floor | Open / floor | Extra of the reopen / floor |\n"
                "|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (int lines : {1000, 10000, 40000}) {
        // Two prose lines to a paragraph, about 72 bytes a line as scripts run.
        const std::string prose = Script(lines * 2);
        std::string text;
        bool joinNext = true;
        for (std::size_t i = 0; i < prose.size(); ++i) {
            if (prose[i] == '\r') {
                text += joinNext ? " " : "\r\n";
                joinNext = !joinNext;
                ++i; // the LF
                continue;
            }
            text += prose[i];
        }
        const std::string path = std::string(folder) + "bench-" + std::to_string(lines) + ".txt";
        {
            std::FILE* f = std::fopen(path.c_str(), "wb");
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        std::vector<double> with, open, settings, floor;
        for (int t = 0; t < tries; ++t) {
            with.push_back(StartUpMs({path}));
            open.push_back(OpenMs(path));
            settings.push_back(SettingsLoadMs(path, true));
            floor.push_back(FloorMs(text, editor, font, align));
        }
        const double extra = Least(with) - Least(without);
        const double f = Least(floor);
        const double reopenExtra = Least(settings) - Least(settingsAlone);
        std::printf("| %zu KB | %d | %.0f | %.0f | %.0f | %.0f | %.0f | %.0f | %.0f | %.0f | %.2f | "
                    "%.2f | %.2f |\n",
                    text.size() / 1024, lines, Least(without), Least(with), extra, Least(open),
                    Least(settingsAlone), Least(settings), reopenExtra, f, extra / f,
                    Least(open) / f, reopenExtra / f);
        std::fflush(stdout);
        DeleteFileA(path.c_str());
    }
    return 0;
}

// --- Timers ---
// What the system's timers give a sleep: for each kind, sleeps of 1, 5 and
// 13 ms (the sleep of a Delay 15 step), each timed on the counter; lateness
// is the time slept beyond the time asked for. The step wait's margin has to
// cover it.
struct Lateness {
    double median, p99, max;
};

template <class SleepFn> Lateness TimeSleeps(SleepFn sleep, int microseconds, int count) {
    std::vector<double> late;
    for (int i = 0; i < count; ++i) {
        const std::int64_t t0 = Stamp();
        sleep(microseconds);
        late.push_back(TicksToMs(static_cast<double>(Stamp() - t0)) - microseconds / 1000.0);
    }
    return {Percentile(late, 0.5), Percentile(late, 0.99), Percentile(late, 1.0)};
}

int RunTimers() {
    using Timer = UniqueHandle<HANDLE, KernelHandleClose>;
    const Timer fine(CreateWaitableTimerExW(nullptr, nullptr, 0x2, TIMER_ALL_ACCESS));
    const DWORD refused = fine ? 0 : GetLastError();
    const Timer plain(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
    auto onTimer = [](HANDLE timer) {
        return [timer](int microseconds) {
            LARGE_INTEGER due{};
            due.QuadPart = -static_cast<LONGLONG>(microseconds) * 10;
            SetWaitableTimerEx(timer, &due, 0, nullptr, nullptr, nullptr, 0);
            WaitForSingleObject(timer, INFINITE);
        };
    };
    auto row = [](const char* kind, auto sleep) {
        for (int us : {1000, 5000, 13000}) {
            const Lateness l = TimeSleeps(sleep, us, 200);
            std::printf("| %s | %d | %.3f | %.3f | %.3f |\n", kind, us / 1000, l.median, l.p99,
                        l.max);
            std::fflush(stdout);
        }
    };
    std::printf("| Timer | Asked ms | Late median ms | Late p99 ms | Late max ms |\n");
    std::printf("|---|---|---|---|---|\n");
    Win32Sleeper program;
    {
        FineSleeps during(program);
        row("the program's sleeper", [&program](int us) { program.SleepMicroseconds(us); });
    }
    if (fine)
        row("waitable, high resolution", onTimer(fine.get()));
    else
        std::printf("| waitable, high resolution | (refused: %lu) | | | |\n", refused);
    row("waitable", onTimer(plain.get()));
    timeBeginPeriod(1);
    row("waitable, timeBeginPeriod(1)", onTimer(plain.get()));
    row("Sleep, timeBeginPeriod(1)", [](int us) { Sleep(static_cast<DWORD>(us / 1000)); });
    timeEndPeriod(1);
    row("Sleep", [](int us) { Sleep(static_cast<DWORD>(us / 1000)); });
    return 0;
}

// The clients connect from outside; the loop's messages run meanwhile as
// they would in the program.
bool AwaitDevices(Application& app, int devices) {
    RemoteControl& remote = *app.Remote();
    if (!remote.Running()) {
        std::fprintf(stderr, "remote: not running (%s)\n", remote.Error().c_str());
        return false;
    }
    for (int i = 0; i < 600 && remote.ConnectedDevices() < devices; ++i) {
        app.mainupdate();
        Sleep(50);
    }
    std::fprintf(stderr, "remote: %d devices connected\n", remote.ConnectedDevices());
    return remote.ConnectedDevices() >= devices;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "load") == 0)
        return RunLoading();
    if (argc > 1 && std::strcmp(argv[1], "timers") == 0)
        return RunTimers();
    const int tries = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    Case c;
    c.dual = argc > 2 && std::strcmp(argv[2], "dual") == 0;
    c.lines = argc > 3 ? std::max(1, std::atoi(argv[3])) : 600;
    c.start = argc > 4 ? std::clamp(std::atoi(argv[4]), 0, c.lines - 1) : 0;
    std::vector<int> delays{0, 1, 10, 30};
    if (argc > 5) {
        delays.clear();
        for (const char* d = argv[5]; *d;) {
            delays.push_back(std::atoi(d));
            while (*d && *d != ',')
                ++d;
            if (*d == ',')
                ++d;
        }
    }
    ScriptedUi ui; // a box must not block an unattended run; it is reported below
    Services real = ProductionServices();
    Application app(Services{ui, real.counter, real.sleeper, real.display, real.fileExists,
                             real.commonControlsVersionMS, real.replaceFile, real.openHelpPage});
    if (!app.Start({})) {
        std::fprintf(stderr, "start-up failed\n");
        return 1;
    }
    if (argc > 6 && !AwaitDevices(app, std::atoi(argv[6])))
        return 1;
    if (c.dual && real.display.Monitors().size() < 2) {
        std::fprintf(stderr, "dual: this display has one monitor\n");
        return 1;
    }
    LookForTheBench(app);
    app.Form1().Memo1().SetText(Script(c.lines));
    if (c.dual) {
        app.Form1().State().menu.SetChecked(MenuId::UseSecondMonitorforScrolling1, true);
        ShowWindow(app.Form1().hwnd(), SW_SHOW);
        app.mainupdate();
    }
    for (int delay : delays)
        Report(app, c, static_cast<std::uint8_t>(delay), tries);
    for (const ShownBox& box : ui.boxes)
        std::fprintf(stderr, "box shown: %s\n", box.text.c_str());
    return ui.boxes.empty() ? 0 : 1;
}
