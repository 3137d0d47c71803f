#!/usr/bin/python3
"""What a user does in the window before the page's program has come, over a slow link, in
one engine: the page is served from the loopback address by the test itself, everything
before the program's script at once and the rest only once the user has acted. Typing in
the boxes, an option chosen and a press of Изчисли or Изчисти are kept and handed to the
program as it starts, in order (a box then cut to its length as the program cuts it); the
focus and the caret stay where the user left them.
usage: early_typing_test.py PAGE.html WORK-FOLDER chromium|firefox|webkit"""

import http.server
import pathlib
import re
import sys
import threading

from page_driver import (ENGINES, MODE_0_LABELS, MODE_1_LABELS, WINDOW_READY, Checks, Tally,
                         checked, expect, labels, painted, selector, value)
from waiting import REPLY_LIMIT


def program_script_start(html):
    """Where the element of the classic script that holds the program begins."""
    for found in re.finditer(rb"<script\b([^>]*)>(.*?)</script>", html, re.S):
        if b"module" not in found.group(1) and b"veltaroCompiled" in found.group(2):
            return found.start()
    raise ValueError("the page holds no script with its program")


class HeldBackHandler(http.server.BaseHTTPRequestHandler):
    link = None  # the SlowLink that serves through this handler

    def do_GET(self):
        if self.path != "/":
            self.send_error(404)
            return
        released = self.link.released  # the hold of the time the page was asked for
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(self.link.first) + len(self.link.rest)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        try:
            self.wfile.write(self.link.first)
            self.wfile.flush()
            # Past the limit the page stays cut short: the test has failed by then.
            if released.wait(REPLY_LIMIT):
                self.wfile.write(self.link.rest)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the browser went on to another page

    def log_message(self, *_):
        pass


class SlowLink:
    """The page served as a slow link brings it: up to the program's script at once, the
    rest once the test releases it."""

    def __init__(self, page):
        html = pathlib.Path(page).read_bytes()
        at = program_script_start(html)
        self.first, self.rest = html[:at], html[at:]
        self.released = threading.Event()
        handler = type("Handler", (HeldBackHandler,), {"link": self})
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.server.daemon_threads = True
        self._serving = threading.Thread(target=self.server.serve_forever)
        self._serving.start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"

    def hold(self):
        """The next request for the page waits for the next release."""
        self.released = threading.Event()

    def release(self):
        self.released.set()

    def close(self):
        self.release()
        self.server.shutdown()
        self._serving.join()
        self.server.server_close()

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


# The page as far as the link has brought it: the window and what precedes the program,
# parsed (and then a frame of it drawn, as a user sees it before acting).
SCRIPTS_SO_FAR = "document.scripts.length === {count} && document.getElementById('Command1(1)')"
# The program has not come, and the rest of the page neither.
NOT_YET = "typeof veltaroRunning === 'undefined' && document.readyState === 'loading'"
# Where the focus and the caret are.
FOCUS = ("(element => [element.id, element.selectionStart ?? null, element.selectionEnd ?? null])"
         "(document.activeElement)")


def click(control):
    return lambda browser: browser.click(selector(control))


def typing(text):
    return lambda browser: browser.type(text)


def pressing(key):
    return lambda browser: browser.press(key)


# name; what the user does before the program comes, and the boxes as the user sees them
# then; what the user does after it has come; the boxes, the labels and the options checked
# then; and what a press of Изчисли gives last (None: no press).
CASES = [
    ("a mode, numbers and Изчисли before the program are kept, the caret where it was",
     [click("Option1(1)"), click("Text2(0)"), typing("45"), click("Text2(1)"), typing("6"),
      click("Command1(0)"), click("Text2(1)"), pressing("End")], ["45", "6", ""],
     [typing("0")], ["45", "60", "750%"], MODE_1_LABELS, [1], "75%"),
    ("Изчисли takes the numbers of its press; a caret moved after typing stays",
     [click("Text2(0)"), typing("1"), click("Text2(1)"), typing("8"), click("Command1(0)"),
      click("Text2(1)"), pressing("End"), typing("1"), pressing("ArrowLeft")], ["1", "81", ""],
     [typing("0")], ["1", "801", "12.5%"], MODE_0_LABELS, [], "0.12%"),
    ("a character typed before the others in a full box is cut as the program cuts it",
     [click("Text2(0)"), typing("12345"), pressing("Home"), typing("9")], ["912345", "", ""],
     [], ["12345", "", ""], MODE_0_LABELS, [], None),
    ("Изчисти before the program clears as the program does, after a mode and a result",
     [click("Option1(2)"), click("Text2(0)"), typing("45"), click("Text2(1)"), typing("60"),
      click("Command1(0)"), click("Command1(1)")], ["45", "60", ""],
     [], ["", "", ""], MODE_0_LABELS, [], None),
    # Before the program, Изчисти leaves the option shown chosen: choosing it again raises no
    # change, only a click.
    ("an option chosen again after Изчисти before the program stays chosen",
     [click("Option1(1)"), click("Command1(1)"), click("Option1(1)")], ["", "", ""],
     [], ["", "", ""], MODE_1_LABELS, [1], None),
]


def all_wrong(*results):
    """Every check's complaint, so that a failure shows all that was lost."""
    return "; ".join(result for result in results if result) or None


def boxes_of(browser):
    return [value(browser, f"Text2({i})") for i in range(3)]


def early_user(link, before, shown, after, boxes, mode_labels, options, result):
    def check(browser):
        link.hold()
        try:
            browser.open_early(link.url)
            browser.wait_for(SCRIPTS_SO_FAR.format(count=link.first.count(b"<script")))
            painted(browser)
            if not browser.evaluate(NOT_YET):
                return "the program came before the rest of the page was released"
            for step in before:
                step(browser)
            wrong = expect(boxes_of(browser), shown, "boxes before the program")
            left = browser.evaluate(FOCUS)
            released_at = browser.evaluate("performance.now()")
        finally:
            link.release()
        try:
            browser.wait_for(WINDOW_READY)
        except TimeoutError as late:
            return all_wrong(wrong, str(late))
        wrong = all_wrong(
            wrong,
            expect(browser.evaluate(f"veltaroRunning > {released_at}"), True,
                   "the program took over after the release"),
            expect(browser.evaluate(FOCUS), left, "the focus and caret the user left"))
        for step in after:
            step(browser)
        wrong = all_wrong(
            wrong,
            expect(boxes_of(browser), boxes, "boxes"),
            expect(labels(browser), mode_labels, "labels"),
            expect(checked(browser), options, "options checked"))
        if result is not None:
            browser.click(selector("Command1(0)"))
            wrong = all_wrong(wrong, expect(value(browser, "Text2(2)"), result,
                                            "Изчисли pressed once the program runs"))
        return wrong
    return check


def main(page, work, engine):
    tally = Tally()
    with SlowLink(page) as link:
        profile = pathlib.Path(work) / f"profile-{engine}-early-typing"
        with ENGINES[engine].opening_early(profile) as browser:
            if engine == "chromium":
                browser.set_offline(False)
            checks = Checks(browser, link.url, tally)
            for name, *case in CASES:
                checks.run(f"{name} ({engine})", early_user(link, *case), opened=False)
    tally.finish(f"early typing ({engine})")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
