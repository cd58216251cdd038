// Help > About, Help > "&Help " and F1 on highlighted menu items.
#include <gtest/gtest.h>

#include "DialogWatcher.h"
#include "TestServices.h"
#include "accessory/About.h"
#include "accessory/HelpTopics.h"
#include "app/Application.h"
#include "editor/mainformVantel.h"
#include "win/Dpi.h"
#include "win/FileIo.h"
#include "win/HelpBrowser.h"
#include "win/Wide.h"

namespace {

std::string Text(HWND hwnd) {
    char text[256] = {0};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

RECT ClientRectIn(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class AboutAndHelp : public ::testing::Test {
  protected:
    void SetUp() override {
        app = std::make_unique<Application>(platform.services());
        ASSERT_TRUE(app->Start({}));
        ShowWindow(form1().hwnd(), SW_SHOW);
        SetForegroundWindow(form1().hwnd());
    }
    TForm1& form1() { return app->Form1(); }
    void Command(MenuId id) {
        SendMessageA(form1().hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    std::string Topic(int context) {
        return form1().State().ProgramDir + "help\\topic" + std::to_string(context) + ".html";
    }
    TestPlatform platform;
    std::unique_ptr<Application> app;
};

struct SeenAbout {
    std::string caption, label1, statictext1, notice, ok;
    RECT client{}, label1Rect{}, titleRect{}, noticeRect{}, okRect{};
    LONG style = 0;
    int defaultId = 0;
    bool closed = false;
};

// Opens the About box, reads it and closes it with the given key.
SeenAbout OpenAbout(HWND form, WPARAM closingKey) {
    SeenAbout seen;
    HWND box = nullptr;
    DialogWatcher watcher([&](HWND dlg) {
        box = dlg;
        seen.caption = Text(dlg);
        GetClientRect(dlg, &seen.client);
        seen.style = GetWindowLongA(dlg, GWL_STYLE);
        seen.defaultId = LOWORD(SendMessageA(dlg, DM_GETDEFID, 0, 0));
        HWND label1 = GetDlgItem(dlg, TAboutForm::kLabel1Id);
        HWND title = GetDlgItem(dlg, TAboutForm::kStatictext1Id);
        HWND notice = GetDlgItem(dlg, TAboutForm::kNoticeId);
        HWND ok = GetDlgItem(dlg, IDOK);
        seen.label1 = Text(label1);
        seen.statictext1 = Text(title);
        seen.notice = Text(notice);
        seen.ok = Text(ok);
        seen.label1Rect = ClientRectIn(label1, dlg);
        seen.titleRect = ClientRectIn(title, dlg);
        seen.noticeRect = ClientRectIn(notice, dlg);
        seen.okRect = ClientRectIn(ok, dlg);
        PostMessageA(GetFocus() ? GetFocus() : dlg, WM_KEYDOWN, closingKey, 0);
    });
    SendMessageA(form, WM_COMMAND, static_cast<WPARAM>(MenuId::About2), 0);
    seen.closed = box && !IsWindow(box);
    return seen;
}

TEST_F(AboutAndHelp, AboutBoxShowsOutputSizeProductAndVersion) {
    form1().State().Sc_Tr = {0, 0, 1280, 1024};
    const SeenAbout seen = OpenAbout(form1().hwnd(), VK_RETURN);
    ASSERT_TRUE(seen.closed) << "Enter presses the default button";
    EXPECT_EQ(seen.caption, "About Cuecraft");
    EXPECT_EQ(seen.label1, "1280  1024");
    EXPECT_EQ(seen.statictext1, "Cuecraft 1.3.2.44");
    EXPECT_FALSE(seen.notice.empty());
    EXPECT_EQ(seen.ok, "&OK");
    EXPECT_EQ(seen.defaultId, IDOK);
    // Designed at 96 DPI, scaled with the display.
    const int dpi = WindowDpi(form1().hwnd());
    const auto px = [dpi](int at96) { return ScaleForDpi(at96, dpi); };
    EXPECT_EQ(seen.client.right, px(362));
    EXPECT_EQ(seen.client.bottom, px(169));
    EXPECT_EQ(seen.label1Rect.left, px(13));
    EXPECT_EQ(seen.label1Rect.top, px(80));
    EXPECT_EQ(seen.okRect.left, px(144));
    EXPECT_EQ(seen.okRect.top, px(96));
    EXPECT_EQ(seen.okRect.right - seen.okRect.left, px(65));
    EXPECT_EQ(seen.okRect.bottom - seen.okRect.top, px(23));
    EXPECT_EQ(seen.noticeRect.bottom, px(169)) << "the notice lies at the very bottom";
    EXPECT_EQ(seen.titleRect.bottom, seen.noticeRect.top);
    EXPECT_EQ(seen.titleRect.bottom - seen.titleRect.top, px(29));
    EXPECT_TRUE(seen.style & WS_SYSMENU);
    EXPECT_FALSE(seen.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
}

TEST_F(AboutAndHelp, AboutBoxBeforeAnyOutputAreaAndWithoutVersionClosesWithEsc) {
    form1().State().Sc_Tr = {};
    form1().State().Ver = "";
    const SeenAbout seen = OpenAbout(form1().hwnd(), VK_ESCAPE);
    ASSERT_TRUE(seen.closed) << "Esc is the cancel button";
    EXPECT_EQ(seen.label1, "0  0");
    EXPECT_EQ(seen.statictext1, "Cuecraft ");
}

TEST_F(AboutAndHelp, HelpCommandOpensTheContentsPage) {
    Command(MenuId::MenuHelp1);
    EXPECT_EQ(platform.helpPages,
              (std::vector<std::string>{form1().State().ProgramDir + "help\\index.html"}));
}

// F1 arrives as WM_HELP for the item the menu reported highlighted last.
TEST_F(AboutAndHelp, F1OnEveryItemOfTheTableOpensItsTopic) {
    HMENU bar = GetMenu(form1().hwnd());
    for (const MenuHelpTopic& topic : MenuHelpTopics()) {
        platform.helpPages.clear();
        const MenuItemDef& def = MenuDef(topic.item);
        if (def.parent == MenuId::None) {
            int position = 0;
            while (GetMenuItemID(bar, position) != static_cast<UINT>(topic.item)) {
                MENUITEMINFOA info{};
                info.cbSize = sizeof info;
                info.fMask = MIIM_ID;
                GetMenuItemInfoA(bar, position, TRUE, &info);
                if (info.wID == static_cast<UINT>(topic.item))
                    break;
                ++position;
            }
            SendMessageA(form1().hwnd(), WM_MENUSELECT, MAKEWPARAM(position, MF_POPUP),
                         reinterpret_cast<LPARAM>(bar));
        } else {
            SendMessageA(form1().hwnd(), WM_MENUSELECT,
                         MAKEWPARAM(static_cast<UINT>(topic.item), 0),
                         reinterpret_cast<LPARAM>(bar));
        }
        HELPINFO info{sizeof info, HELPINFO_MENUITEM, 0, nullptr, 0, {}};
        SendMessageA(form1().hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(platform.helpPages, (std::vector<std::string>{Topic(topic.context)}))
            << def.caption;
    }
}

TEST_F(AboutAndHelp, ItemsWithoutATopicOpenNothing) {
    for (MenuId item : {MenuId::About2, MenuId::BlackonWhite1, MenuId::playbutton, MenuId::Exit2}) {
        SendMessageA(form1().hwnd(), WM_MENUSELECT, MAKEWPARAM(static_cast<UINT>(item), 0),
                     reinterpret_cast<LPARAM>(GetMenu(form1().hwnd())));
        HELPINFO info{sizeof info, HELPINFO_MENUITEM, static_cast<int>(item), nullptr, 0, {}};
        SendMessageA(form1().hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }
    EXPECT_TRUE(platform.helpPages.empty());
}

// The real menu loop. The keys go in once the menu is open: the system opens
// it with a key of its own that must come first.
thread_local std::vector<WPARAM> menuKeys;
thread_local HWND menuOwner = nullptr;
void CALLBACK PostMenuKeys(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (WPARAM key : menuKeys)
        PostMessageA(menuOwner, WM_KEYDOWN, key, 0);
}

void PressInMenu(HWND form, WPARAM accessKey, std::vector<WPARAM> keys) {
    keys.push_back(VK_F1);
    keys.push_back(VK_ESCAPE);
    keys.push_back(VK_ESCAPE);
    menuKeys = keys;
    menuOwner = form;
    SetTimer(nullptr, 0, 20, PostMenuKeys);
    SendMessageA(form, WM_SYSCOMMAND, SC_KEYMENU, accessKey);
    MSG left;
    while (PeekMessageA(&left, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
}

TEST_F(AboutAndHelp, F1InTheOpenMenuOpensTheHighlightedItemsTopic) {
    struct Case {
        WPARAM menuKey; // 0: the bar alone, its first title highlighted
        std::vector<WPARAM> keys;
        int context;
    };
    const Case cases[] = {
        {0, {}, 11},                          // the File title
        {'f', {}, 12},                        // New, first of File
        {'f', {VK_UP}, 199},                  // Exit, last of File
        {'f', {VK_UP, VK_UP}, 110},           // Print Setup
        {'o', {VK_UP}, 410},                  // Right Justify, last of Font
        {'h', {}, 91},                        // "&Help "
        {0, {VK_LEFT, VK_LEFT, VK_LEFT}, 96}, // the Help title: system menu, Exit, Help
    };
    for (const Case& c : cases) {
        platform.helpPages.clear();
        PressInMenu(form1().hwnd(), c.menuKey, c.keys);
        EXPECT_EQ(platform.helpPages, (std::vector<std::string>{Topic(c.context)}))
            << "topic " << c.context;
    }
}

TEST_F(AboutAndHelp, AMissingHelpPageIsReportedInTheStandardErrorBox) {
    platform.helpError = ERROR_FILE_NOT_FOUND;
    Command(MenuId::MenuHelp1);
    ASSERT_EQ(platform.ui.boxes.size(), 1u);
    EXPECT_NE(platform.ui.boxes[0].text.find("help\\index.html"), std::string::npos);
    EXPECT_EQ(platform.ui.boxes[0].caption, "rollscript");

    platform.helpError = ERROR_NO_ASSOCIATION;
    Command(MenuId::MenuHelp1);
    ASSERT_EQ(platform.ui.boxes.size(), 2u);
    const std::string& text = platform.ui.boxes[1].text;
    EXPECT_EQ(text.find("No program is set up to open the help pages. They are in "), 0u) << text;
    EXPECT_NE(text.find("\\help; open index.html there"), std::string::npos) << text;
    EXPECT_EQ(text.find('%'), std::string::npos) << "no unfilled platform text";
}

// The shell takes no path of 260 characters: a page under a program folder
// that long opens as the same page under a short one does. Pages of a type
// of the test's own open with a program that does nothing.
TEST(HelpBrowser, APageUnderAFolderPastTheShellsLimitOpensAsAnyOther) {
    const wchar_t* const type = L".cuecrafthelp";
    const wchar_t* const kind = L"CuecraftHelpTest";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, type, nullptr, REG_SZ, L"CuecraftHelpTest", 34);
    const std::wstring command = L"cmd.exe /c rem \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (std::wstring(kind) + L"\\shell\\open\\command").c_str(),
                    nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::string root = Narrow(temp) + "cuecraft-help-" + std::to_string(GetCurrentProcessId());
    std::vector<std::string> folders{root};
    while (folders.back().size() < 300)
        folders.push_back(folders.back() + "\\" + std::string(60, 'h'));
    for (const std::string& folder : folders)
        CreateDirectoryW(FileSystemPath(folder).c_str(), nullptr);
    const std::string nearPage = root + "\\index.cuecrafthelp";
    const std::string farPage = folders.back() + "\\index.cuecrafthelp";
    for (const std::string& page : {nearPage, farPage})
        ReplaceFileContents(page, "<html></html>");

    EXPECT_EQ(OpenInDefaultBrowser(nearPage), 0u) << "the test's own type opens";
    EXPECT_EQ(OpenInDefaultBrowser(farPage), 0u) << "a page " << farPage.size() << " long";

    for (const std::string& page : {nearPage, farPage})
        DeleteFileW(FileSystemPath(page).c_str());
    for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder)
        RemoveDirectoryW(FileSystemPath(*folder).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, type);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kind);
}

} // namespace
