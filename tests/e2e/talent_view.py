#!/usr/bin/python3
"""The talent view in Debian's headless Chromium beside a playback: opens
/prompter?key= on 127.0.0.1, compares its lines with the script's (text,
order, alignment) and its mirroring with the program's, then steers a
playback through the API (a pause, a speed change, a backward run, a stop)
and compares the position the page draws with the rows /api/state reports.
Prints nothing on success; raises on the first fault."""

import argparse
import json
import tempfile
import time
import urllib.request

from polling import wait_until
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

# In the page: the drawn position on both sides of the program's answer, so
# the two readings bracket the moment the program answered.
SAMPLE = """
const done = arguments[arguments.length - 1];
const before = window.talentRows();
fetch("/api/state", {credentials: "same-origin"}).then((r) => r.json()).then((s) => {
  const after = window.talentRows();
  done({before, after, rows: s.rows, paused: s.paused, playing: s.playing});
}).catch((e) => done({error: String(e)}));
"""


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--disable-dev-shm-usage",
                 "--hide-scrollbars", "--window-size=1024,768", "--user-data-dir=" + profile):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(20)
    driver.set_script_timeout(10)
    return driver


class Talent:
    def __init__(self, args, driver):
        self.args = args
        self.base = "http://127.0.0.1:%d" % args.port
        self.driver = driver
        self.pitch = 0

    def fail(self, what):
        raise AssertionError(what)

    def wait(self, what, test, seconds=10.0):
        value = wait_until(test, seconds, 0.05)
        if not value:
            self.fail("waited %.0f s for %s" % (seconds, what))
        return value

    def api(self, command):
        req = urllib.request.Request(self.base + "/api/" + command, method="POST",
                                     headers={"Authorization": "Bearer " + self.args.key})
        with urllib.request.urlopen(req, timeout=10) as res:
            return json.loads(res.read())

    def state(self):
        req = urllib.request.Request(self.base + "/api/state",
                                     headers={"Authorization": "Bearer " + self.args.key})
        with urllib.request.urlopen(req, timeout=10) as res:
            return json.loads(res.read())

    def lines(self):
        return self.driver.execute_script("""
            return [...document.querySelectorAll('#text .line')].map((e) =>
              [e.dataset.line, e.textContent, getComputedStyle(e).textAlign]);""")

    def mirrored(self):
        return self.driver.execute_script(
            "return document.getElementById('stage').classList.contains('mirror');")

    def check_lines(self):
        with open(self.args.script, encoding="utf-8") as f:
            expected = [line.rstrip("\r\n") for line in f]
        while expected and expected[-1] == "":
            expected.pop()
        got = self.wait("the lines", lambda: self.lines())
        if [g[1] for g in got] != expected:
            self.fail("the page's lines differ from the script's: %r..." % got[:3])
        if [g[0] for g in got] != [str(i + 1) for i in range(len(expected))]:
            self.fail("data-line does not number the lines in order")
        aligns = {g[2] for g in got}
        if aligns != {self.args.align}:
            self.fail("alignment %r, the program's is %s" % (aligns, self.args.align))
        self.pitch = self.driver.execute_script(
            "return parseFloat(document.querySelector('#text .line').style.height);")
        if not self.pitch or self.pitch < 10:
            self.fail("no line height on the page")

    def check_mirror(self):
        program = self.state()["mirror"]
        if self.mirrored() != program:
            self.fail("the page mirrors %s, the program %s" % (self.mirrored(), program))
        self.driver.find_element(By.ID, "mirrorSwitch").click()
        if self.mirrored() == program:
            self.fail("the device's mirror switch changed nothing")
        self.driver.find_element(By.ID, "mirrorSwitch").click()
        if self.mirrored() != program:
            self.fail("the device's mirror switch does not switch back")

    def sample(self):
        s = self.driver.execute_async_script(SAMPLE)
        if "error" in s:
            self.fail("the page could not ask the program: " + s["error"])
        return s

    # The page within a quarter line of the program once it has had its
    # reading (the two page readings bracket the program's answer).
    def in_step(self, what, count=8, gap=0.1):
        for _ in range(count):
            s = self.sample()
            low, high = sorted((s["before"], s["after"]))
            slack = self.pitch / 4
            if not (low - slack <= s["rows"] <= high + slack):
                self.fail("%s: the page drew rows %.1f..%.1f, the program was at %d (a line is %g)"
                          % (what, s["before"], s["after"], s["rows"], self.pitch))
            time.sleep(gap)

    def journey(self):
        self.driver.get(self.args.address)
        self.wait("the key out of the address bar",
                  lambda: self.driver.current_url.endswith("/prompter"))
        self.check_lines()
        self.check_mirror()
        if self.driver.find_element(By.ID, "lost").is_displayed():
            self.fail("connected, yet the page says the connection is lost")

        # Fast until the band is full (backward needs a full band), then steady.
        self.api("delay/1")
        answer = self.api("play")
        if not answer["playing"]:
            self.fail("Play answered %r" % answer)
        band = self.driver.execute_script("return script.bandHeight;")
        self.wait("a full band", lambda: self.state()["rows"] > band + 2 * self.pitch, 60)
        self.api("delay/15")
        time.sleep(0.3)
        self.in_step("steady at delay 15")

        paused = self.api("pause")
        time.sleep(0.3)
        self.in_step("paused", count=3)
        s = self.sample()
        if s["rows"] != paused["rows"] or abs(s["after"] - s["rows"]) > 0.5:
            self.fail("paused, yet the page or the program moved: %r vs %r" % (s, paused))
        self.api("resume")
        time.sleep(0.3)
        self.in_step("resumed")

        self.api("faster4")
        time.sleep(0.3)
        self.in_step("after a speed change")

        start = self.state()["rows"]
        answer = self.api("backward")
        if answer["result"] != "applied":
            self.fail("Back answered %r" % answer)
        time.sleep(0.3)
        self.in_step("running backward")
        if self.state()["rows"] >= start:
            self.fail("the backward run did not count down")
        self.api("forward")
        time.sleep(0.3)
        self.in_step("forward again")

        stopped = self.api("stop")
        time.sleep(0.5)
        s = self.sample()
        if abs(s["after"] - stopped["rows"]) > self.pitch / 4:
            self.fail("after Stop the page drew %.1f, the program stopped at %d"
                      % (s["after"], stopped["rows"]))

    # A tablet and a phone, each plain and mirrored by its own switch.
    def screenshots(self, folder):
        for name, width, height in (("tablet", 1024, 768), ("phone", 390, 844)):
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 1,
                "mobile": name == "phone"})
            time.sleep(0.5)
            self.driver.save_screenshot("%s/talent-%s.png" % (folder, name))
            self.driver.find_element(By.ID, "mirrorSwitch").click()
            time.sleep(0.3)
            self.driver.save_screenshot("%s/talent-%s-mirrored.png" % (folder, name))
            self.driver.find_element(By.ID, "mirrorSwitch").click()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--address", required=True, help="the talent screen's QR code")
    parser.add_argument("--script", required=True, help="the script the program plays")
    parser.add_argument("--align", default="left")
    parser.add_argument("--shots", default="", help="a folder for the user guide's screenshots")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            talent = Talent(args, driver)
            talent.journey()
            if args.shots:
                talent.screenshots(args.shots)
        finally:
            driver.quit()


if __name__ == "__main__":
    main()
