"""Headless Firefox ESR for the page's tests, driven through WebDriver BiDi, which Firefox
speaks itself on --remote-debugging-port (no geckodriver): a websocket on the loopback
address, JSON messages each way. Each session starts its own browser with its own profile
folder, and stops only that browser, by its process id.

    with FirefoxSession(build_dir / "profile-name", lang="bg") as browser:
        browser.open(page.as_uri())
        browser.click('[id="Text2(0)"]')
        browser.type("45")
"""

import base64
import json
import os
import re
import shutil
import subprocess

import websocket

from browser_session import BrowserSession, RequestLog, end_group
from waiting import REPLY_LIMIT, wait_until

FIREFOX = "/usr/bin/firefox-esr"

# WebDriver's code points for the keys that type no text.
KEYS = {
    "Tab": "\ue004", "Enter": "\ue006", "NumpadEnter": "\ue007", "Escape": "\ue00c",
    "Backspace": "\ue003", "Delete": "\ue017", "Home": "\ue011", "End": "\ue010",
    "ArrowLeft": "\ue012", "ArrowUp": "\ue013", "ArrowRight": "\ue014", "ArrowDown": "\ue015",
    "Shift": "\ue008", "Control": "\ue009",
}


class ProtocolError(RuntimeError):
    pass


class FirefoxSession(BrowserSession, RequestLog):
    name = "firefox"
    # A headless window is never the active one (document.hasFocus() stays false, headed
    # on Xvfb too): Firefox draws no focus mark there, and Enter presses no button.
    active_window = False
    emulates_phones = True
    navigation_cut = ProtocolError
    request_event = "network.beforeRequestSent"
    process = None
    _socket = None
    _log = None

    def _begin(self, profile, lang="en-US", width=800, height=600, preferences=None):
        self.profile = str(profile)
        shutil.rmtree(self.profile, ignore_errors=True)
        os.makedirs(self.profile)
        settings = {
            "intl.accept_languages": lang, "intl.locale.requested": lang,
            # Nothing leaves the machine: every connection but the loopback's goes to a
            # proxy that is not there.
            "network.proxy.type": 1, "network.proxy.http": "127.0.0.1",
            "network.proxy.http_port": 9, "network.proxy.ssl": "127.0.0.1",
            "network.proxy.ssl_port": 9, "network.proxy.allow_hijacking_localhost": False,
            **(preferences or {}),
        }
        with open(os.path.join(self.profile, "user.js"), "w", encoding="utf-8") as prefs:
            for name, value in settings.items():
                prefs.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        self._log = open(os.path.join(self.profile, "firefox.log"), "w+b")
        self.process = subprocess.Popen(
            [FIREFOX, "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port=0", f"--width={width}", f"--height={height}",
             "about:blank"],
            stdin=subprocess.DEVNULL, stdout=self._log, stderr=self._log,
            start_new_session=True)
        # Firefox refuses a websocket that states an origin (a web page would).
        self._socket = websocket.create_connection(f"{self._address()}/session",
                                                   timeout=REPLY_LIMIT,
                                                   suppress_origin=True)
        self._last_id = 0
        self.events = []
        self.call("session.new", capabilities={})
        self.context = self.call("browsingContext.getTree")["contexts"][0]["context"]
        self.call("session.subscribe",
                  events=["log.entryAdded", "network.beforeRequestSent"])
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height})

    @classmethod
    def without_script(cls, profile):
        """A session whose pages run no script, as a browser with JavaScript turned off."""
        return cls(profile, preferences={"javascript.enabled": False})

    def _address(self):
        """Where Firefox listens, once it says so in its log."""
        def listening():
            self._log.seek(0)
            found = re.search(rb"WebDriver BiDi listening on (ws://[0-9.:]+)", self._log.read())
            if not found and self.process.poll() is not None:
                raise ProtocolError("Firefox ended before it listened")
            return found and found.group(1).decode()
        return wait_until(listening, "Firefox to listen for WebDriver BiDi", timeout=30)

    def call(self, method, **params):
        self._last_id += 1
        self._socket.send(json.dumps({"id": self._last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self._socket.recv())
            if message.get("type") == "event":
                self.events.append(message)
            elif message.get("id") == self._last_id:
                if message.get("type") == "error":
                    raise ProtocolError(f"{method}: {message['error']}: {message.get('message')}")
                return message.get("result", {})

    # What a test does, as a user would.
    def _navigate(self, url, wait="none"):
        self.call("browsingContext.navigate", context=self.context, url=url, wait=wait)

    def open(self, url):
        self._navigate(url, wait="complete")

    def evaluate(self, expression):
        """The expression's value, through JSON; promises are awaited."""
        result = self.call(
            "script.evaluate", expression=f"(async () => JSON.stringify(await ({expression})))()",
            target={"context": self.context}, awaitPromise=True, userActivation=True)
        if result.get("type") == "exception":
            raise ProtocolError(f"{expression}: {result['exceptionDetails']['text']}")
        value = result["result"]
        return json.loads(value["value"]) if value.get("type") == "string" else None

    def text_of(self, selector):
        """The element's text, read from the document without the page's script (which may
        be off)."""
        found = self.call("browsingContext.locateNodes", context=self.context,
                          locator={"type": "css", "value": selector}, maxNodeCount=1,
                          serializationOptions={"maxDomDepth": 1})["nodes"]
        children = found[0]["value"].get("children", []) if found else []
        return "".join(child["value"].get("nodeValue", "") for child in children)

    def _actions(self, *sources):
        self.call("input.performActions", context=self.context, actions=list(sources))

    def _pointer(self, kind, x, y):
        self._actions({"type": "pointer", "id": kind, "parameters": {"pointerType": kind},
                       "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                                   {"type": "pointerDown", "button": 0},
                                   {"type": "pointerUp", "button": 0}]})

    def click_at(self, x, y):
        self._pointer("mouse", x, y)

    def tap_at(self, x, y):
        self._pointer("touch", x, y)

    def _keys(self, keys, held=()):
        actions = [{"type": "keyDown", "value": key} for key in held]
        for key in keys:
            actions += [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        actions += [{"type": "keyUp", "value": key} for key in reversed(held)]
        self._actions({"type": "key", "id": "keyboard", "actions": actions})

    def type(self, text):
        self._keys(list(text))

    def press(self, key, shift=False):
        self._keys([KEYS[key]], held=[KEYS["Shift"]] if shift else [])

    def paste(self, text):
        """Puts the text on the clipboard and presses Ctrl+V in the focused element."""
        self.evaluate(f"navigator.clipboard.writeText({json.dumps(text)})")
        self._keys(["v"], held=[KEYS["Control"]])

    def select_all(self):
        self._keys(["a"], held=[KEYS["Control"]])

    def screenshot(self):
        """The viewport as PNG bytes."""
        return base64.b64decode(self.call("browsingContext.captureScreenshot",
                                          context=self.context)["data"])

    def print_pdf(self):
        return base64.b64decode(self.call("browsingContext.print", context=self.context,
                                          background=True)["data"])

    def viewport(self, width, height, scale=1):
        self.call("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=scale)

    def problems(self):
        """Script errors and the browser's error messages (a policy violation among them)."""
        return [event["params"].get("text", "") for event in self.events
                if event.get("method") == "log.entryAdded"
                and event["params"].get("level") == "error"]

    def close(self):
        if self._socket:
            try:
                self.call("browser.close")
            except (OSError, ProtocolError, websocket.WebSocketException):
                pass
            self._socket.close()
        if self.process:
            end_group(self.process)
        if self._log:
            self._log.close()
        shutil.rmtree(self.profile, ignore_errors=True)
