#!/usr/bin/python3
"""The folder for a web site, served from this machine's loopback address by the test
itself: the page works there, the browser reads its manifest with the icons it asks for,
and once its service worker has kept the files, the page opens and works with the server
gone; so it does from a server that does not serve the manifest (a stock server that
knows no type for .webmanifest answers 404). Opened from disk, the folder's page works,
and skips registering its worker without an error. Served as a plain server does (no
Cache-Control, files last changed a month ago) and kept, the page shows a version
published later at the same address by its second open, in Chromium and Firefox, says
so at the first, and works offline afterwards.
usage: hosted_test.py HOSTED-FOLDER WORK-FOLDER"""

import functools
import json
import http.server
import os
import pathlib
import re
import shutil
import sys
import threading
import time

from page_driver import (ChromiumSession, Checks, Tally, calculate, expect, first_wrong,
                         open_page, session)
from waiting import first_passing

ICON_SIZES = {"180x180", "192x192", "512x512", "any"}


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".webmanifest": "application/manifest+json"}

    def send_head(self):
        if self.path.endswith(".webmanifest") and not self.serves_manifest:
            self.send_error(404)
            return None
        return super().send_head()

    # Nothing from the browser's own cache: offline, only the service worker can answer.
    # A plain server says nothing, and the browser keeps what it likes for as long.
    def end_headers(self):
        if not self.plain:
            self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *_):
        pass


def serve(folder, serves_manifest=True, plain=False):
    kind = type("Handler", (QuietHandler,), {"serves_manifest": serves_manifest,
                                            "plain": plain})
    handler = functools.partial(kind, directory=str(folder))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def png_size(path):
    """A PNG's width and height, from its header."""
    header = path.read_bytes()[16:24]
    return f"{int.from_bytes(header[:4], 'big')}x{int.from_bytes(header[4:], 'big')}"


def manifest(folder):
    def check(browser):
        answer = browser.page("Page.getAppManifest")
        if answer.get("errors") or not answer.get("data"):
            return f"the manifest: {answer}"
        icons = {icon["sizes"]: icon["src"] for icon in json.loads(answer["data"])["icons"]}
        icons["180x180"] = browser.evaluate(
            "document.querySelector('link[rel=apple-touch-icon]').getAttribute('href')")
        wrong = [f"{sizes}: {source}" for sizes, source in icons.items()
                 if sizes != "any" and png_size(folder / source) != sizes]
        return first_wrong(expect(set(icons), ICON_SIZES, "icon sizes"),
                           expect(wrong, [], "icons of another size"))
    return check


def offline_after_first_visit(server, url):
    def check(browser):
        # Its worker active, the page's files kept: the next visit is the worker's to answer.
        if not browser.evaluate("Promise.race([navigator.serviceWorker.ready.then(() => true),"
                                " new Promise(done => setTimeout(() => done(false), 60000))])"):
            return "no service worker became active within a minute"
        server.shutdown()
        server.server_close()
        open_page(browser, url)
        return None if calculate(browser, "45", "60") == "75%" else "no result offline"
    return check


def works(browser):
    return None if calculate(browser, "45", "60") == "75%" else "no result"


def from_disk(browser):
    """From disk, where no worker can be kept, its registration is skipped: no rejection
    left unhandled. (The browser still says that it cannot read the manifest from disk.)"""
    thrown = [event["params"]["exceptionDetails"].get("text") for event in browser.events
              if event.get("method") == "Runtime.exceptionThrown"]
    return first_wrong(works(browser), expect(thrown, [], "exceptions"))


# The page's line under the window, and the version each page says it is.
NOTICE = "document.getElementById('notice')"
VERSION = "document.querySelector('meta[name=test-version]')?.content ?? '1'"
KEPT = "caches.keys().then(names => names.join(' '))"


def published_long_ago(site):
    month_ago = time.time() - 30 * 24 * 3600
    for path in site.iterdir():
        os.utime(path, (month_ago, month_ago))


def publish_second_version(site):
    """The same page, marked as version 2, and its worker under a new version's name, as
    a build of a later version writes them, each file changed now."""
    index = site / "index.html"
    index.write_text(index.read_text(encoding="utf-8").replace(
        "<head>", '<head>\n<meta name="test-version" content="2">', 1), encoding="utf-8")
    worker = site / "service-worker.js"
    text, count = re.subn(r"const CACHE = 'veltaro-([^']*)'", r"const CACHE = 'veltaro-\1-2'",
                          worker.read_text(encoding="utf-8"))
    assert count == 1, "no version name in the worker"
    worker.write_text(text, encoding="utf-8")
    return re.search(r"const CACHE = '([^']*)'", text).group(1)


def wait_for_value(browser, expression, wanted, what, timeout=60):
    wrong = first_passing(lambda: expect(browser.evaluate(expression), wanted, what), timeout)
    if wrong:
        raise TimeoutError(wrong)


def new_version_reaches_returning_user(engine, folder, work, tally):
    """v1 opened and kept; v2 published; the first open shows v1 and says that a new
    version is ready, the second shows v2, and so does an open with the server gone."""
    site = pathlib.Path(work) / f"site-{engine}"
    shutil.rmtree(site, ignore_errors=True)
    shutil.copytree(folder, site)
    published_long_ago(site)
    server = serve(site, plain=True)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    try:
        with session(engine, work, "new-version") as browser:
            if engine == "chromium":
                browser.set_offline(False)

            def kept_then_updated(browser):
                wait_for_value(browser, "navigator.serviceWorker.ready.then(r => !!r.active)",
                               True, "version 1 kept")
                new_cache = publish_second_version(site)
                open_page(browser, url)
                first = browser.evaluate(VERSION)
                wait_for_value(browser, KEPT, new_cache, "caches once version 2 is in")
                wait_for_value(browser, f"{NOTICE}.hidden ? '' : {NOTICE}.textContent",
                               browser.evaluate(f"{NOTICE}.dataset.updated"),
                               "the line under the window at the first open")
                open_page(browser, url)
                return first_wrong(expect(first, "1", "version at the first open"),
                                   expect(browser.evaluate(VERSION), "2",
                                          "version at the second open"),
                                   expect(browser.evaluate(f"{NOTICE}.hidden"), True,
                                          "the line under the window at the second open"))

            def offline(browser):
                server.shutdown()
                server.server_close()
                open_page(browser, url)
                return first_wrong(expect(browser.evaluate(VERSION), "2", "version offline"),
                                   expect(calculate(browser, "45", "60"), "75%", "result"))

            checks = Checks(browser, url, tally)
            checks.run(f"a version published later shows by the second open ({engine})",
                       kept_then_updated)
            checks.run(f"then it works with the server gone ({engine})", offline)
    finally:
        server.server_close()


def main(folder, work):
    folder = pathlib.Path(folder)
    tally = Tally()
    for serves_manifest, name in [(True, "hosted"), (False, "hosted-without-manifest")]:
        server = serve(folder, serves_manifest)
        url = f"http://127.0.0.1:{server.server_address[1]}/"
        try:
            with ChromiumSession(pathlib.Path(work) / f"profile-{name}") as browser:
                browser.set_offline(False)
                checks = Checks(browser, url, tally)
                if serves_manifest:
                    checks.run("the served page works", works)
                    checks.run("its manifest names the icons browsers ask for", manifest(folder))
                checks.run(f"kept by its service worker ({name}), it works with the server gone",
                           offline_after_first_visit(server, url))
        finally:
            server.server_close()
    with ChromiumSession(pathlib.Path(work) / "profile-hosted-from-disk") as browser:
        checks = Checks(browser, (folder / "index.html").resolve().as_uri(), tally)
        checks.run("opened from disk, it works and its worker's registration reports nothing",
                   from_disk)
    for engine in ("chromium", "firefox"):
        new_version_reaches_returning_user(engine, folder, work, tally)
    tally.finish("hosted")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.rsplit("\n", 1)[-1])
    main(*sys.argv[1:])
