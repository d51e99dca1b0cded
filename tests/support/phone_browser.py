#!/usr/bin/python3
"""Drives the phone remote end to end: one program start, one headless chromium, driven
through its DevTools port.

  phone_browser.py --program PATH --data DIR --frames DIR --screens FILE --out DIR [--bench N]

Without --bench it checks: the page at the printed address shows the answer key of the
frame on the chart; a click on the Size + button moves the size one step and the answer key
follows; a page with a made-up code and a second page with the used code show that they are
refused and drive nothing. (Replayed and altered messages are the server's and the pairing's
own tests.) It leaves the page's screenshot at the phone's size (390 x 844) in the output
folder.
With --bench N it measures N button presses: press to presented frame, and frame to
answer-key update on the page.
Exits 77 when chromium or the websocket module is missing (the test is then skipped)."""

import argparse
import base64
import glob
import json
import os
import re
import secrets
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
import urllib.request

try:
    import websocket  # Debian's python3-websocket
except ImportError:
    print("python3-websocket is missing")
    sys.exit(77)

CHROMIUM = shutil.which("chromium") or shutil.which("chromium-browser")


class Failure(Exception):
    pass


def wait_for(what, condition, seconds=15.0, step=0.02):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(step)
    raise Failure("timed out waiting for " + what)


class DevTools:
    """One browser-level DevTools connection; pages are attached as flat sessions."""

    def __init__(self, address):
        self.socket = websocket.create_connection(address, timeout=30)
        self.next_id = 0

    def call(self, method, session=None, **params):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        self.socket.send(json.dumps(message))
        while True:
            reply = json.loads(self.socket.recv())
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise Failure(method + ": " + json.dumps(reply["error"]))
                return reply.get("result", {})


class Page:
    def __init__(self, tools, url, context=None):
        self.tools = tools
        params = {"url": "about:blank"}
        if context:
            params["browserContextId"] = context
        target = tools.call("Target.createTarget", **params)["targetId"]
        self.session = tools.call("Target.attachToTarget", targetId=target, flatten=True)[
            "sessionId"]
        tools.call("Page.enable", self.session)
        tools.call("Emulation.setDeviceMetricsOverride", self.session, width=390, height=844,
                   deviceScaleFactor=1, mobile=True)
        tools.call("Page.navigate", self.session, url=url)

    def eval(self, expression):
        result = self.tools.call("Runtime.evaluate", self.session, expression=expression,
                                 returnByValue=True)
        return result.get("result", {}).get("value")

    def state(self):
        return self.eval("document.getElementById('state') && "
                         "document.getElementById('state').dataset.state")

    def answer_key(self):
        return self.eval("Array.from(document.querySelectorAll('#answer-key div'),"
                         " d => d.textContent)") or []

    def key_frame(self):
        return self.eval("document.getElementById('answer-key').dataset.frame")

    def click(self, selector):
        """A real mouse press and release at the middle of the element."""
        box = self.eval("(() => { const r = document.querySelector('%s')"
                        ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2];"
                        " })()" % selector.replace("'", "\\'"))
        for kind in ("mousePressed", "mouseReleased"):
            self.tools.call("Input.dispatchMouseEvent", self.session, type=kind, x=box[0],
                            y=box[1], button="left", clickCount=1)


def frames(folder):
    return sorted(glob.glob(os.path.join(folder, "frame-*.json")))


def frame_state(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def squeezed(lines):
    return "".join("".join(lines).split())


def check(condition, message):
    if not condition:
        raise Failure(message)


def main():
    parser = argparse.ArgumentParser()
    for name in ("program", "data", "frames", "screens", "out"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--bench", type=int, default=0)
    args = parser.parse_args()
    if not CHROMIUM:
        print("chromium is missing")
        return 77
    os.makedirs(args.out, exist_ok=True)

    environment = dict(os.environ)
    environment["QT_QPA_PLATFORM"] = "offscreen:configfile=" + args.screens
    environment.setdefault("ASAN_OPTIONS", "detect_leaks=0")
    program = subprocess.Popen(
        [args.program, "--data-dir", args.data, "--frames", args.frames, "--keys", "{Wait:90}"],
        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=environment, text=True, bufsize=1)
    profile = tempfile.mkdtemp(prefix="lenvari-chromium-")
    browser = None
    try:
        line = ""
        deadline = time.monotonic() + 30
        while time.monotonic() < deadline:
            line = program.stdout.readline()
            if not line or line.startswith("[Phone Remote] "):
                break
        match = re.match(r"\[Phone Remote\] http://([0-9.]+):(\d+)/#([0-9a-f]{32})$", line.strip())
        check(match, "no [Phone Remote] line; the program printed: " + line)
        port, code = int(match.group(2)), match.group(3)
        address = "http://127.0.0.1:%d/#%s" % (port, code)
        print("pairing address:", line.strip())

        browser = subprocess.Popen(
            [CHROMIUM, "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--remote-debugging-port=0", "--user-data-dir=" + profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        devtools_address = None
        while devtools_address is None:
            text = browser.stderr.readline()
            check(text, "chromium ended before its DevTools port opened")
            found = re.search(r"DevTools listening on (ws://\S+)", text)
            if found:
                devtools_address = found.group(1)
        tools = DevTools(devtools_address)

        page = Page(tools, address)
        wait_for("the page to pair", lambda: page.state() == "paired")
        wait_for("the answer key", lambda: page.answer_key())
        wait_for("a first frame", lambda: frames(args.frames))
        if args.bench:
            return bench(page, args)

        first = frame_state(frames(args.frames)[-1])
        shown = page.answer_key()
        print("answer key:", shown, "chart rows:", first["MonitorText"])
        check(squeezed(first["MonitorText"]) and
              squeezed(first["MonitorText"]) in squeezed(shown),
              "the answer key does not show the chart's rows")
        size = first["SizeNow"]

        count = len(frames(args.frames))
        page.click('button[data-input="+"]')
        wait_for("a frame after Size +", lambda: len(frames(args.frames)) > count)
        after = frame_state(frames(args.frames)[-1])
        check(abs(after["SizeNow"] - size) == 1,
              "Size + moved the size from %s to %s" % (size, after["SizeNow"]))
        wait_for("the answer key of the new frame",
                 lambda: squeezed(after["MonitorText"]) in squeezed(page.answer_key()) and
                 page.answer_key() != shown)
        print("after Size +:", page.answer_key())
        shot = tools.call("Page.captureScreenshot", page.session, format="png")["data"]
        with open(os.path.join(args.out, "phone-page.png"), "wb") as f:
            f.write(base64.b64decode(shot))

        # A made-up code, and the used code in another browser profile (another phone).
        count = len(frames(args.frames))
        stranger = Page(tools, "http://127.0.0.1:%d/#%s" % (port, secrets.token_hex(16)))
        other = tools.call("Target.createBrowserContext")["browserContextId"]
        second = Page(tools, address, context=other)
        for refused in (stranger, second):
            wait_for("a refused page", lambda: refused.state() == "refused")
            check(not refused.answer_key(), "a refused page was shown the answer key")
            refused.click('button[data-input="+"]')
            refused.click('button[data-input="m3"]')
        time.sleep(1.0)
        check(len(frames(args.frames)) == count,
              "a refused page drew a frame")
        check(frame_state(frames(args.frames)[-1])["SizeNow"] == after["SizeNow"],
              "a refused page changed the size")
        check(page.state() == "paired", "the paired page lost its pairing")
        print("refused: made-up code, used code")
        return 0
    except Failure as failure:
        print("FAILED:", failure)
        return 1
    finally:
        if browser:
            browser.kill()
            browser.wait()
        program.send_signal(signal.SIGKILL)
        rest = program.communicate()[0]
        if rest.strip():
            print("program output:", rest[-3000:])
        shutil.rmtree(profile, ignore_errors=True)


def bench(page, args):
    """Button to presented frame, and presented frame to the page's answer key, N times."""
    page.eval("window.keyTimes = []; new MutationObserver(() => window.keyTimes.push("
              "performance.timeOrigin + performance.now())).observe("
              "document.getElementById('answer-key'), {childList: true});")
    to_frame, to_key = [], []
    for i in range(args.bench):
        count = len(frames(args.frames))
        seen = page.eval("window.keyTimes.length")
        pressed = time.time()
        page.click('button[data-input="%s"]' % ("+" if i % 2 == 0 else "-"))
        path = wait_for("a frame", lambda: len(frames(args.frames)) > count and
                        frames(args.frames)[-1])
        # A frame file is written right after its frame is presented.
        presented = os.stat(path.replace(".json", ".png")).st_mtime
        keyed = wait_for("the answer key", lambda: page.eval(
            "window.keyTimes.length > %d && window.keyTimes[window.keyTimes.length - 1]" % seen))
        to_frame.append((presented - pressed) * 1000)
        to_key.append(keyed - presented * 1000)
        time.sleep(0.06)

    def line(name, values):
        values = sorted(values)
        p95 = values[min(len(values) - 1, int(round(0.95 * (len(values) - 1))))]
        print("%-32s median %6.1f ms  p95 %6.1f ms  (n=%d)" %
              (name, statistics.median(values), p95, len(values)))
    line("button to presented frame", to_frame)
    line("presented frame to answer key", to_key)
    port = int(page.eval("location.port"))
    total = 0
    for path in ("/", "/remote.css", "/sha256.js", "/remote.js"):
        with urllib.request.urlopen("http://127.0.0.1:%d%s" % (port, path)) as answer:
            total += len(answer.read())
    print("page size (4 files, uncompressed): %d bytes" % total)
    return 0


if __name__ == "__main__":
    sys.exit(main())
