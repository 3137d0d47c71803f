#!/usr/bin/python3
"""Reads the running program through AT-SPI as a screen reader does, with a running event
loop (so that names and states are kept and updated from the program's events), and
works it through accessibility calls and the keyboard: every text it shows refuses a write
unless the user may type there, each result it writes is raised as a notification showing
it, an arrow key selects the mode it reaches, and Enter presses the focused button and
nothing else. Prints one line per failed check and a closing count; exits non-zero on any failure."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTION = "www.veltaro.bg Велтаро"
HELP_NAME = "Задачата и използваните термини"
EFFICIENCY = ["изходяща енергия", "подадена енергия", "КПД %"]
GOOD_PRODUCT = ["годна продукция", "произведена продукция", "рандеман %"]

passed = 0
failed = 0


def check(what, got, expected):
    global passed, failed
    if got == expected:
        passed += 1
    else:
        failed += 1
        print(f"FAIL: {what}: {got!r}, expected {expected!r}")


def states(accessible):
    state = accessible.getState()
    return (state.contains(pyatspi.STATE_READ_ONLY), state.contains(pyatspi.STATE_EDITABLE))


def text_of(box):
    return box.queryText().getText(0, -1)


def act(accessible, name):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index(name))


def children(accessible, role):
    return [child for child in accessible if child is not None and child.getRole() == role]


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Veltaro":
            return app
    return None


focused = []


def until(condition, what, seconds=30):
    """Lets the event loop run until the condition holds; past so many seconds the test
    fails, saying what it waited for."""
    deadline = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > deadline:
            raise TimeoutError(f"waited {seconds} s for {what}")
        yield 50


def on_focus(event):
    if event.detail1 == 1:
        focused.append((event.source.getRole(), event.source.name))


announced = []


def on_showing(event):
    if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        announced.append(event.source.name)


def texts_under(accessible):
    """Every object under this one that offers its text, with its text interface."""
    found = []
    for child in accessible:
        if child is None:
            continue
        try:
            found.append((child, child.queryText()))
        except NotImplementedError:
            pass
        found.extend(texts_under(child))
    return found


def writes(accessible):
    """Every way of writing a text from outside, even those the object does not offer."""
    return [
        ("set text", lambda: accessible.set_text_contents("0%")),
        ("insert", lambda: accessible.insert_text(0, "1", 1)),
        ("delete", lambda: accessible.delete_text(0, 2)),
        ("cut", lambda: accessible.cut_text(0, 2)),
        ("paste", lambda: accessible.paste_text(0)),
    ]


def steps():
    """The test, one step at a time; each yield lets the event loop run for so many ms."""
    yield from until(lambda: application() is not None and application().childCount > 0,
                     "a window of an application named Veltaro on the accessibility bus")
    app = application()
    frames = [child for child in app if child is not None]
    check("the application's windows", [f.getRole() for f in frames], [pyatspi.ROLE_FRAME])
    window = frames[0]
    check("the window's name", window.name, CAPTION)

    texts = children(window, pyatspi.ROLE_TEXT)
    help_box = texts[0]
    boxes = [t for t in texts if not t.getState().contains(pyatspi.STATE_MULTI_LINE)]
    labels = children(window, pyatspi.ROLE_LABEL)[1:]
    part, whole, result = boxes
    calculate, clear = children(window, pyatspi.ROLE_PUSH_BUTTON)
    options = children(children(window, pyatspi.ROLE_FILLER)[0], pyatspi.ROLE_RADIO_BUTTON)

    check("the help box's name", help_box.name, HELP_NAME)
    check("the help box is read-only, not editable", states(help_box), (True, False))
    # A reader moving by lines hears the help text as the box wraps it, and all of it.
    help_text = help_box.queryText()
    lines = [help_text.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)]
    while lines[-1][1] >= 0 and len(lines) < 200:
        lines.append(help_text.getTextAfterOffset(lines[-1][1], pyatspi.TEXT_BOUNDARY_LINE_START))
    paragraphs = text_of(help_box).split("\n")
    check("the help text's lines, read one after another",
          "".join(line for line, _, _ in lines), "".join(paragraphs))
    check("more lines than paragraphs", len(lines) > len(paragraphs), True)
    check("the boxes' names at start", [b.name for b in boxes], EFFICIENCY)
    for box, label in zip(boxes, labels):
        relations = {r.getRelationType(): r.getTarget(0) for r in box.getRelationSet()}
        labelled_by = relations.get(pyatspi.RELATION_LABELLED_BY)
        check("the label of " + label.name, labelled_by and labelled_by.name, label.name)
    check("the input boxes are editable", [states(part), states(whole)], [(False, True)] * 2)
    check("the result box is read-only, not editable", states(result), (True, False))
    # Left to right under every locale: each label stands left of its box.
    for box, label in zip(boxes, labels):
        label_x = label.queryComponent().getExtents(pyatspi.WINDOW_COORDS).x
        box_x = box.queryComponent().getExtents(pyatspi.WINDOW_COORDS).x
        check("left of its box: " + label.name, label_x < box_x, True)

    # A screen reader types into the input boxes and presses the buttons.
    part.queryEditableText().setTextContents("45")
    whole.queryEditableText().setTextContents("601234")
    yield from until(lambda: text_of(whole) == "60123", "the whole box to read 60123")
    check("the whole box keeps five characters", text_of(whole), "60123")
    whole.queryEditableText().setTextContents("60")
    act(calculate, "Press")
    yield from until(lambda: text_of(result) == "75%", "the result 75%")
    check("the result after Изчисли", text_of(result), "75%")

    yield from until(lambda: len(announced) == 1, "a notification")
    check("announced after Изчисли", announced, [EFFICIENCY[2] + " 75%"])

    # Every text the program shows, where the user cannot type, refuses every write.
    read_only = [(a, t) for a, t in texts_under(window)
                 if not a.getState().contains(pyatspi.STATE_EDITABLE)]
    check("the read-only texts", [a.name for a, _ in read_only], [HELP_NAME, "", EFFICIENCY[2]])
    before = [t.getText(0, -1) for _, t in read_only]
    for index in range(len(writes(result))):
        for accessible, _ in read_only:
            try:
                writes(accessible)[index][1]()
            except GLib.Error:
                pass  # refused outright is as good as ignored
        # Each call above returned once the program had handled it: what it changed, it has.
        changed = [a.name for (a, t), text in zip(read_only, before) if t.getText(0, -1) != text]
        check("the read-only texts that took " + writes(result)[index][0], changed, [])
    result.queryText().setSelection(0, 0, 2)
    yield from until(lambda: result.queryText().getSelection(0) == (0, 2),
                     "the result's first two characters selected")

    # The same result again is announced again; a whole below 1 writes nothing, and so
    # announces nothing: the next announcement, once the whole is 60 again, comes third.
    act(calculate, "Press")
    yield from until(lambda: len(announced) == 2, "a second notification")
    check("announced after Изчисли again", announced, [EFFICIENCY[2] + " 75%"] * 2)
    whole.queryEditableText().setTextContents("0")
    act(calculate, "Press")
    whole.queryEditableText().setTextContents("60")
    act(calculate, "Press")
    yield from until(lambda: len(announced) >= 3, "a notification after a whole of 0, then 60")
    check("announced after a whole of 0, then 60", announced, [EFFICIENCY[2] + " 75%"] * 3)

    # Selecting a mode renames the boxes; what a reader says as the focus enters each box.
    act(options[1], "Toggle")
    yield from until(lambda: boxes[2].name == GOOD_PRODUCT[2], "the boxes renamed for рандеман")
    check("the boxes' names after рандеман", [b.name for b in boxes], GOOD_PRODUCT)
    focused.clear()
    part.queryComponent().grabFocus()
    yield from until(lambda: len(focused) == 1, "the focus in the first box")
    for count in (2, 3):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        yield from until(lambda: len(focused) == count, f"the focus in box {count} after Tab")
    expected = [(pyatspi.ROLE_TEXT, name) for name in GOOD_PRODUCT]
    check("announced as the focus enters each box", focused, expected)
    check("the numbers stay", [text_of(part), text_of(result)], ["45", "75%"])

    act(clear, "Press")
    yield from until(lambda: text_of(result) == "" and boxes[2].name == EFFICIENCY[2],
                     "the boxes emptied and named as at start")
    check("the boxes after Изчисти", [text_of(b) for b in boxes], ["", "", ""])
    check("the boxes' names after Изчисти", [b.name for b in boxes], EFFICIENCY)
    check("no mode after Изчисти",
          [o.getState().contains(pyatspi.STATE_CHECKED) for o in options], [False] * 3)
    check("announced after Изчисти", announced, [EFFICIENCY[2] + " 75%"] * 3)

    # The keyboard alone, with real key events: from no mode selected, an arrow selects the
    # mode it reaches; Enter presses the focused button, and does nothing in a box or on an
    # option; nor does Esc.
    def key(*names):
        subprocess.run(["xdotool", "key", *names], check=True)

    def type_text(text):
        subprocess.run(["xdotool", "type", text], check=True)

    def has_focus(accessible):
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)

    def selected():
        return [o.getState().contains(pyatspi.STATE_CHECKED) for o in options]

    options[0].queryComponent().grabFocus()
    yield from until(lambda: has_focus(options[0]), "the focus on the first option")
    key("Down")
    yield from until(lambda: boxes[2].name == GOOD_PRODUCT[2], "the boxes renamed by the arrow")
    check("an arrow from no mode selects рандеман", selected(), [False, True, False])
    check("the boxes' names after the arrow", [b.name for b in boxes], GOOD_PRODUCT)
    key("Return", "KP_Enter", "Escape")
    part.queryComponent().grabFocus()
    yield from until(lambda: has_focus(part), "the focus in the part box")
    type_text("45")
    key("Tab")
    yield from until(lambda: has_focus(whole), "the focus in the whole box")
    type_text("60")
    key("Return", "KP_Enter", "Escape")
    # The program takes keys in order: once the Tabs have moved the focus, the keys before
    # them have done whatever they do.
    key("Tab", "Tab")
    yield from until(lambda: has_focus(calculate), "the focus on Изчисли after two Tabs")
    check("the mode after Enter and Esc on an option", selected(), [False, True, False])
    check("the boxes after Enter and Esc in a box", [text_of(b) for b in boxes], ["45", "60", ""])
    key("Return")
    yield from until(lambda: text_of(result) == "75%", "the result 75% after Enter")
    check("the result after Enter on Изчисли", text_of(result), "75%")
    key("Tab")
    yield from until(lambda: has_focus(clear), "the focus on Изчисти")
    key("KP_Enter")
    yield from until(lambda: text_of(part) == "" and not any(selected()),
                     "the boxes emptied by keypad Enter")
    check("the boxes after keypad Enter on Изчисти", [text_of(b) for b in boxes], ["", "", ""])
    check("no mode after keypad Enter on Изчисти", selected(), [False] * 3)
    part.queryEditableText().setTextContents("3")
    whole.queryEditableText().setTextContents("1")
    calculate.queryComponent().grabFocus()
    yield from until(lambda: has_focus(calculate), "the focus on Изчисли")
    key("KP_Enter")
    yield from until(lambda: text_of(result) == "300%", "the result 300%")
    check("the result after keypad Enter on Изчисли", text_of(result), "300%")

    # The error report, in Bulgarian to its button.
    part.queryEditableText().setTextContents("1e999")
    whole.queryEditableText().setTextContents("1")
    act(calculate, "Press")

    def open_reports():
        return [w for w in application() if w is not None and w.getRole() != pyatspi.ROLE_FRAME]

    yield from until(lambda: len(open_reports()) > 0, "an error report")
    reports = open_reports()
    check("one error report", len(reports), 1)
    if reports:
        buttons = pyatspi.findAllDescendants(reports[0], lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        check("the report's button", [b.name for b in buttons], ["Добре"])
        if buttons:
            act(buttons[0], "Press")
            yield from until(lambda: len(list(application())) == 1, "the report closed")
    check("the window goes on", [w.getRole() for w in application() if w is not None],
          [pyatspi.ROLE_FRAME])


def main():
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    # As a screen reader does, so that the program reports renamed controls.
    pyatspi.Registry.registerEventListener(lambda event: None,
                                           "object:property-change:accessible-name")
    runner = steps()

    def resume():
        global failed
        try:
            GLib.timeout_add(next(runner), resume)
        except StopIteration:
            pyatspi.Registry.stop()
        except Exception as error:  # a broken step ends the test instead of hanging it
            failed += 1
            print(f"FAIL: {error!r}")
            pyatspi.Registry.stop()
        return False

    GLib.timeout_add(0, resume)
    pyatspi.Registry.start()
    print(f"accessibility: {passed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


main()
