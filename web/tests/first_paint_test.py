#!/usr/bin/python3
"""The page's first frame where its program cannot run, in one engine: with WebAssembly
refused (a copy of the page whose policy allows no compiling) and with JavaScript off,
the window is drawn in its colours, it takes no typing, and the notice under it says in
Bulgarian why it cannot calculate. And where a browser knows 'unsafe-eval' but not
'wasm-unsafe-eval' (Safari before 16), the page runs: a copy whose policy lacks the
latter works; once it does, its later policy refuses any further script.
usage: first_paint_test.py PAGE.html WORK-FOLDER chromium|firefox|webkit"""

import io
import pathlib
import re
import sys

from PIL import Image

from page_driver import (ENGINES, Checks, Tally, calculate, colour_places, expect,
                         first_wrong, layout_colours, selector, session, value)
from waiting import first_passing

CANNOT_RUN = "Този браузър не може да изпълни калкулатора. Отворете страницата в по-нов браузър."
NO_SCRIPT = "Калкулаторът не работи без JavaScript: включете го в настройките на браузъра."
NOTICE = "document.getElementById('notice')"


def copy_with_policy(page, work, name, keywords):
    """The page with these keywords taken out of its policy's script-src."""
    html = pathlib.Path(page).read_text(encoding="utf-8")
    for keyword in keywords:
        html = re.sub(rf"(script-src [^;\"]*) '{keyword}'", r"\1", html, count=1)
    copy = pathlib.Path(work) / f"{name}.html"
    copy.write_text(html, encoding="utf-8")
    return copy.resolve().as_uri()


def refused(browser):
    """The window drawn and inert; a click into a box and typing leave it empty."""
    browser.wait_for(f"{NOTICE}.textContent === {CANNOT_RUN!r}")
    browser.click(selector("Text2(0)"))
    browser.type("45")
    return first_wrong(
        layout_colours(browser),
        expect(browser.evaluate(f"[document.getElementById('Veltaro').inert,"
                                f" {NOTICE}.checkVisibility()]"), [True, True],
               "the window inert, the notice shown"),
        expect(value(browser, "Text2(0)"), "", "a box typed into"))


def without_script(places):
    """Read as the page stands, with no script of the page's or the test's; the load has
    ended, and what follows it is painted by the time the colours are right."""
    def as_painted(browser):
        return first_wrong(
            layout_colours(browser, places, Image.open(io.BytesIO(browser.screenshot()))
                           .convert("RGB")),
            expect(browser.text_of("#notice"), NO_SCRIPT, "the notice"))
    return lambda browser: first_passing(lambda: as_painted(browser))


# What the page's later policy refuses, as each engine lets its driver's own script see it:
# Chromium's and Firefox's drivers may evaluate a text whatever the page's policy, and
# WebKit's may compile WebAssembly.
REFUSED_ONCE_RUNNING = {
    "chromium": ("WebAssembly.compile(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0]))"
                 ".then(() => 'done', refused => refused.name)", "CompileError"),
    "webkit": ("(() => { try { return new Function('return \"done\"')(); }"
               " catch (refused) { return refused.name; } })()", "EvalError"),
}
REFUSED_ONCE_RUNNING["firefox"] = REFUSED_ONCE_RUNNING["chromium"]


def older_policy_runs(engine, places):
    def check(browser):
        places.update(colour_places(browser))
        result = calculate(browser, "45", "60")
        attempt, refusal = REFUSED_ONCE_RUNNING[engine]
        return first_wrong(expect(result, "75%", "result"),
                           expect(browser.evaluate(attempt), refusal, "once running, a script"))
    return check


def main(page, work, engine):
    tally = Tally()
    work = pathlib.Path(work) / f"first-paint-{engine}"
    work.mkdir(parents=True, exist_ok=True)
    no_wasm = copy_with_policy(page, work, "no-wasm", ["wasm-unsafe-eval", "unsafe-eval"])
    older = copy_with_policy(page, work, "older", ["wasm-unsafe-eval"])
    with session(engine, work, "policies") as browser:
        checks = Checks(browser, no_wasm, tally)
        checks.run("with WebAssembly refused the window is drawn, inert, and says why",
                   lambda browser: refused(browser) if browser.open(no_wasm) is None else None,
                   opened=False)
        checks = Checks(browser, older, tally)
        places = {}
        checks.run("where only 'unsafe-eval' is known the page runs, then no more",
                   older_policy_runs(engine, places))
    scriptless = ENGINES[engine].without_script
    if scriptless:
        with scriptless(work / f"profile-{engine}-no-script") as browser:
            url = pathlib.Path(page).resolve().as_uri()
            checks = Checks(browser, url, tally)
            checks.run("with JavaScript off the window is drawn and the notice says why",
                       lambda browser: without_script(places)(browser)
                       if browser.open(url) is None else None, opened=False)
    tally.finish(f"first paint ({engine})")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
