"""The named checks that the page's tests and the screen reader's tours
print, their tally, waiting for what a test observes, and how Debian's
browsers are started. No browser driver is needed here: the window's tour
runs where none is installed."""

import json
import tempfile
import time

counts = {"passed": 0, "failed": 0}


def check(name, ok, detail=""):
    counts["passed" if ok else "failed"] += 1
    print(f"{'ok  ' if ok else 'FAIL'} {name}" + ("" if ok else f": {detail}"), flush=True)


def same(name, got, expected):
    check(name, got == expected, f"got {got!r}, expected {expected!r}")


def tally():
    """Prints the counts; the status for the process to end with."""
    print(f"{counts['passed']} passed, {counts['failed']} failed")
    return 1 if counts["failed"] else 0


def wait_for(find, what):
    """The value of find() once it is truthy."""
    deadline = time.monotonic() + 90
    while not (found := find()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"gave up waiting for {what}")
        time.sleep(0.05)
    return found

# What Debian's Chromium needs on a machine with no other network and, as
# root, no sandbox.
CHROMIUM_FLAGS = ("--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync")


def firefox_profile(locale):
    """A profile of Firefox's of its own, in the language given, with no
    first-run page or notice to show."""
    profile, prefs = tempfile.mkdtemp(), {"intl.accept_languages": locale, "browser.aboutwelcome.enabled": False,
                                          "browser.startup.homepage_override.mstone": "ignore",
                                          "datareporting.policy.dataSubmissionEnabled": False}
    with open(f"{profile}/user.js", "w") as file:
        file.writelines(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n" for name, value in prefs.items())
    return profile
