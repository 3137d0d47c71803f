#!/usr/bin/python3
"""The page as a user works it, in headless Chromium with real key, mouse and touch events,
opened from disk with the network off. One group of checks a run, each group in a browser
of its own: "desktop" (a wide screen, English), "bulgarian" (the browser in Bulgarian),
"phone" (360 x 740 CSS pixels, touch, three device pixels to one).
usage: page_test.py PAGE.html WORK-FOLDER desktop|bulgarian|phone"""

import io
import pathlib
import sys

from PIL import Image

from page_driver import (ChromiumSession, Checks, calculate, expect, fill, first_wrong,
                         focused, problems, selector, value)

MODE_0_LABELS = ["изходяща енергия", "подадена енергия", "КПД %"]
MODE_1_LABELS = ["годна продукция", "произведена продукция", "рандеман %"]
MODE_2_LABELS = ["получен добив", "теоретичен добив", "добив %"]
WINDOW_SIZE = (461, 345)


def labels(browser):
    return browser.evaluate(
        "[0, 1, 2].map(i => document.getElementById(`Label2(${i})`).textContent)")


def checked(browser):
    return browser.evaluate(
        "[0, 1, 2].filter(i => document.getElementById(`Option1(${i})`).checked)")


def rect(browser, control):
    return browser.evaluate(
        f"(r => [r.x, r.y, r.width, r.height])(document.querySelector('{selector(control)}')"
        ".getBoundingClientRect())")


# name, part, whole, the result box afterwards
CALCULATIONS = {
    "desktop": [
        ("45 and 60 give 75%", "45", "60", "75%"),
        ("1 and 800 give 0.13%: 0.125 rounds away from zero", "1", "800", "0.13%"),
    ],
    "bulgarian": [
        ("1 and 3 give 33,33% with the browser's decimal comma", "1", "3", "33,33%"),
        ("1.5 and 3 give 50%: a point is read whatever the language", "1.5", "3", "50%"),
        ("1,5 and 3 give 33,33%: a comma ends the number typed", "1,5", "3", "33,33%"),
    ],
}


def calculation(part, whole, result):
    return lambda browser: expect(calculate(browser, part, whole), result, "result")


# name, what the box holds first, how the rest comes, the rest, what the box holds then
LIMITS = [
    ("a sixth character typed is refused", "", "type", "123456", "12345"),
    ("a character typed before the others in a full box is refused", "12345", "type-at-start",
     "9", "12345"),
    ("a paste is cut to the characters that fit", "12", "paste", "34567", "12345"),
    ("a pasted character beyond the BMP counts as one", "", "paste", "😀" * 6, "😀" * 5),
    ("a paste is never cut between the halves of a pair", "1234", "paste", "😀😀", "1234😀"),
]


def limit(start, how, text, wanted):
    def check(browser):
        fill(browser, "Text2(0)", start)
        if how == "paste":
            browser.paste(text)
        else:
            if how == "type-at-start":
                browser.press("Home")
            browser.type(text)
        return expect(value(browser, "Text2(0)"), wanted, "the box holds")
    return check


def result_box_takes_no_typing(browser):
    calculate(browser, "45", "60")
    browser.click(selector("Text2(2)"))
    browser.type("9")
    browser.press("Backspace")
    browser.paste("1")
    return first_wrong(expect(focused(browser), "Text2(2)", "focused"),
                       expect(value(browser, "Text2(2)"), "75%", "result box"))


def whole_of_zero_keeps_result(browser):
    calculate(browser, "45", "60")
    return expect(calculate(browser, "45", "0"), "75%", "result after a whole of 0")


def overflow_is_reported_and_the_page_goes_on(browser):
    calculate(browser, "1e999", "5")
    report = browser.evaluate(
        "(d => d && [d.getAttribute('role'), d.textContent, document.activeElement.parentElement"
        " === d])(document.querySelector('dialog[open]'))")
    if not report:
        return "no report opened"
    role, text, button_focused = report
    wrong = first_wrong(expect(role, "alertdialog", "report's role"),
                        None if "Грешка 6: Overflow" in text else f"report says {text!r}",
                        expect(button_focused, True, "focus on the report's button"))
    if wrong:
        return wrong
    browser.press("Enter")
    # The report closes in a task of its own, after the key.
    browser.wait_for("document.querySelector('dialog') === null", timeout=2)
    return first_wrong(
        expect(focused(browser), "Command1(0)", "focus back on"),
        expect([value(browser, f"Text2({i})") for i in range(3)], ["1e999", "5", ""], "boxes"),
        expect(calculate(browser, "1", "5"), "20%", "the next result"))


def long_result_shows_its_start(browser):
    # The user reads the end of one long result; the next shows its own beginning.
    calculate(browser, "1e300", "7")
    browser.click(selector("Text2(2)"))
    browser.press("End")
    result = calculate(browser, "1e299", "3")
    scroll = browser.evaluate("(box => [box.scrollWidth > box.clientWidth, box.scrollLeft])"
                              "(document.getElementById('Text2(2)'))")
    return first_wrong(expect(result, "3.33333333333333E+300%", "result"),
                       expect(scroll, [True, 0], "wider than the box, scrolled to its start"))


def clear_empties_everything(browser):
    browser.click(selector("Option1(2)"))
    selected = labels(browser)
    calculate(browser, "45", "60")
    browser.click(selector("Command1(1)"))
    return first_wrong(expect(selected, MODE_2_LABELS, "labels of the mode selected"),
                       expect([value(browser, f"Text2({i})") for i in range(3)], ["", "", ""],
                              "boxes"),
                       expect(checked(browser), [], "options selected"),
                       expect(labels(browser), MODE_0_LABELS, "labels"))


def long_caption_fitted(browser):
    browser.click(selector("Option1(1)"))
    lines = browser.evaluate(
        "(label => { const text = document.createRange(); text.selectNodeContents(label);"
        " return [...text.getClientRects()].map(line => line.width <= label.clientWidth); })"
        "(document.getElementById('Label2(1)'))")
    return expect(lines, [True], "the caption's lines, each within the label")


def tab_order_and_arrows(browser):
    order = [focused(browser)]
    for _ in range(6):
        browser.press("Tab")
        order.append(focused(browser))
    wanted = ["Text1(0)", "Option1(0)", "Text2(0)", "Text2(1)", "Text2(2)", "Command1(0)",
              "Command1(1)"]
    browser.press("Tab", modifiers=8)  # back to the result box
    for _ in range(4):
        browser.press("Tab", modifiers=8)
    browser.press("ArrowDown")
    return first_wrong(expect(order, wanted, "Tab order"),
                       expect(focused(browser), "Option1(1)", "an arrow moves to"),
                       expect(checked(browser), [1], "an arrow selects"),
                       expect(labels(browser), MODE_1_LABELS, "labels after an arrow"))


def enter_and_escape_do_nothing(browser):
    fill(browser, "Text2(0)", "45")
    fill(browser, "Text2(1)", "60")
    browser.press("Enter")
    browser.press("Escape")
    return first_wrong(expect(value(browser, "Text2(2)"), "", "result box"),
                       expect(focused(browser), "Text2(1)", "focused"))


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


def colours(browser):
    shot = Image.open(io.BytesIO(browser.screenshot())).convert("RGB")
    seen = {}
    for control, point, _ in COLOURS:
        x, y = point(*rect(browser, control))
        seen[control] = shot.getpixel((int(x), int(y)))
    return expect(seen, {control: colour for control, _, colour in COLOURS}, "colours")


def window_size_and_place(browser):
    x, y, width, height = rect(browser, "Veltaro")
    viewport = browser.evaluate("[document.documentElement.clientWidth,"
                                " document.documentElement.clientHeight, devicePixelRatio]")
    centred = [(viewport[0] - WINDOW_SIZE[0]) / 2, (viewport[1] - WINDOW_SIZE[1]) / 2]
    return first_wrong(expect((width, height), WINDOW_SIZE, "window size"),
                       expect(viewport[2], 1, "zoom"),
                       expect([x, y], centred, "window corner"))


# The controls that take the focus, in tab order.
FOCUSABLE = ["Text1(0)", "Option1(0)", "Text2(0)", "Text2(1)", "Text2(2)", "Command1(0)",
             "Command1(1)"]


def focus_marks(browser):
    browser.page("Emulation.setFocusEmulationEnabled", enabled=True)
    # A caret blinks; the mark is what is looked for.
    browser.evaluate("document.querySelectorAll('input, textarea')"
                     ".forEach(box => { box.style.caretColor = 'transparent'; })")

    def picture(control):
        x, y, width, height = rect(browser, control)
        clip = {"x": x - 4, "y": y - 4, "width": width + 8, "height": height + 8, "scale": 1}
        return browser.page("Page.captureScreenshot", format="png", clip=clip)["data"]

    unmarked = {control: picture(control) for control in FOCUSABLE[1:]}
    browser.press("Tab")
    unmarked[FOCUSABLE[0]] = picture(FOCUSABLE[0])
    browser.press("Tab", modifiers=8)
    unmarked_focus = focused(browser)
    marked = {}
    for control in FOCUSABLE:
        marked[control] = picture(control)
        browser.press("Tab")
    missing = [control for control in FOCUSABLE if marked[control] == unmarked[control]]
    return first_wrong(expect(unmarked_focus, "Text1(0)", "focus back on"),
                       expect(missing, [], "no focus mark on"))


def whole_window_on_a_phone(browser):
    x, y, width, height = rect(browser, "Veltaro")
    viewport = browser.evaluate("[document.documentElement.scrollWidth,"
                                " document.documentElement.clientWidth, innerHeight]")
    zoom = browser.evaluate("document.querySelector('meta[name=viewport]').content")
    return first_wrong(
        expect(viewport[0] <= viewport[1], True, f"no sideways scroll {viewport}"),
        expect(x >= 0 and x + width <= viewport[1] and y >= 0 and y + height <= viewport[2],
               True, f"the window {[x, y, width, height]} inside the screen {viewport}"),
        expect(width > 0.9 * viewport[1], True, f"the window {width} fills the width"),
        None if "user-scalable" not in zoom and "maximum-scale" not in zoom
        else f"pinch zoom limited: {zoom}",
        expect(browser.evaluate("['Text2(0)', 'Text2(1)'].map(id =>"
                                " document.getElementById(id).inputMode)"), ["text", "text"],
               "the keyboard the boxes ask for"))


def tap_each_control(browser):
    seen = []
    for control, text in [("Text2(0)", "45"), ("Text2(1)", "60")]:
        browser.tap(selector(control))
        seen.append(expect(focused(browser), control, "a tap focuses"))
        browser.type(text)
    for option, wanted in [(1, MODE_1_LABELS), (2, MODE_2_LABELS), (0, MODE_0_LABELS)]:
        browser.tap(selector(f"Option1({option})"))
        seen.append(expect([checked(browser), labels(browser)], [[option], wanted],
                           f"a tap on Option1({option})"))
    browser.tap(selector("Command1(0)"))
    seen.append(expect(value(browser, "Text2(2)"), "75%", "a tap on Изчисли"))
    for control in ["Text2(2)", "Text1(0)"]:
        browser.tap(selector(control))
        seen.append(expect(focused(browser), control, "a tap focuses"))
    browser.tap(selector("Command1(1)"))
    seen.append(expect([value(browser, f"Text2({i})") for i in range(3)], ["", "", ""],
                       "a tap on Изчисти"))
    return first_wrong(*seen)


def checks_of(group):
    rows = [(name, calculation(part, whole, result))
            for name, part, whole, result in CALCULATIONS.get(group, [])]
    if group == "desktop":
        rows += [(name, limit(*row)) for name, *row in LIMITS]
        rows += [
            ("typing into the result box changes nothing", result_box_takes_no_typing),
            ("a whole of 0 keeps the result", whole_of_zero_keeps_result),
            ("1e999 is reported, and the page goes on with the boxes kept",
             overflow_is_reported_and_the_page_goes_on),
            ("a result wider than its box shows its start", long_result_shows_its_start),
            ("Изчисти empties every box and clears the options", clear_empties_everything),
            ("a caption too wide for its label is drawn smaller, on one line",
             long_caption_fitted),
            ("Tab goes in the layout's order; arrows select within the options",
             tab_order_and_arrows),
            ("Enter and Esc do nothing", enter_and_escape_do_nothing),
            ("the colours of the layout, in a screenshot", colours),
            ("the window is 461 x 345 CSS pixels at zoom 1, centred", window_size_and_place),
            ("every control that takes the focus shows a mark", focus_marks),
        ]
    if group == "phone":
        rows += [("a phone shows the whole window, with no sideways scroll",
                  whole_window_on_a_phone),
                 ("a tap on each control works", tap_each_control)]
    return rows


def main(page, work, group):
    url = pathlib.Path(page).resolve().as_uri()
    with ChromiumSession(pathlib.Path(work) / f"profile-{group}",
                         lang="bg" if group == "bulgarian" else "en-US") as browser:
        browser.page("Log.enable")
        if group == "phone":
            browser.phone()
        checks = Checks(browser, url)
        for name, check in checks_of(group):
            checks.run(name, check)
        checks.run("nothing asked for after load, nothing wrong reported",
                   lambda browser: first_wrong(
                       expect(sorted(set(browser.requests())), [url], "requests"),
                       expect(problems(browser), [], "errors")))
    checks.finish(f"page ({group})")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
