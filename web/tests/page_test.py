#!/usr/bin/python3
"""The page as a user works it, opened from disk, with real key, mouse and (where the
engine has it) touch events, in one of three engines: Chromium, Firefox ESR or WebKitGTK.
One group of checks a run, each in a browser of its own: "desktop" (a wide screen,
English), "bulgarian" (the browser in Bulgarian), "phone" (360 x 740 CSS pixels, three
device pixels to one, with touch where the engine can emulate it; 320 too).
usage: page_test.py PAGE.html WORK-FOLDER chromium|firefox|webkit desktop|bulgarian|phone"""

import base64
import hashlib
import json
import pathlib
import re
import sys

from page_driver import (ENGINES as ENGINE_SESSIONS, MODE_0_LABELS, MODE_1_LABELS,
                         MODE_2_LABELS, Checks, calculate, checked, expect, fill, first_wrong,
                         focused, labels, layout_colours, open_page, rect, screenshot,
                         selector, session, value)
from pixels import contrast, focus_mark_contrast

WINDOW_SIZE = (461, 345)


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


# The browser's first language, and 1 of 3 there: a result's digits are Latin in every
# language, and so is the separator between them.
THIRDS_BY_LANGUAGE = [("ar", "33.33%"), ("ar-EG", "33.33%"), ("fa", "33.33%"), ("ps", "33,33%"),
                      ("hi", "33.33%"), ("de-CH", "33.33%"), ("fr-CH", "33,33%"),
                      ("sv", "33,33%"), ("bg", "33,33%")]


def thirds_in_each_language(browser):
    """The program asks for the languages at each calculation, so the page's list is
    replaced for the time of each one. A language the engine has no data for (Chromium
    knows no Pashto) is written as the engine's default is, with a point."""
    try:
        for language, third in THIRDS_BY_LANGUAGE:
            known = browser.evaluate(f"Intl.NumberFormat.supportedLocalesOf({language!r}).length")
            browser.evaluate("Object.defineProperty(navigator, 'languages',"
                             f" {{configurable: true, get: () => [{language!r}]}}), true")
            wanted = third if known else "33.33%"
            wrong = expect(calculate(browser, "1", "3"), wanted, f"1 of 3 in {language}")
            if wrong:
                return wrong
        return None
    finally:
        browser.evaluate("delete navigator.languages, true")


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


# The text spacing a page must survive (WCAG 2.2, 1.4.12), as a reader's own style sets it.
TEXT_SPACING = ("* { line-height: 1.5 !important; letter-spacing: 0.12em !important;"
                " word-spacing: 0.16em !important; }"
                " p { margin-bottom: 2em !important; }")


def with_text_spacing(page, work):
    """A copy of the page with the reader's spacing from the start, its policy letting that
    style in by its hash, as a browser lets in a reader's own style."""
    html = pathlib.Path(page).read_text(encoding="utf-8")
    spacing = "'sha256-" + base64.b64encode(
        hashlib.sha256(TEXT_SPACING.encode()).digest()).decode() + "'"
    html, count = re.subn(r"style-src ", f"style-src {spacing} ", html, count=1)
    assert count == 1, "no style-src in the page's policy"
    html = html.replace("</head>", f"<style>{TEXT_SPACING}</style>\n</head>", 1)
    copy = pathlib.Path(work) / "veltaro-text-spacing.html"
    copy.write_text(html, encoding="utf-8")
    return copy.resolve().as_uri()


# Each text of the window drawn by the page (a box's own text scrolls), as line boxes: the
# lines that an element clips or that run out of the window, and the lines that meet
# another text or another control.
CLIPPED_OR_OVERLAPPING = """(() => {
  const window_ = document.getElementById('Veltaro');
  const holders = [...window_.querySelectorAll('label, span, button')]
    .filter(element => [...element.childNodes].some(node => node.nodeType === Node.TEXT_NODE
                                                            && node.textContent.trim()));
  const lines = holders.map(element => {
    const text = document.createRange();
    text.selectNodeContents(element);
    return [...text.getClientRects()].filter(line => line.width > 0);
  });
  const inside = (line, box) => line.left >= box.left - 0.5 && line.right <= box.right + 0.5
    && line.top >= box.top - 0.5 && line.bottom <= box.bottom + 0.5;
  const meet = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5
    && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
  const clips = element => getComputedStyle(element).overflow !== 'visible';
  const controls = [...window_.querySelectorAll('input, textarea, button')];
  const found = [];
  holders.forEach((element, at) => {
    const name = element.id || element.parentElement.htmlFor || element.textContent;
    for (let clip = element; clip !== window_.parentElement; clip = clip.parentElement) {
      if ((clip === window_ || clips(clip))
          && !lines[at].every(line => inside(line, clip.getBoundingClientRect())))
        found.push(`${name}: cut by ${clip.id || clip.localName}`);
    }
    controls.filter(control => !control.contains(element) && !element.contains(control))
      .forEach(control => {
        if (lines[at].some(line => meet(line, control.getBoundingClientRect())))
          found.push(`${name} meets ${control.id}`);
      });
    holders.forEach((other, next) => {
      if (next > at && !other.contains(element) && !element.contains(other)
          && lines[at].some(line => lines[next].some(line2 => meet(line, line2))))
        found.push(`${element.textContent} meets ${other.textContent}`);
    });
  });
  return found;
})()"""

# Lets every text of the window be drawn whole, wherever it runs.
UNCLIPPED = """document.querySelectorAll('#Veltaro label, #Veltaro span, #Veltaro button')
  .forEach(element => element.style.setProperty('overflow', 'visible', 'important'))"""
# Each edge of the window's elements: where a clip is rounded to the screen's pixels, and
# an engine may draw a pixel of a border or a first letter a shade apart.
EDGES = """[...document.querySelectorAll('#Veltaro, #Veltaro *')].map(element => {
  const box = element.getBoundingClientRect();
  return [box.left, box.top, box.right, box.bottom].map(side => side * devicePixelRatio);
})"""


def unclipped_changes(clipped, whole, edges, box):
    """The pixels in the box that change 3:1 once nothing is clipped, off the elements'
    edges."""
    def on_edge(px, py):
        return any((abs(px - left) < 2 or abs(px - right) < 2) and top - 2 < py < bottom + 2
                   or (abs(py - top) < 2 or abs(py - bottom) < 2) and left - 2 < px < right + 2
                   for left, top, right, bottom in edges)
    x, y, width, height = box
    changed = [(px, py) for px in range(x, x + width) for py in range(y, y + height)
               if contrast(clipped.getpixel((px, py)), whole.getpixel((px, py))) >= 3]
    return [point for point in changed if not on_edge(*point)]


# The reader's spacing put on once the page runs, as a tool that tests the spacing does:
# the captions are fitted again, so it waits until none is cut (and fails saying so).
SPACING_PUT_ON = f"""(() => {{
  const spacing = new CSSStyleSheet();
  spacing.replaceSync({json.dumps(TEXT_SPACING)});
  document.adoptedStyleSheets = [...document.adoptedStyleSheets, spacing];
}})()"""


def text_spacing_clips_nothing(url, put_on_later=False):
    """With the reader's spacing, every text lies within its element and meets no other
    (the DOM), and drawing the texts unclipped changes no pixel a reader would see (a
    screenshot)."""
    def spaced(browser):
        open_page(browser, url)
        if put_on_later:
            browser.evaluate(SPACING_PUT_ON)
            try:
                browser.wait_for(f"{CLIPPED_OR_OVERLAPPING}.length === 0")
            except TimeoutError:
                pass

    def check(browser):
        spaced(browser)
        scale = browser.evaluate("devicePixelRatio")
        window_ = [round(side * scale) for side in rect_of(browser, "Veltaro")]
        for mode in range(3):
            browser.click(selector(f"Option1({mode})"))
            wrong = browser.evaluate(CLIPPED_OR_OVERLAPPING)
            if wrong:
                return f"mode {mode}: {wrong}"
            edges = browser.evaluate(EDGES)
            clipped = screenshot(browser)
            browser.evaluate(UNCLIPPED)
            changed = unclipped_changes(clipped, screenshot(browser), edges, window_)
            if changed:
                return f"mode {mode}: {len(changed)} pixels change once nothing is clipped," \
                       f" first {changed[:5]}"
            spaced(browser)
        return None
    return check


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


def zoomed_in_fourfold(browser):
    """A 1280 x 720 screen at 400 %: 320 x 180 CSS pixels, the window taller than that, so
    a desktop's scroll bar takes some of the width."""
    browser.viewport(320, 180)
    try:
        viewport = browser.evaluate("[document.documentElement.scrollWidth,"
                                    " document.documentElement.clientWidth]")
        return expect(viewport[0] <= viewport[1], True, f"no sideways scroll {viewport}")
    finally:
        browser.viewport(800, 600)


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


def checks_of(engine, group, url, spaced_url):
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
            ("1 of 3 in nine languages: Latin digits, and the separator that goes with them",
             thirds_in_each_language),
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
            ("zoomed in 400 %, the window fits beside the scroll bar", zoomed_in_fourfold),
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
    # Last: it opens a page of its own.
    if group == "desktop":
        rows += [("with the reader's text spacing no text is clipped or meets another",
                  text_spacing_clips_nothing(spaced_url)),
                 ("nor with the spacing put on once the page runs",
                  text_spacing_clips_nothing(url, put_on_later=True))]
    return rows


def main(page, work, engine, group):
    url = pathlib.Path(page).resolve().as_uri()
    with session(engine, work, group, lang="bg" if group == "bulgarian" else "en-US") as browser:
        if group == "phone":
            browser.viewport(360, 740, 3)
        checks = Checks(browser, url)
        for name, check in checks_of(engine, group, url, with_text_spacing(page, work)):
            checks.run(name, check)
    checks.finish(f"page ({engine}, {group})")


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
