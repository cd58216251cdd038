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
from talent_view import SAMPLE, Talent, browser  # noqa: E402

# Every frame's move over `seconds`, from inside the page.
FRAMES = """
const done = arguments[arguments.length - 1];
const moves = [];
let last = window.talentRows(), end = performance.now() + arguments[0] * 1000;
function tick(now) {
  const rows = window.talentRows();
  moves.push(Math.abs(rows - last));
  last = rows;
  if (now < end) requestAnimationFrame(tick); else done(moves);
}
requestAnimationFrame(tick);
"""


class Bench(Talent):
    def difference(self):
        s = self.driver.execute_async_script(SAMPLE)
        return abs((s["before"] + s["after"]) / 2 - s["rows"]) / self.pitch

    def steady(self, seconds):
        diffs = []
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            diffs.append(self.difference())
            time.sleep(0.05)
        return diffs

    def catch_up(self, command):
        start = time.monotonic()
        self.api(command)
        while time.monotonic() - start < 3:
            if self.difference() <= 0.25:
                return (time.monotonic() - start) * 1000
        return float("inf")

    def frame_ratio(self, seconds):
        self.driver.set_script_timeout(seconds + 10)
        moves = [m for m in self.driver.execute_async_script(FRAMES, seconds) if m > 0]
        return max(moves) / statistics.median(moves) if moves else float("nan")

    def run(self, delays, seconds):
        self.driver.get(self.base + "/prompter?key=" + self.args.key)
        self.pitch = self.wait("the lines", lambda: self.driver.execute_script(
            "return script && script.pitch;"))
        print("| Delay | median diff (lines) | max diff (lines) | catch-up ms: "
              "pause, resume, faster, backward, forward | frame move max/median |")
        print("|---|---|---|---|---|")
        for delay in delays:
            self.api("delay/1")
            self.api("play")
            band = self.driver.execute_script("return script.bandHeight;")
            self.wait("a full band", lambda: self.state()["rows"] > band + 2 * self.pitch, 60)
            self.api("delay/%d" % delay)
            time.sleep(0.5)
            diffs = self.steady(seconds)
            ratio = self.frame_ratio(min(10, seconds))
            catch = [self.catch_up(c) for c in ("pause", "resume", "faster", "backward")]
            time.sleep(0.5)
            catch.append(self.catch_up("forward"))
            self.api("stop")
            time.sleep(1)
            print("| %d | %.3f | %.3f | %s | %.2f |" % (
                delay, statistics.median(diffs), max(diffs),
                ", ".join("%.0f" % c for c in catch), ratio))


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
