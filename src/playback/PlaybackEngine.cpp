#include "playback/PlaybackEngine.h"

std::int32_t StepWaitMs(std::int32_t delay, Direction mode) {
    std::int32_t d = delay;
    if (mode == Direction::Backward && d > 2)
        d /= 2;
    return d < 1 ? 1 : d;
}

std::uint8_t DelayAfterSpeedKey(std::uint16_t key, std::uint8_t delay) {
    switch (key) {
    case kKeyPageUp:
        if (delay >= 4)
            return delay - 4;
        return delay >= 1 ? delay - 1 : delay;
    case kKeyPageDown:
        if (delay + 4 <= 30)
            return delay + 4;
        return delay + 1 <= 29 ? delay + 1 : delay;
    case kKeyUp:
        return delay >= 2 ? delay - 1 : delay;
    case kKeyDown:
        return delay <= 29 ? delay + 1 : delay;
    default:
        return delay;
    }
}

void PlaybackEngine::RunLines(bool mirror) {
    while (f_.CurLine <= f_.LineCount + 1 && !f_.getkill()) {
        if (f_.CurLine < 0) {
            f_.CurLine = 0;
            continue;
        }
        const bool dir = f_.Reverse; // fixed for this line
        host_.ClearLineImages();
        host_.DrawLineText(host_.LineText(f_.CurLine));
        if (!f_.getkill())
            WalkRows(dir, mirror);
        if (f_.CurLine == 0 && f_.Reverse) {
            // Backward has reached the top: wait there, then enter line 0 again.
            f_.RowsScrolled = 0;
            EnterPause();
            f_.CurLine = f_.CurLine - 1;
        }
        if (f_.RunMode == Direction::Forward)
            f_.CurLine = f_.CurLine + 1;
        else if (f_.CurLine > 0)
            f_.CurLine = f_.CurLine - 1;
        if (!f_.Playing || f_.getkill())
            break;
        host_.ShowPlayLine(f_.CurLine);
        host_.StateChanged();
        if (f_.CurLine > f_.LineCount)
            EnterPause(); // past the end: blank lines have scrolled in
    }
}

void PlaybackEngine::WalkRows(bool dir, bool mirror) {
    const std::int32_t height = host_.LineHeight();
    std::int32_t previewRow = -1;
    for (std::int32_t j = 1; j <= height - 1; ++j) {
        if (f_.getkill())
            break;
        if (!f_.BandFilled())
            f_.RowsScrolled = f_.RowsScrolled + 1;
        f_.RowsMoved.Add(dir ? -1 : 1);
        host_.StepRow(j, dir, mirror);
        if (f_.Playing && host_.PreviewRunning())
            host_.StepPreviewRow(++previewRow, dir);
    }
}

void PlaybackEngine::RowDelay(std::int32_t delay) {
    const std::int64_t wait =
        static_cast<std::int64_t>(StepWaitMs(delay, f_.RunMode)) * ticksPerMs_;
    const std::int64_t target = host_.Now() + wait;
    // Inside the wait: handing the pixels over does not lengthen the step.
    host_.Present();
    SleepMostOf(wait, target);
    std::int64_t now;
    do {
        now = host_.Now();
        if (f_.getkillnow())
            now = target + 1;
    } while (now <= target);
    // The counter's last digit is arbitrary: messages run after about one step in ten.
    if (now % 10 == 0)
        host_.mainupdate();
}

// Sleeps through the part of the wait the system's timer keeps, so that only
// the margin is spun. Nothing can ask for a stop while the thread sleeps:
// handlers run only in the message pump at the end of a wait.
void PlaybackEngine::SleepMostOf(std::int64_t wait, std::int64_t target) {
    if (!margin_.MaySleep(wait) || f_.getkillnow())
        return;
    const std::int64_t start = host_.Now();
    const std::int64_t ticks = margin_.SleepTicks(target - start);
    if (ticks == 0)
        return;
    host_.SleepFor(ticks);
    margin_.Slept(ticks, host_.Now() - start);
}

void PlaybackEngine::EnterPause() {
    if (f_.Paused)
        return;
    f_.Paused = true;
    // The rows drawn since the last hand-over reach the display now, not at
    // the pause's first look at the queue, however the pause came (a key
    // brings the window system's own hand-over with it, a remote command none).
    host_.PresentNow();
    // Told before the wait: the pause has taken effect, the wait is its length.
    host_.StateChanged();
    PauseWait();
}

void PlaybackEngine::PauseWait() {
    if (!f_.Paused || !f_.Playing)
        return;
    while (f_.Paused) {
        host_.WaitPauseTick();
        if (!f_.Playing || f_.getkill())
            break;
        host_.mainupdate();
    }
}

void PlaybackEngine::FormKeyDown(std::uint16_t key, bool shift, bool ctrl, bool alt) {
    if (key == kKeyEsc) {
        f_.Paused = false;
        f_.setkill(true);
        host_.mainupdate();
        return;
    }
    if (key == kKeyS && shift && ctrl && alt) {
        host_.SaveScreenCapture();
        return;
    }
    if (!f_.Playing)
        return;
    switch (key) {
    case kKeySpace:
        if (!f_.Paused) {
            EnterPause();
            break;
        }
        f_.Paused = false;
        host_.StateChanged();
        break;
    case kKeyPageUp:
    case kKeyPageDown:
    case kKeyUp:
    case kKeyDown: {
        const std::uint8_t delay = host_.Delay();
        const std::uint8_t next = DelayAfterSpeedKey(key, delay);
        if (next == delay)
            break;
        host_.SetDelay(next);
        host_.StateChanged();
        break;
    }
    case kKeyLeft:
    case kKeyR:
        SetDirection(true);
        break;
    case kKeyRight:
    case kKeyP:
        SetDirection(false);
        break;
    default:
        break;
    }
}

void PlaybackEngine::FormKeyUp(std::uint16_t key) {
    // Backward runs only while the key is held.
    if (key == kKeyR || key == kKeyLeft)
        EnterPause();
}

void PlaybackEngine::SetDirection(bool backward) {
    if (!backward) {
        if (f_.Paused) {
            f_.Paused = false;
            f_.Reverse = false;
            if (f_.RunMode != Direction::Forward) {
                f_.RunMode = Direction::Forward;
                RealignCurLine();
            }
        } else {
            f_.Reverse = false;
            f_.Paused = false;
        }
        host_.StateChanged();
        return;
    }
    // Backward only once the band has been filled with text.
    if (!f_.BandFilled() || f_.CurLine < 0)
        return;
    if (f_.RunMode != Direction::Backward) {
        f_.RunMode = Direction::Backward;
        RealignCurLine();
    }
    f_.Paused = false;
    f_.Reverse = true;
    host_.StateChanged();
}

void PlaybackEngine::RealignCurLine() {
    if (f_.RunMode == Direction::Backward) {
        f_.CurLine = f_.CurLine - f_.BandLines + 1;
        return;
    }
    if (f_.CurLine < 0)
        f_.CurLine = 0;
    f_.CurLine = f_.BandFilled() ? f_.CurLine + f_.BandLines - 1 : f_.CurLine + f_.BandLines;
}
