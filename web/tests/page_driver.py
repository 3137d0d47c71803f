"""What the page's tests share: a browser of each engine, the page opened and taken over
by its program, its controls found by their ids (the controls' names), filled and read as
a user does, and a table of checks run and counted. Each engine's session drives its
browser with real key and mouse events: Chromium through its DevTools protocol, Firefox
through WebDriver BiDi, WebKitGTK through its WebDriver."""

import io
import pathlib
import sys
import traceback

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
from chromium_session import ChromiumSession  # noqa: E402
from firefox_session import FirefoxSession  # noqa: E402
from webkit_session import WebKitSession  # noqa: E402

ENGINES = {"chromium": ChromiumSession, "firefox": FirefoxSession, "webkit": WebKitSession}

# The page holds the window from the start; its program notes when it has taken it over.
WINDOW_READY = "typeof veltaroRunning === 'number'"


def session(engine, work, name, lang="en-US"):
    """A browser of the engine with a profile of its own in the work folder."""
    return ENGINES[engine](pathlib.Path(work) / f"profile-{engine}-{name}", lang=lang)


def selector(control):
    return f'[id="{control}"]'


def open_page(browser, url):
    browser.open(url)
    browser.wait_for(WINDOW_READY)


def value(browser, control):
    return browser.evaluate(f"document.getElementById({control!r}).value")


# The labels of the boxes in each mode.
MODE_0_LABELS = ["изходяща енергия", "подадена енергия", "КПД %"]
MODE_1_LABELS = ["годна продукция", "произведена продукция", "рандеман %"]
MODE_2_LABELS = ["получен добив", "теоретичен добив", "добив %"]


def labels(browser):
    return browser.evaluate(
        "[0, 1, 2].map(i => document.getElementById(`Label2(${i})`).textContent)")


def checked(browser):
    return browser.evaluate(
        "[0, 1, 2].filter(i => document.getElementById(`Option1(${i})`).checked)")


def focused(browser):
    return browser.evaluate("document.activeElement?.id ?? ''")


def rect(browser, css):
    return browser.evaluate(
        f"(r => [r.x, r.y, r.width, r.height])(document.querySelector({css!r})"
        ".getBoundingClientRect())")


def painted(browser):
    """Returns once what has changed is painted."""
    browser.evaluate("new Promise(painted => requestAnimationFrame("
                     "() => requestAnimationFrame(painted)))")


def screenshot(browser):
    """The viewport as the user sees it, once what has changed is painted."""
    from PIL import Image  # only the tests that read pixels need it
    painted(browser)
    return Image.open(io.BytesIO(browser.screenshot())).convert("RGB")


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


# A point inside each control, away from its text, and the colour there.
COLOURS = [
    ("Veltaro", lambda x, y, w, h: (x + 3, y + 3), (192, 192, 255)),
    ("Label1(0)", lambda x, y, w, h: (x + 3, y + h / 2), (255, 192, 128)),
    ("Label2(1)", lambda x, y, w, h: (x + w - 3, y + h - 3), (192, 255, 255)),
    ("Option1(0)", lambda x, y, w, h: (x + 40, y - 6), (192, 192, 255)),
    ("Command1(0)", lambda x, y, w, h: (x + 6, y + h / 2), (128, 255, 128)),
    ("Command1(1)", lambda x, y, w, h: (x + 6, y + h / 2), (255, 128, 128)),
    ("Text2(0)", lambda x, y, w, h: (x + w / 2, y + h / 2), (255, 255, 255)),
]


def colour_places(browser):
    """Where each of COLOURS's points lies on the screen."""
    return {control: point(*rect(browser, selector(control))) for control, point, _ in COLOURS}


def layout_colours(browser, places=None, shot=None):
    """The colours at COLOURS's points; where the page runs no script, at the places
    measured where it did, in a screenshot taken as it is."""
    places = places or colour_places(browser)
    shot = shot or screenshot(browser)
    seen = {control: shot.getpixel((int(x), int(y))) for control, (x, y) in places.items()}
    return expect(seen, {control: colour for control, _, colour in COLOURS}, "colours")


def expect(seen, wanted, what):
    return None if seen == wanted else f"{what}: {seen!r}, not {wanted!r}"


def first_wrong(*results):
    return next((result for result in results if result), None)


def problems(browser):
    """Script errors and the browser's error messages (a policy violation among them)."""
    return browser.problems()


class Tally:
    """The checks of one test, however many browsers ran them."""

    def __init__(self):
        self.failed = 0
        self.passed = 0

    def finish(self, label):
        print(f"{label}: {self.passed} passed, {self.failed} failed")
        sys.exit(1 if self.failed else 0)


class Checks:
    """Runs each check with a fresh page; a check fails by returning what it saw instead."""

    def __init__(self, browser, url, tally=None):
        self.browser = browser
        self.url = url
        self.tally = tally or Tally()

    def run(self, name, check, opened=True):
        try:
            if opened:
                open_page(self.browser, self.url)
            wrong = check(self.browser)
        except Exception:  # noqa: BLE001 - any failure of a check is reported as its own
            wrong = traceback.format_exc()
        if wrong:
            self.tally.failed += 1
            print(f"FAIL: {name}: {wrong}")
        else:
            self.tally.passed += 1
            print(f"ok: {name}")

    def finish(self, label):
        self.tally.finish(label)
