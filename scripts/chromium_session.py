"""Headless Chromium for the page's tests, driven through the DevTools protocol over a pipe
(no port is opened and nothing is downloaded; Python's standard library only). Each
session starts its own browser with its own profile folder, offline, and stops only that
browser, by its process id.

    with ChromiumSession(build_dir / "profile-name", lang="bg") as browser:
        browser.open(page.as_uri())
        browser.click('[id="Text2(0)"]')
        browser.type("45")
        browser.evaluate("document.title")
"""

import base64
import html as htmllib
import json
import os
import re
import shutil
import subprocess
import time

from browser_session import BrowserSession, RequestLog, end_group
from waiting import LIMIT, REPLY_LIMIT, await_readable

CHROMIUM = "/usr/lib/chromium/chromium"

# Key name: (code, Windows virtual key code), for the keys that type no text.
KEYS = {
    "Tab": ("Tab", 9), "Enter": ("Enter", 13), "NumpadEnter": ("NumpadEnter", 13),
    "Escape": ("Escape", 27),
    "Backspace": ("Backspace", 8), "Delete": ("Delete", 46), "Home": ("Home", 36),
    "End": ("End", 35), "ArrowLeft": ("ArrowLeft", 37), "ArrowUp": ("ArrowUp", 38),
    "ArrowRight": ("ArrowRight", 39), "ArrowDown": ("ArrowDown", 40),
}
SHIFT, CONTROL = 8, 2  # the protocol's modifier bits


class ProtocolError(RuntimeError):
    pass


def html_text(html):
    """The text of an element's HTML, its tags left out."""
    return htmllib.unescape(re.sub(r"<[^>]*>", "", html))


class ChromiumSession(BrowserSession, RequestLog):
    request_event = "Network.requestWillBeSent"
    name = "chromium"
    active_window = True
    emulates_phones = True
    navigation_cut = ProtocolError
    process = None
    _commands = None
    _replies = None

    def _begin(self, profile, lang="en-US", width=800, height=600):
        self.profile = str(profile)
        shutil.rmtree(self.profile, ignore_errors=True)
        os.makedirs(self.profile)
        commands_read, self._commands = os.pipe()
        self._replies, replies_write = os.pipe()
        self._received = b""
        self._last_id = 0
        self.events = []
        arguments = [
            CHROMIUM, "--headless", "--disable-gpu", "--no-first-run",
            "--no-default-browser-check", "--disable-background-networking",
            "--disable-component-update", "--disable-sync", "--disable-dev-shm-usage",
            "--remote-debugging-pipe",
            f"--user-data-dir={self.profile}", f"--lang={lang}", f"--accept-lang={lang}",
            f"--window-size={width},{height}",
        ]
        if os.geteuid() == 0:
            arguments.append("--no-sandbox")  # Chromium's sandbox refuses to run as root

        def pipes_as_three_and_four():  # where --remote-debugging-pipe expects them
            os.dup2(commands_read, 3)
            os.dup2(replies_write, 4)

        with open(os.path.join(self.profile, "chromium.log"), "wb") as log:
            # A session of its own, so that no signal meant for the test reaches the browser.
            self.process = subprocess.Popen(
                arguments + ["about:blank"], pass_fds=(3, 4),
                preexec_fn=pipes_as_three_and_four, stdin=subprocess.DEVNULL,
                stdout=log, stderr=log, start_new_session=True)
        os.close(commands_read)
        os.close(replies_write)
        targets = self.call("Target.getTargets")["targetInfos"]
        page = next(target for target in targets if target["type"] == "page")
        self._page = self.call("Target.attachToTarget", targetId=page["targetId"],
                               flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Network", "Log"):
            self.page(f"{domain}.enable")
        self.set_offline(True)
        self.call("Browser.grantPermissions",
                  permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])

    @classmethod
    def without_script(cls, profile):
        """A session whose pages run no script, as a browser with JavaScript turned off."""
        session = cls(profile)
        try:
            session.page("Emulation.setScriptExecutionDisabled", value=True)
        except BaseException:
            session.close()
            raise
        return session

    # The protocol: one JSON message per NUL-ended chunk each way.
    def _send(self, method, params, session):
        self._last_id += 1
        message = {"id": self._last_id, "method": method, "params": params}
        if session:
            message["sessionId"] = session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        return self._last_id

    def _receive(self, deadline, awaited):
        while b"\0" not in self._received:
            await_readable(self._replies, f"Chromium to answer {awaited}",
                           deadline - time.monotonic())
            chunk = os.read(self._replies, 1 << 20)
            if not chunk:
                raise ProtocolError("Chromium closed its pipe")
            self._received += chunk
        message, self._received = self._received.split(b"\0", 1)
        return json.loads(message)

    def _await_reply(self, method, message_id):
        deadline = time.monotonic() + REPLY_LIMIT
        while True:
            message = self._receive(deadline, method)
            if message.get("id") != message_id:
                self.events.append(message)
                continue
            if "error" in message:
                raise ProtocolError(f"{method}: {message['error']}")
            return message.get("result", {})

    def call(self, method, session=None, **params):
        return self._await_reply(method, self._send(method, params, session))

    def page(self, method, **params):
        return self.call(method, session=self._page, **params)

    def await_event(self, method, timeout=LIMIT):
        """The first event of that kind not yet taken, waiting for it if need be."""
        deadline = time.monotonic() + timeout
        while True:
            for event in self.events:
                if event.get("method") == method:
                    self.events.remove(event)
                    return event["params"]
            self.events.append(self._receive(deadline, f"with the event {method}"))

    # What a test does, as a user would.
    def _navigate(self, url):
        """Returns once the new document is the page's: its first bytes have come."""
        self.page("Page.navigate", url=url)

    def open(self, url):
        self._navigate(url)
        self.wait_for("document.readyState === 'complete'")

    def evaluate(self, expression):
        result = self.page("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True, userGesture=True)
        if "exceptionDetails" in result:
            raise ProtocolError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def text_of(self, selector):
        """The element's text, read from the document without the page's script (which may
        be off)."""
        document = self.page("DOM.getDocument", depth=0)["root"]["nodeId"]
        element = self.page("DOM.querySelector", nodeId=document, selector=selector)["nodeId"]
        html = self.page("DOM.getOuterHTML", nodeId=element)["outerHTML"]
        return html_text(html)

    def click_at(self, x, y):
        self.page("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.page("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def tap_at(self, x, y):
        self.page("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.page("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def type(self, text):
        for character in text:
            self.page("Input.dispatchKeyEvent", type="keyDown", key=character, text=character)
            self.page("Input.dispatchKeyEvent", type="keyUp", key=character)

    def press(self, key, shift=False):
        code, key_code = KEYS[key]
        modifiers = SHIFT if shift else 0
        # Enter types a carriage return as a keyboard does: a button takes it as a press.
        # The keypad's is the same key, in the keypad's place.
        extra = {"text": "\r"} if key_code == 13 else {}
        if key == "NumpadEnter":
            key, extra["location"] = "Enter", 3
        self.page("Input.dispatchKeyEvent", type="keyDown" if extra else "rawKeyDown", key=key,
                  code=code, windowsVirtualKeyCode=key_code, modifiers=modifiers, **extra)
        self.page("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=key_code, modifiers=modifiers)

    def paste(self, text):
        """Puts the text on the clipboard and presses Ctrl+V in the focused element."""
        self.evaluate(f"navigator.clipboard.writeText({json.dumps(text)})")
        self.page("Input.dispatchKeyEvent", type="rawKeyDown", key="v", code="KeyV",
                  windowsVirtualKeyCode=86, modifiers=CONTROL, commands=["paste"])
        self.page("Input.dispatchKeyEvent", type="keyUp", key="v", code="KeyV",
                  windowsVirtualKeyCode=86, modifiers=CONTROL)

    def select_all(self):
        """Ctrl+A in the focused element."""
        self.page("Input.dispatchKeyEvent", type="rawKeyDown", key="a", code="KeyA",
                  windowsVirtualKeyCode=65, modifiers=CONTROL, commands=["selectAll"])
        self.page("Input.dispatchKeyEvent", type="keyUp", key="a", code="KeyA",
                  windowsVirtualKeyCode=65, modifiers=CONTROL)

    def screenshot(self):
        """The viewport as PNG bytes."""
        return base64.b64decode(self.page("Page.captureScreenshot", format="png")["data"])

    def print_pdf(self):
        return base64.b64decode(self.page("Page.printToPDF", printBackground=True)["data"])

    def accessibility_tree(self):
        return self.page("Accessibility.getFullAXTree")["nodes"]

    def viewport(self, width, height, scale=1):
        """A phone's screen where the scale is above one: its pixels, and touch."""
        self.page("Emulation.setDeviceMetricsOverride", width=width, height=height,
                  deviceScaleFactor=scale, mobile=scale > 1)
        self.page("Emulation.setTouchEmulationEnabled", enabled=scale > 1, maxTouchPoints=5)

    def phone(self, width=360, height=740, scale=3):
        self.viewport(width, height, scale)

    def set_offline(self, offline):
        """Sessions start offline; a test of a page served from this machine goes online."""
        self.page("Network.emulateNetworkConditions", offline=offline, latency=0,
                  downloadThroughput=-1, uploadThroughput=-1)

    def problems(self):
        """Script errors and the browser's error messages (a policy violation among them),
        once Log.enable has been called."""
        found = []
        for event in self.events:
            if event.get("method") == "Runtime.exceptionThrown":
                found.append(event["params"]["exceptionDetails"].get("text", "exception"))
            elif (event.get("method") == "Log.entryAdded"
                  and event["params"]["entry"]["level"] == "error"):
                found.append(event["params"]["entry"]["text"])
        return found

    def close(self):
        if self.process:
            try:
                self._send("Browser.close", {}, None)
            except OSError:
                pass
            end_group(self.process)
        for pipe in (self._commands, self._replies):
            if pipe is not None:
                os.close(pipe)
        shutil.rmtree(self.profile, ignore_errors=True)
