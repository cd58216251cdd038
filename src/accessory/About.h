#pragma once
#include <string>

#include <windows.h>

#include "win/Geometry.h"
#include "win/UniqueHandle.h"

// The About box: output area size, product and version, ownership notice
// and an OK button that is both default and cancel button. One fresh box per
// use, shown modally.
class TAboutForm {
  public:
    static constexpr int kLabel1Id = 101;
    static constexpr int kStatictext1Id = 102;
    static constexpr int kNoticeId = 103;
    static constexpr int kOkBtnId = IDOK;
    static constexpr int kClientWidth = 362;
    static constexpr int kClientHeight = 169;

    TAboutForm(const Rect32& outputRect, const std::string& version);
    TAboutForm(const TAboutForm&) = delete;
    TAboutForm& operator=(const TAboutForm&) = delete;

    // Returns when the user closes the box (OK, Enter, Esc or the close box).
    void ShowModal(HWND owner);

  private:
    static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR DialogMessage(HWND dlg, UINT msg, WPARAM wp, LPARAM lp);
    void OnInitDialog(HWND dlg);
    HWND AddControl(const char* cls, const std::string& text, DWORD style, int id, int x, int y,
                    int width, int height, HFONT font);
    INT_PTR OnCtlColor(HDC dc);

    HWND dlg_ = nullptr;
    std::string label1_;
    std::string statictext1_;
    UniqueHfont titleFont_;
    UniqueHfont noticeFont_;
    UniqueHbrush silver_;
};
