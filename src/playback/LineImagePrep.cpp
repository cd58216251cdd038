// The output window's line image and the editor's preview image: made at
// start-up, set up from the editor's font once per playback.
#include <exception>

#include "app/Program.h"
#include "editor/mainformVantel.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "playback/BlackScrollvantel.h"
#include "render/OutputRect.h"
#include "win/Display.h"

bool TForm4::CreateLineImages() {
    LineImage.reset();
    LineImage = std::make_unique<OffscreenImage>();
    LineImage->SetSize(2, 2);
    form1_.PreviewImage.reset();
    form1_.PreviewImage = std::make_unique<OffscreenImage>();
    return true;
}

void TForm4::FreeLineImages() {
    form1_.PreviewImage.reset();
    LineImage.reset();
}

bool TForm4::HasPreviewImage() const {
    return form1_.PreviewImage != nullptr;
}

bool TForm4::UpdateOutputRect() {
    if (!hwnd())
        return false;
    PrompterState& state = form1_.State();
    state.Sc_Tr = OutputRectFor(Monitor0(app_.services().display), state.UseReverse(),
                                state.editorFont.Has(kStyleItalic));
    return true;
}

void TForm4::ApplyEditorFont() {
    if (!LineImage)
        return;
    const PrompterState& state = form1_.State();
    SetMapMode(LineImage->dc(), MM_TEXT);
    LineImage->SetFont(state.editorFont);
    LineImage->SetFontColor(state.editorFont.color);
    LineImage->SetBrushColor(state.FormColor);
}

void TForm4::ConfigureLineImage() {
    if (!LineImage)
        CreateLineImages();
    const Rect32& area = form1_.State().Sc_Tr;
    const int width = area.right - area.left;
    ApplyEditorFont();
    if (LineImage->Width() != width)
        LineImage->SetWidth(width);
    // "Wg" spans the font's full cell, so lines follow without a gap.
    const int height = LineImage->TextHeight("Wg");
    if (LineImage->Height() != height)
        LineImage->SetHeight(height);
    LineHeight = LineImage->Height();
    LineWidth = LineImage->Width();
}

bool TForm4::PrepareLineImage() {
    if (!hwnd())
        return false;
    try {
        if (!LineImage)
            CreateLineImages();
        if (form1_.State().UseReverse() && !LineImage->Is565())
            LineImage->ConvertTo565();
        ConfigureLineImage();
        return true;
    } catch (const std::exception& e) {
        ShowMsgBox(app_.services().ui, GetMsgText(31) + ", " + e.what(), kProductTitle, 3);
        return false;
    }
}

bool TForm4::PrepareForPlay() {
    if (hwnd()) {
        UpdateOutputRect();
        if (form1_.IsVisible())
            form1_.ShowStatseX();
    }
    return PrepareLineImage();
}

void TForm4::SyncPreviewImage() {
    OffscreenImage* preview = form1_.PreviewImage.get();
    if (!preview)
        return;
    const PrompterState& state = form1_.State();
    // Face and size follow the editor; the preview keeps a regular style.
    FontSpec font = preview->Font();
    font.name = state.editorFont.name;
    if (state.editorFont.sizePt != form1_.PreviewFontSize)
        form1_.PreviewFontSize = static_cast<std::uint16_t>(state.editorFont.sizePt);
    font.sizePt = form1_.PreviewFontSize;
    font.style = 0;
    preview->SetFont(font);
    if (!DualScreenActive() || !LineImage)
        return;
    RECT editor{};
    GetWindowRect(form1_.Memo1().hwnd(), &editor);
    const int width = editor.right - editor.left;
    if (preview->Width() != width)
        preview->SetWidth(width);
    if (preview->Height() != LineImage->Height())
        preview->SetHeight(LineImage->Height());
    if (preview->BrushColor() != state.editorColor)
        preview->SetBrushColor(state.editorColor);
    if (preview->FontColor() != state.TextColor)
        preview->SetFontColor(state.TextColor);
}
