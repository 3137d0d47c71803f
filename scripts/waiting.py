"""How every test written in Python waits: for a condition, polled, with a time limit that
fails loudly and names what was awaited; and for another process's output, never longer
than a limit."""

import select
import time

# Seconds: enough for a browser or a program to answer on a loaded machine, and only spent
# where something is wrong.
LIMIT = 30
# Seconds a browser's driver has for each reply: longer than any wait of a test's (a service
# worker's minute), far shorter than the test's own limit, so that a browser that stops
# answering fails the test with the command it did not answer.
REPLY_LIMIT = 90


def wait_until(condition, what, timeout=LIMIT, interval=0.05):
    """The condition's first true value; a TimeoutError naming what was awaited if it has
    none within the timeout, in seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"waited {timeout} s for {what}")
        time.sleep(interval)


def first_passing(check, timeout=LIMIT, interval=0.05):
    """Runs a check (None where right, else what it saw) until it passes: None, or what it
    saw the last time once the timeout is up."""
    deadline = time.monotonic() + timeout
    while True:
        wrong = check()
        if not wrong or time.monotonic() > deadline:
            return wrong
        time.sleep(interval)


def await_readable(descriptor, what, timeout):
    """Returns once the file descriptor has something to read (or its end), else a
    TimeoutError naming what was awaited."""
    if not select.select([descriptor], [], [], max(timeout, 0))[0]:
        raise TimeoutError(f"waited {timeout:.0f} s for {what}")
