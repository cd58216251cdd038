// The output window's line image and the editor's preview image: made at
// start-up, set up from the editor's font once per playback.
#include <exception>

#include "accessory/CPanel1unit.h"
#include "app/model/Program.h"
#include "msgbank/MsgText.h"
#include "msgbank/ShowMsgBox.h"
#include "playback/BlackScrollvantel.h"
#include "render/OutputRect.h"
#include "win/Display.h"

bool TForm4::CreateLineImages() {
    LineImage.reset();
    LineImage = std::make_unique<OffscreenImage>();
    LineImage->SetSize(2, 2);
    editor_.PreviewImage().reset();
    editor_.PreviewImage() = std::make_unique<OffscreenImage>();
    return true;
}

void TForm4::FreeLineImages() {
    editor_.PreviewImage().reset();
    LineImage.reset();
}

bool TForm4::HasPreviewImage() const {
    return editor_.PreviewImage() != nullptr;
}

bool TForm4::UpdateOutputRect() {
    if (!hwnd())
        return false;
    PrompterState& state = state_;
    state.Sc_Tr = OutputRectFor(Monitor0(app_.services().display), state.UseReverse(),
                                state.editorFont.Has(kStyleItalic));
    return true;
}

void TForm4::ApplyEditorFont() {
    if (!LineImage)
        return;
    const PrompterState& state = state_;
    SetMapMode(LineImage->dc(), MM_TEXT);
    LineImage->SetFont(state.editorFont);
    LineImage->SetFontColor(state.editorFont.color);
    LineImage->SetBrushColor(state.FormColor);
}

void TForm4::ConfigureLineImage() {
    if (!LineImage)
        CreateLineImages();
    const Rect32& area = state_.Sc_Tr;
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
        if (state_.UseReverse() && !LineImage->Is565())
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
        if (EditorShown())
            editor_.ShowStatseX();
    }
    return PrepareLineImage();
}

void TForm4::SyncPreviewImage() {
    OffscreenImage* preview = editor_.PreviewImage().get();
    if (!preview)
        return;
    const PrompterState& state = state_;
    // Face and size follow the editor; the preview keeps a regular style.
    FontSpec font = preview->Font();
    font.name = state.editorFont.name;
    if (state.editorFont.sizePt != editor_.PreviewFontSize())
        editor_.SetPreviewFontSize(static_cast<std::uint16_t>(state.editorFont.sizePt));
    font.sizePt = editor_.PreviewFontSize();
    font.style = 0;
    preview->SetFont(font);
    if (!DualScreenActive() || !LineImage)
        return;
    const RECT editor = editor_.EditorBounds();
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
