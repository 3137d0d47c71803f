#!/usr/bin/python3
"""Reads the window's own title bar through AT-SPI, as a screen reader would: besides the
window's two buttons there is only a close button, nothing to maximise or minimise; and
pressing it closes the window."""

import pathlib
import sys

import pyatspi

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "scripts"))
from waiting import wait_until  # noqa: E402

WINDOW_BUTTONS = ["Изчисли", "Изчисти"]
CLOSE = "Затваряне"


def window():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Veltaro" and app.childCount > 0:
            return app[0]
    return None


try:
    wait_until(lambda: window() is not None, "a window of Veltaro on the accessibility bus")
except TimeoutError as error:
    sys.exit(f"FAIL: {error}")
frame = window()

buttons = pyatspi.findAllDescendants(frame, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
names = sorted(button.name for button in buttons)
if names != sorted(WINDOW_BUTTONS + [CLOSE]):
    sys.exit(f"FAIL: the window's buttons are {names}")
close = next(button for button in buttons if button.name == CLOSE)
action = close.queryAction()
action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
print("title bar: 2 passed, 0 failed")
