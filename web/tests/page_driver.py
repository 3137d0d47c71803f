"""What the page's tests share: the page opened and its window built, its controls found
by their ids (the controls' names), filled and read as a user does, and a table of
checks run and counted. Python's standard library and Chromium's protocol only."""

import json
import pathlib
import sys
import traceback

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
from chromium_session import ChromiumSession  # noqa: E402,F401

# The page holds the window from the start, inert until the program has taken it over.
WINDOW_READY = "document.getElementById('Veltaro')?.inert === false"


def selector(control):
    return f'[id="{control}"]'


def open_page(browser, url):
    browser.open(url)
    browser.wait_for(WINDOW_READY)


def value(browser, control):
    return browser.evaluate(f"document.getElementById({json.dumps(control)}).value")


def focused(browser):
    return browser.evaluate("document.activeElement?.id ?? ''")


def fill(browser, control, text):
    """Clicks into the box, selects all it holds and types the text over it."""
    browser.click(selector(control))
    browser.select_all()
    browser.press("Delete")
    browser.type(text)


def calculate(browser, part, whole):
    fill(browser, "Text2(0)", part)
    fill(browser, "Text2(1)", whole)
    browser.click(selector("Command1(0)"))
    return value(browser, "Text2(2)")


def expect(seen, wanted, what):
    return None if seen == wanted else f"{what}: {seen!r}, not {wanted!r}"


def first_wrong(*results):
    return next((result for result in results if result), None)


def problems(browser):
    """Script errors and the browser's error messages (a policy violation among them)."""
    found = []
    for event in browser.events:
        if event.get("method") == "Runtime.exceptionThrown":
            found.append(event["params"]["exceptionDetails"].get("text", "exception"))
        elif (event.get("method") == "Log.entryAdded"
              and event["params"]["entry"]["level"] == "error"):
            found.append(event["params"]["entry"]["text"])
    return found


class Checks:
    """Runs each check with a fresh page; a check fails by returning what it saw instead."""

    def __init__(self, browser, url):
        self.browser = browser
        self.url = url
        self.failed = 0
        self.passed = 0

    def run(self, name, check):
        try:
            open_page(self.browser, self.url)
            wrong = check(self.browser)
        except Exception:  # noqa: BLE001 - any failure of a check is reported as its own
            wrong = traceback.format_exc()
        if wrong:
            self.failed += 1
            print(f"FAIL: {name}: {wrong}")
        else:
            self.passed += 1
            print(f"ok: {name}")

    def finish(self, label):
        print(f"{label}: {self.passed} passed, {self.failed} failed")
        sys.exit(1 if self.failed else 0)
