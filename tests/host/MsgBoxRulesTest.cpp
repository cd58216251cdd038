#include <gtest/gtest.h>

#include "msgbank/MsgBoxRules.h"
#include "msgbank/ShowMsgBox.h"
#include "win/ModalUi.h"

namespace {
using namespace msgbox;

TEST(MsgBoxStyle, EachKindHasItsStyle) {
    EXPECT_EQ(StyleForKind(0), 0x23u);
    EXPECT_EQ(StyleForKind(1), 0x1010u);
    EXPECT_EQ(StyleForKind(2), 0x30u);
    EXPECT_EQ(StyleForKind(3), 0x20u);
    EXPECT_EQ(StyleForKind(4), 0x40u);
    EXPECT_EQ(StyleForKind(8), 0x14u);
    EXPECT_EQ(StyleForKind(9), 0x2024u);
    for (int kind : {5, 6, 7, 10, -1, 255})
        EXPECT_EQ(StyleForKind(kind), 0x20u) << "kind " << kind;
}

TEST(MsgBoxCaption, OnlyCaptionsAboveOneBlankAreShown) {
    EXPECT_EQ(EffectiveCaption(""), "");
    EXPECT_EQ(EffectiveCaption(" "), "");
    EXPECT_EQ(EffectiveCaption("\t"), "");
    EXPECT_EQ(EffectiveCaption("  "), "  ");
    EXPECT_EQ(EffectiveCaption("Cuecraft"), "Cuecraft");
    EXPECT_EQ(EffectiveCaption("\xE9t\xE9"), "\xE9t\xE9"); // bytes compare unsigned
}

TEST(MsgBoxText, IsCutTo255Characters) {
    EXPECT_EQ(EffectiveText(std::string(300, 'x')).size(), 255u);
    EXPECT_EQ(EffectiveText("short"), "short");
    // Characters, not bytes: a Cyrillic path keeps 255 letters, and a
    // character outside the first plane (two UTF-16 units) is never halved.
    std::string cyrillic;
    for (int i = 0; i < 300; ++i)
        cyrillic += "\xD0\xB6"; // ж
    EXPECT_EQ(EffectiveText(cyrillic), cyrillic.substr(0, 255 * 2));
    const std::string emoji = std::string(254, 'x') + "\xF0\x9F\x98\x80";
    EXPECT_EQ(EffectiveText(emoji), std::string(254, 'x'));
    EXPECT_EQ(EffectiveText(std::string(253, 'x') + "\xF0\x9F\x98\x80"),
              std::string(253, 'x') + "\xF0\x9F\x98\x80");
}

TEST(MsgBoxAnswer, ButtonsMapToAnswers) {
    EXPECT_EQ(AnswerForButton(6), kYes);    // IDYES
    EXPECT_EQ(AnswerForButton(7), kNo);     // IDNO
    EXPECT_EQ(AnswerForButton(2), kCancel); // IDCANCEL
    EXPECT_EQ(AnswerForButton(1), kNone);   // IDOK
    EXPECT_EQ(AnswerForButton(0), kNone);   // no box
}

class RecordingUi : public IModalUi {
  public:
    int ShowMessageBox(const std::string& text, const std::string& caption,
                       std::uint32_t style) override {
        lastText = text;
        lastCaption = caption;
        lastStyle = style;
        return button;
    }
    bool RunOpenDialog(FileDialogSpec&) override { return false; }
    bool RunSaveDialog(FileDialogSpec&) override { return false; }
    bool RunFontDialog(FontSpec&, const std::function<void(const FontSpec&)>&) override {
        return false;
    }
    bool RunPrintDialog(PrinterChoice&) override { return false; }
    bool RunPrintSetupDialog(PrinterChoice&) override { return false; }
    std::string lastText, lastCaption;
    std::uint32_t lastStyle = 0;
    int button = 1;
};

TEST(ShowMsgBox, PassesTextCaptionAndStyleAndMapsTheAnswer) {
    RecordingUi ui;
    ui.button = 2;
    EXPECT_EQ(ShowMsgBox(ui, "Save?", "Cuecraft", 0), kCancel);
    EXPECT_EQ(ui.lastText, "Save?");
    EXPECT_EQ(ui.lastCaption, "Cuecraft");
    EXPECT_EQ(ui.lastStyle, 0x23u);
    ui.button = 6;
    EXPECT_EQ(ShowMsgBox(ui, "Quit?", " ", 9), kYes);
    EXPECT_EQ(ui.lastCaption, "");
    EXPECT_EQ(ui.lastStyle, 0x2024u);
}

} // namespace
