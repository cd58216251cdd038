#pragma once
// Answers real message boxes of this thread: a WH_CBT hook sees each box as
// it is activated, records its caption, text and buttons, and presses the
// chosen button.
#include <string>
#include <vector>

#include <windows.h>

struct SeenBox {
    std::string caption;
    std::string text;
    std::vector<int> buttons; // ids of the push buttons present
};

class MsgBoxAnswerer {
  public:
    explicit MsgBoxAnswerer(int button); // IDOK, IDYES, IDNO, IDCANCEL
    ~MsgBoxAnswerer();
    MsgBoxAnswerer(const MsgBoxAnswerer&) = delete;
    MsgBoxAnswerer& operator=(const MsgBoxAnswerer&) = delete;

    const std::vector<SeenBox>& seen() const { return seen_; }

  private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    HHOOK hook_ = nullptr;
    std::vector<SeenBox> seen_;
};
