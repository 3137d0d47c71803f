"""The focus mark as a reader sees it, from two screenshots of the same page: one with
nothing focused, one with the control focused. The pixels about the control that differ
3:1 from what they replace are its mark (WCAG 2.2 asks that), at least as many as on one
side of a frame round the control; in its colour it must stand out 3:1 from the colours
beside it."""

from collections import Counter

VISIBLE_MARK = 3.0
# How far from the control's box a mark may be drawn, in CSS pixels.
MARGIN = 6
# The share of the pixels beside the mark that must differ from it 3:1: the rest is text
# that the mark runs beside.
ENOUGH = 0.9


def luminance(colour):
    def linear(channel):
        value = channel / 255
        return value / 12.92 if value <= 0.04045 else ((value + 0.055) / 1.055) ** 2.4
    red, green, blue = (linear(channel) for channel in colour)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(first, second):
    a, b = sorted([luminance(first), luminance(second)])
    return (b + 0.05) / (a + 0.05)


def share(pairs):
    pairs = list(pairs)
    return sum(contrast(*pair) >= VISIBLE_MARK for pair in pairs) / max(1, len(pairs))


def focus_mark_contrast(unmarked, marked, box):
    """None where the control's mark is seen, else what is wrong with it. box: the
    control's x, y, width, height, in the screenshots' pixels."""
    x, y, width, height = box
    left, top = max(0, int(x - MARGIN)), max(0, int(y - MARGIN))
    right = min(unmarked.width, int(x + width + MARGIN) + 1)
    bottom = min(unmarked.height, int(y + height + MARGIN) + 1)
    changed = {(px, py) for px in range(left, right) for py in range(top, bottom)
               if unmarked.getpixel((px, py)) != marked.getpixel((px, py))}
    # What stands out from what it replaces: a faint mark has nothing here, and text drawn
    # anew as its box takes the focus changes only a shade.
    strong = [point for point in changed
              if contrast(marked.getpixel(point), unmarked.getpixel(point)) >= VISIBLE_MARK]
    if len(strong) < width + height:
        return f"{len(strong)} pixels change 3:1 of {len(changed)} that change"
    # The mark's own colour, and the pixels drawn in it.
    colour = Counter(marked.getpixel(point) for point in strong).most_common(1)[0][0]
    mark = {point for point in strong if marked.getpixel(point) == colour}
    beside = {(px + dx, py + dy) for px, py in mark
              for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))}
    beside = [point for point in beside if point not in mark
              and 0 <= point[0] < marked.width and 0 <= point[1] < marked.height]
    around = share((colour, marked.getpixel(point)) for point in beside)
    if around < ENOUGH:
        return f"mark {colour}: {around:.0%} of the pixels beside it differ 3:1"
    return None
