#pragma once
#include <cstdint>

#include "win/Window.h"

class Application;
class TForm1;

// The borderless full-screen output window the script scrolls in. Hidden
// except while prompting; owns the playback flags.
class TForm4 : public Window {
  public:
    TForm4(Application& app, TForm1& form1);

    bool Create();
    // Output-window creation steps (start-up part, then geometry).
    void FormCreate();

    // Playback flags.
    bool Playing = false;
    bool Paused = false;
    bool Reverse = false;
    std::int32_t CurLine = 0;

    void setkill(bool value) { kill_ = value; }
    bool getkill() const { return kill_; }
    bool getkillnow() const { return kill_; }

    // Direction request of the live controls (left button forward, right
    // button backward in the editor).
    void SetDirection(bool backward) { lastDirectionRequest = backward ? 1 : 0; }
    int lastDirectionRequest = -1;

    // Size of the output window's drawing font, in points.
    std::int32_t FontSize = 21;

    // Recomputes the output rectangle from monitor 0; false without a window.
    bool UpdateOutputRect();
    void CreateLineImages();
    void FreeLineImages();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void PlaceAtStart();

    Application& app_;
    TForm1& form1_;
    bool kill_ = false;
};
