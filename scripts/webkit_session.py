"""WebKitGTK, Safari's engine, for the page's tests: its MiniBrowser driven by
WebKitWebDriver through Selenium, on a private Xvfb of the session's own. Each session
starts its own X server and driver (which starts the browser), and stops only those, by
their process ids.

    with WebKitSession(build_dir / "work-name", lang="bg") as browser:
        browser.open(page.as_uri())
        browser.click('[id="Text2(0)"]')
        browser.type("45")
"""

import json
import os
import shutil
import subprocess

from selenium import webdriver
from selenium.common.exceptions import NoSuchFrameException, WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.remote_connection import RemoteConnection
from selenium.webdriver.webkitgtk.options import Options

from browser_session import BrowserSession, end_group
from waiting import LIMIT, REPLY_LIMIT, await_readable, wait_until

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
DRIVER = "/usr/bin/WebKitWebDriver"

KEYS = {
    "Tab": Keys.TAB, "Enter": Keys.RETURN, "NumpadEnter": Keys.ENTER, "Escape": Keys.ESCAPE,
    "Backspace": Keys.BACKSPACE, "Delete": Keys.DELETE, "Home": Keys.HOME, "End": Keys.END,
    "ArrowLeft": Keys.ARROW_LEFT, "ArrowUp": Keys.ARROW_UP, "ArrowRight": Keys.ARROW_RIGHT,
    "ArrowDown": Keys.ARROW_DOWN,
}


RemoteConnection.set_timeout(REPLY_LIMIT)


def listening_port(process):
    """The TCP port the process listens on over IPv4, once it does (else None): read from
    the kernel's table of sockets, matched to the process's own descriptors."""
    if process.poll() is not None:
        raise RuntimeError(f"{process.args[0]} ended before it listened")
    sockets = set()
    for descriptor in os.listdir(f"/proc/{process.pid}/fd"):
        try:
            target = os.readlink(f"/proc/{process.pid}/fd/{descriptor}")
        except FileNotFoundError:
            continue
        if target.startswith("socket:["):
            sockets.add(target[len("socket:["):-1])
    with open("/proc/net/tcp", encoding="ascii") as table:
        for row in list(table)[1:]:
            fields = row.split()
            local, state, inode = fields[1], fields[3], fields[9]
            if state == "0A" and inode in sockets:  # 0A: listening
                return int(local.split(":")[1], 16)
    return None


class WebKitSession(BrowserSession):
    name = "webkit"
    active_window = True
    emulates_phones = False
    # "Callback was not called before the unload event"
    navigation_cut = NoSuchFrameException
    _processes = ()
    _clipboard = None
    driver = None

    def _begin(self, work, lang="en-US", width=800, height=600, page_load="normal"):
        self._processes = []
        self.work = str(work)
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        number = self._start_saying(["Xvfb", "-displayfd", "{}", "-screen", "0", "1280x1024x24",
                                     "-nolisten", "tcp"], "Xvfb")
        # The browser's languages are its locale's: one of the session's own, made from
        # Debian's locale sources, so that the machine need have none generated. Its home,
        # caches and settings are the session's too.
        locale = self._locale(lang)
        self.environment = {**os.environ, "DISPLAY": f":{number}", "HOME": self.work,
                            "LOCPATH": os.path.join(self.work, "locales"), "LANG": locale,
                            "LC_ALL": locale, "XDG_RUNTIME_DIR": self.work}
        # A session bus of its own, or GTK has D-Bus start one (and an accessibility bus
        # beside it) that outlives the session.
        self.environment["DBUS_SESSION_BUS_ADDRESS"] = self._start_saying(
            ["dbus-daemon", "--session", "--nofork", "--print-address={}"], "the session bus")
        # Port 0: the system gives the driver a port no one else holds, read back from it.
        with open(os.path.join(self.work, "driver.log"), "wb") as log:
            self._start([DRIVER, "--port=0", "--host=127.0.0.1"], stdout=log, stderr=log)
        port = wait_until(lambda: listening_port(self._processes[-1]),
                          "WebKitWebDriver to listen", timeout=30)
        options = Options()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        # WebDriver's strategy for every command: "normal" waits for a loading page's load
        # before each, "none" waits for nothing.
        options.page_load_strategy = page_load
        self.driver = webdriver.Remote(command_executor=f"http://127.0.0.1:{port}",
                                       options=options)
        self.driver.set_script_timeout(REPLY_LIMIT)
        self.viewport(width, height)

    @classmethod
    def opening_early(cls, profile, **options):
        """Its driver waits for a loading page's load before any command, unless the session
        was started waiting for none."""
        return cls(profile, page_load="none", **options)

    # Its driver runs its own scripts in the page's; with the page's turned off it has none.
    without_script = None

    def _locale(self, lang):
        territory = {"bg": "bg_BG", "en-US": "en_US"}[lang]
        os.makedirs(os.path.join(self.work, "locales"))
        subprocess.run(["localedef", "-i", territory, "-f", "UTF-8",
                        os.path.join(self.work, "locales", f"{territory}.UTF-8")],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return f"{territory}.UTF-8"

    def _start_saying(self, command, what):
        """Starts a server that writes one line to the descriptor its command names ({}),
        and returns the line."""
        said, write = os.pipe()
        self._start([part.replace("{}", str(write)) for part in command], pass_fds=(write,),
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(said) as line:
            await_readable(line, f"{what} to start", timeout=30)
            text = line.readline().strip()
        if not text:
            raise RuntimeError(f"{what} ended before it started")
        return text

    def _start(self, command, **options):
        self._processes.append(subprocess.Popen(
            command, stdin=subprocess.DEVNULL, start_new_session=True,
            env=getattr(self, "environment", None), **options))

    # What a test does, as a user would.
    def _navigate(self, url):
        self.driver.get(url)

    def open(self, url):
        self._navigate(url)

    def evaluate(self, expression):
        """The expression's value, through JSON; promises are awaited."""
        answer = self.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            f"Promise.resolve().then(() => ({expression}))"
            ".then(value => done(JSON.stringify({value})),"
            " error => done(JSON.stringify({error: String(error)})));")
        answer = json.loads(answer)
        if "error" in answer:
            raise RuntimeError(f"{expression}: {answer['error']}")
        return answer.get("value")

    def click_at(self, x, y):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(x), round(y))
        actions.pointer_action.click()
        actions.perform()

    def type(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def press(self, key, shift=False):
        chain = ActionChains(self.driver)
        if shift:
            chain.key_down(Keys.SHIFT)
        chain.send_keys(KEYS[key])
        if shift:
            chain.key_up(Keys.SHIFT)
        chain.perform()

    def _control(self, letter):
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(letter).key_up(
            Keys.CONTROL).perform()

    def paste(self, text):
        """Puts the text on the X clipboard, presses Ctrl+V in the focused element and
        returns once the page has had the paste."""
        self._serve_clipboard(text)
        # Set off after the paste event's own handlers and default action, in the page.
        self.evaluate("void (window.veltaroTestPasted = new Promise(done => document"
                      ".addEventListener('paste', () => setTimeout(done), {once: true})))")
        self._control("v")
        if not self.evaluate("Promise.race([window.veltaroTestPasted.then(() => true), new"
                             f" Promise(done => setTimeout(() => done(false), {LIMIT * 1000}))])"):
            raise TimeoutError(f"waited {LIMIT} s for the page to have the paste")

    def _serve_clipboard(self, text):
        """xclip, the session's own, serves the text as the clipboard until the next paste
        or the session's end; once it does, it is the clipboard's owner."""
        self._end_clipboard()
        self._clipboard = subprocess.Popen(
            ["xclip", "-quiet", "-selection", "clipboard", "-i"], stdin=subprocess.PIPE,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=self.environment,
            start_new_session=True)
        self._clipboard.stdin.write(text.encode())
        self._clipboard.stdin.close()
        wait_until(lambda: self._clipboard_text() == text, "xclip to serve the clipboard")

    def _clipboard_text(self):
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"], env=self.environment,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              timeout=10).stdout.decode(errors="replace")

    def _end_clipboard(self):
        if self._clipboard:
            end_group(self._clipboard, grace=0)
            self._clipboard = None

    def select_all(self):
        self._control("a")

    def screenshot(self):
        """The viewport as PNG bytes."""
        return self.driver.get_screenshot_as_png()

    def viewport(self, width, height, scale=1):
        """The window sized so that the page's viewport is as asked, as nearly as the
        browser's own window allows; the screen's pixels stay one to one, whatever the
        scale asked."""
        del scale
        self.driver.set_window_size(width, height)
        inner = self.driver.execute_script("return [innerWidth, innerHeight]")
        self.driver.set_window_size(2 * width - inner[0], 2 * height - inner[1])

    def close(self):
        try:
            if self.driver:
                self.driver.quit()
        except (WebDriverException, OSError):
            pass
        self._end_clipboard()
        for process in reversed(self._processes):
            end_group(process, grace=0)
        shutil.rmtree(self.work, ignore_errors=True)
