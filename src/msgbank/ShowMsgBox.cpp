#include "msgbank/ShowMsgBox.h"
#include "win/ModalUi.h"

int ShowMsgBox(IModalUi& ui, std::string_view text, std::string_view caption, int kind) {
    const int button = ui.ShowMessageBox(
        msgbox::EffectiveText(text), msgbox::EffectiveCaption(caption), msgbox::StyleForKind(kind));
    return msgbox::AnswerForButton(button);
}
