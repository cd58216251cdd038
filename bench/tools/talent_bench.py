#!/usr/bin/python3
"""How closely a talent view follows the prompter: a headless Chromium page on
/prompter beside a playback (127.0.0.1 only). At each delay it samples the
program's rows (/api/state, asked from inside the page) and the page's drawn
position every 50 ms for the given seconds, then times how long the page
takes to come within a quarter line after a pause, a resume, a speed change,
a backward run and a forward run, and records every animation frame's move
at the steady speed. Prints one Markdown row per delay."""

import argparse
import os
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e"))
from talent_view import Talent, browser  # noqa: E402

# Every frame's move and its interval over `seconds`, from inside the page.
FRAMES = """
const done = arguments[arguments.length - 1];
const frames = [];
let last = window.talentRows(), lastAt = 0, end = performance.now() + arguments[0] * 1000;
function tick(now) {
  const rows = window.talentRows();
  if (lastAt) frames.push([Math.abs(rows - last), now - lastAt]);
  last = rows;
  lastAt = now;
  if (now < end) requestAnimationFrame(tick); else done(frames);
}
requestAnimationFrame(tick);
"""

# The drawn position on both sides of the program's answer, and how long
# the question took: a slow answer brackets a wider stretch of the scroll.
TIMED_SAMPLE = """
const done = arguments[arguments.length - 1];
const before = window.talentRows(), asked = performance.now();
fetch("/api/state", {credentials: "same-origin"}).then((r) => r.json()).then((s) => {
  done({before, after: window.talentRows(), rows: s.rows, ms: performance.now() - asked});
}).catch((e) => done({error: String(e)}));
"""


def ratio(values):
    values = [v for v in values if v > 0]
    return max(values) / statistics.median(values) if values else float("nan")


class Bench(Talent):
    def reading(self):
        s = self.driver.execute_async_script(TIMED_SAMPLE)
        return abs((s["before"] + s["after"]) / 2 - s["rows"]) / self.pitch, s["ms"]

    def difference(self):
        return self.reading()[0]

    def steady(self, seconds):
        diffs, trips = [], []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            diff, ms = self.reading()
            diffs.append(diff)
            trips.append(ms)
            if diff > 0.25:
                print("(steady: %.2f lines out %.1f s in, answered in %.1f ms)"
                      % (diff, seconds - (end - time.monotonic()), ms), file=sys.stderr)
            time.sleep(0.05)
        return diffs, trips

    # How long after a command the page is out by more than a quarter line:
    # from the request, and from the program's answer, which comes once the
    # change has taken effect (a command waits for the loop's next look at
    # its messages, up to ten steps). Samples run for a second after the
    # answer; the time is that of the last one still out.
    def catch_up(self, command):
        asked = time.monotonic()
        self.api(command)
        answered = time.monotonic()
        last_out = None
        outs = []
        while time.monotonic() - answered < 1.0:
            diff, _ = self.reading()
            if diff > 0.25:
                last_out = time.monotonic()
                outs.append("%.0f ms: %.2f" % ((last_out - answered) * 1000, diff))
        if last_out is None:
            return 0.0, 0.0
        # Which samples were out, for a look into the cause; not the table's.
        print("(%s: out by more than a quarter line at %s)" % (command, ", ".join(outs)),
              file=sys.stderr)
        return (last_out - asked) * 1000, (last_out - answered) * 1000

    # The largest frame's move over the median one, the same for frame
    # intervals, and for the move per ms (what the eye sees as a jerk).
    def frame_ratios(self, seconds):
        self.driver.set_script_timeout(seconds + 10)
        frames = self.driver.execute_async_script(FRAMES, seconds)
        return (ratio([m for m, _ in frames]), ratio([ms for _, ms in frames]),
                ratio([m / ms for m, ms in frames if ms > 0]))

    def run(self, delays, seconds):
        self.driver.get(self.base + "/prompter?key=" + self.args.key)
        self.pitch = self.wait("the lines", lambda: self.driver.execute_script(
            "return script && script.pitch;"))
        print("| Delay | median diff (lines) | max diff (lines) | answer ms median/max | "
              "out of step ms after: pause, resume, faster, backward, forward "
              "(from the request / from the answer) | "
              "max/median: frame move, frame interval, move per ms |")
        print("|---|---|---|---|---|---|")
        for delay in delays:
            self.api("delay/1")
            self.api("play")
            band = self.driver.execute_script("return script.bandHeight;")
            self.wait("a full band", lambda: self.state()["rows"] > band + 2 * self.pitch, 60)
            # The line's height as played, measured by the output.
            self.pitch = self.driver.execute_script("return script.pitch;")
            self.api("delay/%d" % delay)
            time.sleep(0.5)
            diffs, trips = self.steady(seconds)
            ratios = self.frame_ratios(min(10, seconds))
            catch = [self.catch_up(c) for c in ("pause", "resume", "faster", "backward")]
            time.sleep(0.5)
            catch.append(self.catch_up("forward"))
            self.api("stop")
            time.sleep(1)
            print("| %d | %.3f | %.3f | %.1f/%.1f | %s | %.2f, %.2f, %.2f |" % (
                delay, statistics.median(diffs), max(diffs), statistics.median(trips),
                max(trips), ", ".join("%.0f/%.0f" % c for c in catch), *ratios), flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--delays", default="5,15,30")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            Bench(args, driver).run([int(d) for d in args.delays.split(",")], args.seconds)
        finally:
            driver.quit()


if __name__ == "__main__":
    main()
