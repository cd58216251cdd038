#!/usr/bin/python3
"""The remote page in Debian's headless Chromium, as a phone or a desktop
browser: pairs through /?key=, presses the buttons as a person does, and after
each press compares what the page shows with what the program shows from
outside (its status bar and whether the editor or the output window is up).
With --other-site, a page served from another local port tries to steer it
with the paired browser's cookie. With --quit, ends the program with Alt+X and waits for the page to say it lost
the connection. Prints nothing on success; raises on the first fault."""

import argparse
import http.server
import json
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

from polling import wait_until
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

EDITOR_TITLE = r"^Cuecraft 1\.3\.2\.44$"

# A page of another site (another port of this computer) that tries to steer
# the prompter with the paired browser's cookie, which SameSite does not stop
# since ports do not make sites.
FOREIGN_PAGE = """<!DOCTYPE html><title>other</title><script>
const target = "127.0.0.1:%d";
window.outcome = {};
fetch("http://" + target + "/api/play", {method: "POST", mode: "no-cors", credentials: "include"})
  .then(() => { window.outcome.post = "sent"; }, () => { window.outcome.post = "failed"; });
const ws = new WebSocket("ws://" + target + "/api/live");
ws.onopen = () => { window.outcome.live = "open"; };
ws.onerror = () => { window.outcome.live = "refused"; };
</script>"""


def serve_foreign(port):
    page = (FOREIGN_PAGE % port).encode()

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            self.send_response(200)
            self.send_header("Content-Type", "text/html")
            self.send_header("Content-Length", str(len(page)))
            self.end_headers()
            self.wfile.write(page)

        def log_message(self, *args):
            pass

    server = http.server.HTTPServer(("127.0.0.1", 0), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser(size, profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage", "--hide-scrollbars",
                 "--user-data-dir=" + profile):
        options.add_argument(flag)
    if size == "phone":
        options.add_experimental_option("mobileEmulation", {
            "deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 1, "touch": True, "mobile": True},
            "userAgent": "Mozilla/5.0 (Linux; Android 14) Mobile",
        })
    else:
        options.add_argument("--window-size=1280,800")
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    if size != "phone":
        # The window's size includes no chrome in headless mode; make the
        # viewport itself 1280x800.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 1280, "height": 800, "deviceScaleFactor": 1, "mobile": False})
    driver.set_page_load_timeout(20)
    return driver


class Journey:
    def __init__(self, args):
        self.args = args
        self.base = "http://127.0.0.1:%d" % args.port
        self.driver = None

    def fail(self, what):
        raise AssertionError("%s viewport: %s" % (self.args.size, what))

    def wait(self, what, test, seconds=10.0):
        value = wait_until(test, seconds, 0.1)
        if not value:
            self.fail("waited %.0f s for %s" % (seconds, what))
        return value

    # ---- what the program shows from outside ----
    def panels(self):
        out = subprocess.run(self.args.status_cmd, shell=True, capture_output=True,
                             timeout=30, stdin=subprocess.DEVNULL)
        return out.stdout.decode("utf-8", "replace").replace("\r", "").split("\n")

    def editor_visible(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", EDITOR_TITLE],
                             capture_output=True, timeout=10)
        return out.returncode == 0 and out.stdout.strip() != b""

    def api_state(self):
        req = urllib.request.Request(self.base + "/api/state",
                                     headers={"Authorization": "Bearer " + self.args.key})
        with urllib.request.urlopen(req, timeout=10) as answer:
            return json.loads(answer.read())

    def check_program(self, playing):
        panels = self.panels()
        panel3 = panels[2] if len(panels) > 2 else ""
        if panel3 != "Single Monitor, Remote :%d" % self.args.port:
            self.fail("panel 3 reads %r" % panel3)
        # On one monitor the editor hides while the output window scrolls.
        self.wait("the editor %s" % ("to hide" if playing else "to come back"),
                  lambda: self.editor_visible() != playing)

    # ---- what the page shows ----
    def text(self, element_id):
        return self.driver.find_element(By.ID, element_id).text

    def page_state(self, wanted, seconds=10.0):
        return self.wait("the page to show %r (shows %r)" % (wanted, self.text("state")),
                         lambda: self.text("state") == wanted, seconds)

    def press(self, element_id):
        self.driver.find_element(By.ID, element_id).click()

    def rows(self):
        return self.api_state()["rows"]

    # ---- the journey ----
    def pair(self):
        self.driver.get(self.base + "/?key=" + self.args.key)
        self.page_state("Stopped")
        if self.driver.current_url != self.base + "/":
            self.fail("the address bar still reads %s" % self.driver.current_url)
        cookies = {c["name"]: c for c in self.driver.get_cookies()}
        cookie = cookies.get("cuecraft_key")
        if not cookie or not cookie.get("httpOnly") or cookie.get("sameSite") != "Strict":
            self.fail("pairing cookie %r" % cookie)
        # Paired: the bare address shows the remote, not the key field.
        self.driver.get(self.base + "/")
        self.page_state("Stopped")
        if self.driver.find_elements(By.ID, "key"):
            self.fail("the paired page asks for the key")
        # An unpaired browser sees only the key field.
        self.driver.delete_all_cookies()
        self.driver.get(self.base + "/")
        if not self.driver.find_elements(By.ID, "key") or self.driver.find_elements(By.ID, "play"):
            self.fail("an unpaired page shows more than the key field")
        self.driver.get(self.base + "/?key=" + self.args.key)
        self.page_state("Stopped")

    def check_touch_targets(self):
        small = self.driver.execute_script("""
            return [...document.querySelectorAll('button')].map(b => {
              const r = b.getBoundingClientRect();
              return [b.id, Math.round(r.width), Math.round(r.height)];
            }).filter(([id, w, h]) => w < 48 || h < 48);""")
        if small:
            self.fail("touch targets under 48 px: %r" % small)
        width = self.driver.execute_script("return document.documentElement.scrollWidth")
        if width > self.driver.execute_script("return window.innerWidth"):
            self.fail("the page is wider than the screen (%d px)" % width)

    def touch(self, kind, element=None):
        """A finger on the element (touchStart) or lifted (touchEnd)."""
        points = []
        if element is not None:
            r = element.rect
            points = [{"x": r["x"] + r["width"] / 2, "y": r["y"] + r["height"] / 2}]
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def hold_back(self, seconds):
        back = self.driver.find_element(By.ID, "back")
        if self.args.size == "phone":
            self.touch("touchStart", back)
        else:
            ActionChains(self.driver).move_to_element(back).click_and_hold().perform()
        self.wait("the page to show Backward", lambda: self.text("direction") == "Backward")
        start = self.rows()
        time.sleep(seconds)
        held = self.api_state()
        if not held["playing"] or held["paused"] or held["direction"] != "backward":
            self.fail("while Back is held the state is %r" % held)
        if held["rows"] >= start:
            self.fail("the text did not run backward while Back was held (%d -> %d)" % (start, held["rows"]))
        if self.args.size == "phone":
            self.touch("touchEnd")
        else:
            ActionChains(self.driver).release().perform()

    def foreign_site(self):
        """Another site's page in the paired browser steers nothing."""
        server = serve_foreign(self.args.port)
        try:
            self.driver.get("http://127.0.0.1:%d/" % server.server_address[1])
            outcome = self.wait("the other site's requests to end", lambda: self.driver.execute_script(
                "return window.outcome.post && window.outcome.live ? window.outcome : null"))
        finally:
            server.shutdown()
        if outcome["live"] != "refused":
            self.fail("another site opened the live socket: %r" % outcome)
        time.sleep(0.5)
        if self.api_state()["playing"]:
            self.fail("another site's page started a playback")
        self.driver.get(self.base + "/")
        self.page_state("Stopped")

    def fill_screen(self):
        """Much faster until the text fills the screen (only then can it run
        backward), then Much slower as often."""
        height = int(subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                    timeout=10, check=True).stdout.split()[1])
        delay = self.api_state()["delay"]
        for _ in range(3):
            self.press("faster4")
        self.wait("Delay %d on the page" % max(delay - 12, 0),
                  lambda: self.text("delay").startswith("Delay %d " % max(delay - 12, 0)))
        self.wait("the text to fill the screen", lambda: self.rows() > height, 20)
        for _ in range(3):
            self.press("slower4")
        self.wait("Delay %d on the page" % min(delay, 30),
                  lambda: self.text("delay").startswith("Delay %d " % delay))

    def run(self):
        with tempfile.TemporaryDirectory() as profile:
            self.driver = browser(self.args.size, profile)
            try:
                self.journey()
            finally:
                self.driver.quit()

    def journey(self):
        self.pair()
        self.check_program(playing=False)
        self.check_touch_targets()
        if self.args.shot_stopped:
            self.driver.save_screenshot(self.args.shot_stopped)

        self.press("play")
        self.page_state("Playing")
        self.check_program(playing=True)
        if self.text("play") != "Stop":
            self.fail("the Play button reads %r while playing" % self.text("play"))

        self.press("pause")
        self.page_state("Paused")
        self.check_program(playing=True)
        rows = self.rows()
        time.sleep(0.5)
        if self.rows() != rows or self.text("pause") != "Resume":
            self.fail("paused, yet the text moved or the button reads %r" % self.text("pause"))

        self.press("pause")
        self.page_state("Playing")
        self.wait("the text to move after Resume", lambda: self.rows() > rows)

        delay = self.api_state()["delay"]
        self.press("faster")
        self.wait("Delay %d on the page" % (delay - 1),
                  lambda: self.text("delay").startswith("Delay %d " % (delay - 1)))
        if self.api_state()["delay"] != delay - 1:
            self.fail("Faster left the delay at %d" % self.api_state()["delay"])
        self.check_program(playing=True)
        line = self.api_state()
        if self.text("line") != "Line %d of %d" % (line["line"], line["lines"]):
            # The line may have moved on between the two reads; once more.
            self.wait("the page's line to match", lambda: self.text("line") ==
                      "Line %d of %d" % (self.api_state()["line"], self.api_state()["lines"]))
        if self.args.shot_playing:
            self.driver.save_screenshot(self.args.shot_playing)

        # A presenter's clicker on the device sends Page Down and Page Up,
        # which steer as they do in the output window.
        delay = self.api_state()["delay"]
        ActionChains(self.driver).send_keys(Keys.PAGE_DOWN).perform()
        self.wait("Page Down to slow the text to Delay %d" % (delay + 4),
                  lambda: self.api_state()["delay"] == delay + 4)
        ActionChains(self.driver).send_keys(Keys.PAGE_UP).perform()
        self.wait("Page Up to speed it back to Delay %d" % delay,
                  lambda: self.api_state()["delay"] == delay)

        self.fill_screen()
        self.hold_back(1.5)
        self.page_state("Paused")
        paused = self.api_state()
        if not paused["paused"]:
            self.fail("letting go of Back left %r" % paused)
        self.check_program(playing=True)

        self.press("play")  # now reads Stop
        self.page_state("Stopped")
        self.check_program(playing=False)
        if self.text("play") != "Play":
            self.fail("the Play button reads %r after Stop" % self.text("play"))

        if self.args.other_site:
            self.foreign_site()
        if self.args.quit:
            subprocess.run(["xdotool", "key", "--delay", "60", "alt+x"], check=True, timeout=10)
            self.page_state("Not connected, retrying", 20)
            if self.args.shot_offline:
                self.driver.save_screenshot(self.args.shot_offline)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--key", required=True)
    parser.add_argument("--size", choices=("phone", "desktop"), required=True)
    parser.add_argument("--status-cmd", required=True, help="prints the status bar panels")
    parser.add_argument("--shot-stopped")
    parser.add_argument("--shot-playing")
    parser.add_argument("--shot-offline")
    parser.add_argument("--other-site", action="store_true", help="then a page of another site")
    parser.add_argument("--quit", action="store_true")
    Journey(parser.parse_args()).run()


if __name__ == "__main__":
    try:
        main()
    except AssertionError as fault:
        print("FAIL: %s" % fault, file=sys.stderr)
        sys.exit(1)
