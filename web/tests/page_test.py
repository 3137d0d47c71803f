#!/usr/bin/python3
"""The page as a user works it, opened from disk, with real key, mouse and (where the
engine has it) touch events, in one of three engines: Chromium, Firefox ESR or WebKitGTK.
One group of checks a run, each in a browser of its own: "desktop" (a wide screen,
English), "bulgarian" (the browser in Bulgarian), "phone" (360 x 740 CSS pixels, three
device pixels to one, with touch where the engine can emulate it; 320 too).
usage: page_test.py PAGE.html WORK-FOLDER chromium|firefox|webkit desktop|bulgarian|phone"""

import json
import pathlib
import sys

from page_driver import (ENGINES as ENGINE_SESSIONS, Checks, calculate, expect, fill,
                         first_wrong, focused, layout_colours, rect, screenshot, selector,
                         session, value)
from pixels import focus_mark_contrast

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


def rect_of(browser, control):
    return rect(browser, selector(control))


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


def dismiss_report(browser):
    """Enter on the report's button, where the window is the active one; else a click."""
    if browser.active_window:
        browser.press("Enter")
    else:
        browser.click("dialog button")


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
    dismiss_report(browser)
    # The report closes in a task of its own, after the key.
    browser.wait_for("document.querySelector('dialog') === null")
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
    focus_on(browser, "Option1(0)")
    browser.press("ArrowDown")
    return first_wrong(expect(order, wanted, "Tab order"),
                       expect(focused(browser), "Option1(1)", "an arrow moves to"),
                       expect(checked(browser), [1], "an arrow selects"),
                       expect(labels(browser), MODE_1_LABELS, "labels after an arrow"))


def enter_and_escape_do_nothing_in_a_box(browser):
    fill(browser, "Text2(0)", "45")
    fill(browser, "Text2(1)", "60")
    browser.press("Enter")
    browser.press("NumpadEnter")
    browser.press("Escape")
    return first_wrong(expect(value(browser, "Text2(2)"), "", "result box"),
                       expect(focused(browser), "Text2(1)", "focused"))


def focus_on(browser, control):
    """Tabs from the first control to this one, as a keyboard user gets there."""
    browser.evaluate("document.getElementById('Text1(0)').focus()")
    while focused(browser) != control:
        browser.press("Tab")
        if focused(browser) == "Text1(0)":
            raise LookupError(f"Tab never reaches {control}")


def enter_presses_the_focused_button(key):
    def check(browser):
        fill(browser, "Text2(0)", "45")
        fill(browser, "Text2(1)", "60")
        focus_on(browser, "Command1(0)")
        browser.press(key)
        result = value(browser, "Text2(2)")
        focus_on(browser, "Command1(1)")
        browser.press(key)
        return first_wrong(
            expect(result, "75%", f"{key} on Изчисли"),
            expect([value(browser, f"Text2({i})") for i in range(3)], ["", "", ""],
                   f"{key} on Изчисти"))
    return check


def enter_and_escape_do_nothing_on_an_option(browser):
    focus_on(browser, "Option1(0)")
    for key in ["Enter", "NumpadEnter", "Escape"]:
        browser.press(key)
    return first_wrong(expect(checked(browser), [], "options selected"),
                       expect(labels(browser), MODE_0_LABELS, "labels"),
                       expect(focused(browser), "Option1(0)", "focused"))


def window_size_and_place(browser):
    x, y, width, height = rect_of(browser, "Veltaro")
    viewport = browser.evaluate("[document.documentElement.clientWidth,"
                                " document.documentElement.clientHeight, devicePixelRatio]")
    centred = [(viewport[0] - WINDOW_SIZE[0]) / 2, (viewport[1] - WINDOW_SIZE[1]) / 2]
    return first_wrong(expect((width, height), WINDOW_SIZE, "window size"),
                       expect(viewport[2], 1, "zoom"),
                       expect([x, y], centred, "window corner"))


# What is drawn of a control: an option button is its circle and caption, in its label.
DRAWN = "const drawn = control => control.type === 'radio' ? control.parentElement : control;"


def drawn_rect(browser, control):
    return browser.evaluate(f"(() => {{ {DRAWN} const box = drawn(document.getElementById("
                            f"{control!r})).getBoundingClientRect();"
                            " return [box.x, box.y, box.width, box.height]; })()")


# The controls that take the focus, in tab order.
FOCUSABLE = ["Text1(0)", "Option1(0)", "Text2(0)", "Text2(1)", "Text2(2)", "Command1(0)",
             "Command1(1)"]


def focus_marks(browser):
    """Each control, reached by Tab, against the window with nothing focused: the pixels
    that changed are its mark, which must stand out 3:1 from what they replace and from
    the colours around it."""
    # A caret blinks; the mark is what is looked for.
    browser.evaluate("document.querySelectorAll('input, textarea')"
                     ".forEach(box => { box.style.caretColor = 'transparent'; })")
    browser.evaluate("document.activeElement.blur()")
    unmarked = screenshot(browser)
    wrong = []
    for control in FOCUSABLE:
        # After a blur, engines differ in where Tab starts from: the first control, a box
        # that shows its mark however it is focused, is focused as the page does.
        if control == FOCUSABLE[0]:
            browser.evaluate(f"document.getElementById({control!r}).focus()")
        else:
            browser.press("Tab")
        if focused(browser) != control:
            return f"Tab went to {focused(browser)!r}, not {control!r}"
        found = focus_mark_contrast(unmarked, screenshot(browser), drawn_rect(browser, control))
        if found:
            wrong.append(f"{control}: {found}")
    return "; ".join(wrong) or None


def whole_window_on_a_phone(browser):
    x, y, width, height = rect_of(browser, "Veltaro")
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


# Every control that reacts to a touch, and the element whose hit stands for it.
TOUCHED = ["Text1(0)", "Option1(0)", "Option1(1)", "Option1(2)", "Text2(0)", "Text2(1)",
           "Text2(2)", "Command1(0)", "Command1(1)"]
# The corners and edges of a square of 24 CSS pixels about a control's centre, a hair inside.
REACH = [(dx, dy) for dx in (-11.5, 0, 11.5) for dy in (-11.5, 0, 11.5)]


def hit_areas(width, height):
    """At the viewport's width, each control answers over 24 x 24 CSS pixels about its
    centre, however small the window is drawn: what the point hits is the control or a
    label of it."""
    def check(browser):
        browser.viewport(width, height)
        browser.wait_for(f"document.documentElement.clientWidth === {width}")
        short = browser.evaluate(
            f"(() => {{ {DRAWN} return {json.dumps(TOUCHED)}.map(id => {{"
            " const control = document.getElementById(id);"
            " const box = drawn(control).getBoundingClientRect();"
            " const x = box.x + box.width / 2, y = box.y + box.height / 2;"
            f" const missed = {json.dumps(REACH)}.filter(([dx, dy]) => {{"
            " const hit = document.elementFromPoint(x + dx, y + dy);"
            " return !hit || (hit !== control && hit.control !== control"
            " && hit.closest('label')?.control !== control); });"
            " return missed.length ? `${id} misses ${JSON.stringify(missed)}` : null;"
            " }).filter(Boolean); })()")
        return expect(short, [], f"at {width} CSS pixels")
    return check


def tap_beside_the_drawn_button(browser):
    """A tap in the reach of Изчисли, above what is drawn of it, presses it."""
    fill(browser, "Text2(0)", "45")
    fill(browser, "Text2(1)", "60")
    x, y, width, height = rect_of(browser, "Command1(0)")
    above = y + height / 2 - 11.5
    browser.tap_at(x + width / 2, above)
    return first_wrong(expect(above < y, True, "the tap lies outside what is drawn"),
                       expect(value(browser, "Text2(2)"), "75%", "a tap above Изчисли"))


def printed_whole(browser):
    """On paper, read back at 96 dots per inch: the window's colour spans its width and
    height on the first page, and there is no second."""
    import subprocess
    import tempfile

    from PIL import Image
    with tempfile.TemporaryDirectory() as folder:
        pdf = pathlib.Path(folder) / "page.pdf"
        pdf.write_bytes(browser.print_pdf())
        subprocess.run(["pdftoppm", "-r", "96", "-png", str(pdf), f"{folder}/page"], check=True)
        pages = sorted(pathlib.Path(folder).glob("page*.png"))
        sheet = Image.open(pages[0]).convert("RGB")
        lavender = [(x, y) for x in range(sheet.width) for y in range(0, sheet.height, 3)
                    if sheet.getpixel((x, y)) == (192, 192, 255)]
    xs = [x for x, _ in lavender]
    ys = [y for _, y in lavender]
    span = (max(xs) - min(xs) + 1, max(ys) - min(ys) + 1) if lavender else (0, 0)
    return first_wrong(expect(len(pages), 1, "pages"),
                       None if abs(span[0] - WINDOW_SIZE[0]) <= 3
                       and abs(span[1] - WINDOW_SIZE[1]) <= 4
                       else f"the window's colour spans {span}, not {WINDOW_SIZE}")


def nothing_else_asked_for_nothing_wrong(url):
    def check(browser):
        return first_wrong(
            expect(sorted(set(browser.requests()) - {url}), [], "requests beyond the page"),
            expect(browser.problems(), [], "errors"))
    return check


def checks_of(engine, group, url):
    """The checks of the group that the engine's browser can run: Firefox's headless window
    is never the active one, so it draws no focus marks and Enter presses no button there;
    WebKitGTK's MiniBrowser has no touch and no window narrower than about 450 CSS pixels,
    and its driver neither prints nor reports requests or errors."""
    kind = ENGINE_SESSIONS[engine]
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
            ("Tab goes in the layout's order; an arrow selects the option it moves to",
             tab_order_and_arrows),
            ("Enter, keypad Enter and Esc in a box do nothing",
             enter_and_escape_do_nothing_in_a_box),
            ("Enter, keypad Enter and Esc on an option do nothing",
             enter_and_escape_do_nothing_on_an_option),
            ("the colours of the layout, in a screenshot", layout_colours),
            ("the window is 461 x 345 CSS pixels at zoom 1, centred", window_size_and_place),
        ]
        if kind.active_window:
            rows += [
                ("Enter on a focused button presses it",
                 enter_presses_the_focused_button("Enter")),
                ("keypad Enter on a focused button presses it",
                 enter_presses_the_focused_button("NumpadEnter")),
                ("every control's focus mark stands out 3:1, in a screenshot", focus_marks),
            ]
        if hasattr(kind, "print_pdf"):
            rows.append(("printed, the window is whole on one page, at its size",
                         printed_whole))
    if group == "phone":
        rows.append(("a narrow screen shows the whole window, with no sideways scroll",
                     whole_window_on_a_phone))
        if hasattr(kind, "tap_at"):
            rows += [("a tap on each control works", tap_each_control),
                     ("a tap beside what is drawn of a button presses it",
                      tap_beside_the_drawn_button)]
        if kind.emulates_phones:
            rows += [
                ("every control answers over 24 x 24 CSS pixels at 360", hit_areas(360, 740)),
                ("every control answers over 24 x 24 CSS pixels at 320", hit_areas(320, 640)),
            ]
    if hasattr(kind, "requests"):
        rows.append(("nothing asked for after load, nothing wrong reported",
                     nothing_else_asked_for_nothing_wrong(url)))
    return rows


def main(page, work, engine, group):
    url = pathlib.Path(page).resolve().as_uri()
    with session(engine, work, group, lang="bg" if group == "bulgarian" else "en-US") as browser:
        if group == "phone":
            browser.viewport(360, 740, 3)
        checks = Checks(browser, url)
        for name, check in checks_of(engine, group, url):
            checks.run(name, check)
    checks.finish(f"page ({engine}, {group})")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
