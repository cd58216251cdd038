// ShowMsgBox through the real MessageBoxExA, answered by a real button.
#include <gtest/gtest.h>

#include "MsgBoxHook.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "win/ModalUi.h"

namespace {

struct KindCase {
    int kind;
    std::vector<int> buttons;
    int press;
    int answer;
};

TEST(ShowMsgBoxReal, EachKindShowsItsButtonsAndMapsTheAnswer) {
    const KindCase cases[] = {
        {0, {IDYES, IDNO, IDCANCEL}, IDCANCEL, 3},
        {0, {IDYES, IDNO, IDCANCEL}, IDYES, 1},
        {1, {IDOK}, IDOK, 0},
        {2, {IDOK}, IDOK, 0},
        {3, {IDOK}, IDOK, 0},
        {4, {IDOK}, IDOK, 0},
        {7, {IDOK}, IDOK, 0},
        {8, {IDYES, IDNO}, IDNO, 2},
        {9, {IDYES, IDNO}, IDYES, 1},
        {9, {IDYES, IDNO}, IDNO, 2},
    };
    Win32ModalUi ui;
    for (const KindCase& c : cases) {
        MsgBoxAnswerer answerer(c.press);
        EXPECT_EQ(ShowMsgBox(ui, "Question text", "Cuecraft", c.kind), c.answer)
            << "kind " << c.kind;
        ASSERT_EQ(answerer.seen().size(), 1u) << "kind " << c.kind;
        const SeenBox& box = answerer.seen()[0];
        EXPECT_EQ(box.caption, "Cuecraft");
        EXPECT_EQ(box.text, "Question text");
        std::vector<int> buttons = box.buttons;
        std::sort(buttons.begin(), buttons.end());
        std::vector<int> want = c.buttons;
        std::sort(want.begin(), want.end());
        EXPECT_EQ(buttons, want) << "kind " << c.kind;
    }
}

TEST(ShowMsgBoxReal, BlankCaptionShowsAnEmptyTitle) {
    Win32ModalUi ui;
    for (const char* caption : {"", " "}) {
        MsgBoxAnswerer answerer(IDOK);
        ShowMsgBox(ui, "x", caption, 3);
        ASSERT_EQ(answerer.seen().size(), 1u);
        EXPECT_EQ(answerer.seen()[0].caption, "");
    }
}

TEST(MsgBankDll, TextsComeThroughTheImportedExport) {
    EXPECT_EQ(GetMsgText(442), "does support your current screen resolution.");
    EXPECT_EQ(GetMsgText(0), "No Msg From DLL 0");
    EXPECT_EQ(GetMsgText(28), "Open A ");
    EXPECT_EQ(GetMsgText(591), "Unknown Message");
    HMODULE dll = GetModuleHandleA("msgbank.dll");
    ASSERT_NE(dll, nullptr) << "bound at load time through the import table";
    EXPECT_NE(GetProcAddress(dll, "GETZEBMSG"), nullptr) << "exported undecorated";
}

} // namespace
