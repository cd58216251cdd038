#pragma once
// A started program with its main window shown at a fixed size, for the
// editor tests.
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "win/Wide.h"
#include "TestServices.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "playback/BlackScrollvantel.h"

class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        dir = std::string(temp) + "cuecraft-editor-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        Start();
    }
    void TearDown() override {
        app.reset();
        RemoveAll();
    }
    virtual std::vector<std::string> Args() { return {}; }
    void Start() {
        app = std::make_unique<Application>(platform.services());
        ASSERT_TRUE(app->Start(Args()));
        ShowWindow(form1().hwnd(), SW_SHOWNORMAL);
        SetWindowPos(form1().hwnd(), nullptr, 0, 0, 800, 600, SWP_NOZORDER);
        app->mainupdate();
    }

    TForm1& form1() { return app->Form1(); }
    Memo& memo() { return form1().Memo1(); }
    PrompterState& state() { return form1().State(); }
    std::string Panel(int n) { return form1().StatusBar1().Text(n); }
    void Command(MenuId id) {
        SendMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    // UTF-8 text, typed a character at a time as the keyboard sends it.
    void Type(const std::string& text) {
        for (wchar_t c : Widen(text))
            SendMessageW(memo().hwnd(), WM_CHAR, c, 0);
    }

    std::string Path(const std::string& name) { return dir + name; }
    void WriteFile(const std::string& name, const std::string& bytes) {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& name) {
        std::ifstream in(Path(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool Exists(const std::string& name) {
        return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void RemoveAll() {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((dir + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = dir + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }

    TestPlatform platform;
    std::unique_ptr<Application> app;
    std::string dir;
};
