#!/usr/bin/python3
"""The page's serif in headless Chromium: every letter it carries loads from the page and
has the same advance as in Liberation Serif, so a text laid out for Times New Roman fits
as on the desktop. A letter the subset lacks would come from the monospaced fallback,
and measure otherwise.
usage: serif_test.py SUBSET.woff2 ORIGINAL.ttf WORK-FOLDER"""

import base64
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[3] / "scripts"))
from chromium_session import ChromiumSession  # noqa: E402

LETTERS = "".join(map(chr, [*range(0x21, 0x7F), *range(0xA1, 0x100), *range(0x400, 0x460),
                            0x2013, 0x2014, *range(0x2018, 0x201F), 0x2026, 0x2116]))
# Bulgarian text the window shows, measured whole as well: kerning and spacing count too.
TEXTS = ["Велтаро, практически добив", "Изчисли", "Изчисти", "изходяща енергия", "КПД %"]


def font_face(family, path, kind):
    data = base64.b64encode(pathlib.Path(path).read_bytes()).decode()
    return f'@font-face{{font-family:"{family}";src:url(data:{kind};base64,{data})}}'


def main(subset, original, work):
    work = pathlib.Path(work)
    work.mkdir(parents=True, exist_ok=True)
    page = work / "serif.html"
    page.write_text(
        "<!DOCTYPE html><meta charset=utf-8><style>"
        + font_face("Subset", subset, "font/woff2") + font_face("Original", original, "font/ttf")
        + "</style>", encoding="utf-8")
    with ChromiumSession(work / "profile") as browser:
        browser.open(page.as_uri())
        loaded = browser.evaluate(
            "Promise.all(['Subset', 'Original'].map(f => document.fonts.load(`16px \"${f}\"`,"
            " 'Aя'))).then(faces => faces.map(f => f.length))")
        if loaded != [1, 1]:
            sys.exit(f"FAIL: the fonts did not load: {loaded}")
        widths = browser.evaluate(
            "(texts => { const canvas = document.createElement('canvas').getContext('2d');"
            " const width = (family, text) => { canvas.font = `100px \"${family}\", monospace`;"
            " return canvas.measureText(text).width; };"
            " return texts.map(text => [text, width('Subset', text), width('Original', text)]);"
            f" }})({list(LETTERS) + TEXTS})")
        if browser.requests() != [page.as_uri()]:
            sys.exit(f"FAIL: the page asked for {browser.requests()}")
    wrong = [(text, subset_width, original_width) for text, subset_width, original_width
             in widths if subset_width != original_width]
    for text, subset_width, original_width in wrong:
        print(f"FAIL: {text!r} is {subset_width} wide in the subset, {original_width} in the original")
    print(f"serif: {len(widths) - len(wrong)} passed, {len(wrong)} failed")
    sys.exit(1 if wrong else 0)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
