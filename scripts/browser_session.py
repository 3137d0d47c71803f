"""What every browser session of the tests does the same way, over its engine's own
evaluate, _navigate, click_at and tap_at: open a page before it has loaded, wait for the
page, find a control's centre, click or tap it, and end with the with-statement."""

import json
import os
import signal
import subprocess

from waiting import LIMIT, wait_until


def end_group(process, grace=10):
    """Ends a process started in a session of its own, and all it started there (a
    browser's helpers outlive it a moment): after it has had the grace to end itself."""
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        pass
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


class BrowserSession:
    # What the engine's evaluate raises where a navigation took the document away.
    navigation_cut = ()

    def __init__(self, *arguments, **options):
        """Starts the session with the engine's _begin; what had started ends with a
        failed start."""
        try:
            self._begin(*arguments, **options)
        except BaseException:
            self.close()
            raise

    @classmethod
    def opening_early(cls, profile, **options):
        """A session whose open_early returns before a page has loaded (in some engines a
        setting of the whole session)."""
        return cls(profile, **options)

    def open_early(self, url):
        """Opens the page without waiting for its load: returns once the browser shows the
        new document, however little of it has come."""
        self.evaluate("window.veltaroTestLeft = true")
        self._navigate(url)

        # The marker goes with the document that had it.
        def arrived():
            try:
                return self.evaluate("!window.veltaroTestLeft")
            except self.navigation_cut:
                return False  # asked of the document that was leaving
        wait_until(arrived, f"{url} to be the page shown")

    def wait_for(self, expression, timeout=LIMIT):
        wait_until(lambda: self.evaluate(f"!!({expression})"), expression, timeout)

    def centre_of(self, selector):
        return self.evaluate(
            f"(box => [box.x + box.width / 2, box.y + box.height / 2])"
            f"(document.querySelector({json.dumps(selector)}).getBoundingClientRect())")

    def click(self, selector):
        self.click_at(*self.centre_of(selector))

    def tap(self, selector):
        self.tap_at(*self.centre_of(selector))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


class RequestLog:
    """The requests of a session whose protocol reports each as an event of its own kind
    (request_event), the request's URL among its parameters, kept in events."""

    def requests(self):
        """The URLs the page asked for so far, its own included; data: URLs read nothing
        from anywhere and are left out."""
        urls = [event["params"]["request"]["url"] for event in self.events
                if event.get("method") == self.request_event]
        return [url for url in urls if not url.startswith("data:")]
