#pragma once

// Told by the playback whenever what it shows outside the output window may
// have changed: play or stop, a pause, the direction, the delay, a line
// entered. Never per step. The application answers.
class PlaybackObserver {
  public:
    virtual void PlaybackChanged() = 0;

  protected:
    ~PlaybackObserver() = default;
};
