"""How the page's tests and the tours start Debian's browsers: the flags
Chromium needs, and a profile of Firefox's own."""

import json
import tempfile

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
