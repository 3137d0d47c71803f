#!/usr/bin/python3
"""The page as assistive technology reads it: Chromium's accessibility tree for every
control, as the page opens, after the user selects a mode and calculates, and while an
error report is open.
usage: accessibility_test.py PAGE.html WORK-FOLDER"""

import pathlib
import sys

from page_driver import ChromiumSession, Checks, calculate, selector

# control: role, name and the properties looked at; None for a control no one may reach.
AT_START = {
    "Text1(0)": ("textbox", "Задачата и използваните термини",
                 {"readonly": True, "multiline": True, "focusable": True}),
    "Text1(1)": None,
    "Frame1": ("radiogroup", "", {}),
    "Option1(0)": ("radio", "КПД", {"checked": "false", "focusable": True}),
    "Option1(1)": ("radio", "рандеман", {"checked": "false", "focusable": True}),
    "Option1(2)": ("radio", "практически добив", {"checked": "false", "focusable": True}),
    "Text2(0)": ("textbox", "изходяща енергия", {"readonly": False, "focusable": True}),
    "Text2(1)": ("textbox", "подадена енергия", {"readonly": False, "focusable": True}),
    # The result box is no live region: a status of its own announces each result whole.
    "Text2(2)": ("textbox", "КПД %", {"readonly": True, "focusable": True, "live": None}),
    "announcement": ("status", "", {"live": "polite", "atomic": True}),
    "notice": None,
    "Command1(0)": ("button", "Изчисли", {"focusable": True}),
    "Command1(1)": ("button", "Изчисти", {"focusable": True}),
}

# After "рандеман" is selected and 45 and 60 calculated: each box is named by its label's
# new caption, and the result is read-only with its text.
AFTER_A_RESULT = {
    "Option1(1)": ("radio", "рандеман", {"checked": "true"}),
    "Text2(0)": ("textbox", "годна продукция", {"readonly": False}),
    "Text2(1)": ("textbox", "произведена продукция", {"readonly": False}),
    "Text2(2)": ("textbox", "рандеман %", {"readonly": True, "live": None, "value": "75%"}),
}
# What the status holds then, and what a screen reader is told of it.
ANNOUNCED = "рандеман % 75%"

REPORT = ("alertdialog", "Велтаро", {"modal": True})


def node_of(browser, css):
    """The accessibility node of the element, or None where the element is left out."""
    document = browser.page("DOM.getDocument", depth=0)["root"]["nodeId"]
    element = browser.page("DOM.querySelector", nodeId=document, selector=css)["nodeId"]
    if element == 0:
        raise LookupError(f"no element {css}")
    nodes = browser.page("Accessibility.getPartialAXTree", nodeId=element,
                         fetchRelatives=False)["nodes"]
    node = nodes[0] if nodes else None
    return None if node is None or node.get("ignored") else node


def seen(node, properties):
    if node is None:
        return None
    found = {item["name"]: item["value"].get("value") for item in node.get("properties", [])}
    found["value"] = node.get("value", {}).get("value")
    return (node["role"]["value"], node.get("name", {}).get("value", ""),
            {name: found.get(name) for name in properties})


def compare(browser, table):
    wrong = []
    for control, wanted in table.items():
        node = node_of(browser, selector(control))
        got = seen(node, wanted[2] if wanted else {})
        if got != wanted:
            wrong.append(f"{control} is {got}, not {wanted}")
    return "; ".join(wrong) or None


def after_a_result(browser):
    browser.click(selector("Option1(1)"))
    calculate(browser, "45", "60")
    said = browser.evaluate("document.getElementById('announcement').textContent")
    return compare(browser, AFTER_A_RESULT) or (
        None if said == ANNOUNCED else f"the status says {said!r}, not {ANNOUNCED!r}")


def while_reported(browser):
    calculate(browser, "1e999", "5")
    browser.wait_for("document.querySelector('dialog[open]')")
    report = seen(node_of(browser, "dialog"), REPORT[2])
    description = node_of(browser, "dialog").get("description", {}).get("value", "")
    focused = seen(node_of(browser, ":focus"), {})
    wrong = []
    if report != REPORT:
        wrong.append(f"the report is {report}, not {REPORT}")
    if "Грешка 6: Overflow" not in description:
        wrong.append(f"the report describes {description!r}")
    if focused != ("button", "OK", {}):
        wrong.append(f"the focus is on {focused}")
    # A reader that says only the focused button (Orca in Firefox) hears the report with it.
    heard = node_of(browser, ":focus").get("description", {}).get("value", "")
    whole = "Велтаро Грешка 6: Overflow Изчислението е прекъснато; въведеното е запазено."
    if heard != whole:
        wrong.append(f"the focused button is described as {heard!r}")
    return "; ".join(wrong) or None


def main(page, work):
    with ChromiumSession(pathlib.Path(work) / "profile-accessibility") as browser:
        browser.page("Accessibility.enable")
        checks = Checks(browser, pathlib.Path(page).resolve().as_uri())
        checks.run("every control as the page opens", lambda browser: compare(browser, AT_START))
        checks.run("boxes named by their labels' current captions, the result read-only",
                   after_a_result)
        checks.run("the error report is a modal alert with the focus on its button",
                   while_reported)
    checks.finish("accessibility")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
