#!/usr/bin/env python3
"""Rewrites a zip so that its bytes depend on its members alone: sorted by
name, each dated SOURCE_DATE_EPOCH (UTC), with no extra fields carrying the
builder's access and change times, and with the permissions a umask of 022
gives (a clone made under another umask copies its own into the build).
Usage: normalise_zip.py <zip>"""

import os
import stat
import sys
import time
import zipfile

path = sys.argv[1]
stamp = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
with zipfile.ZipFile(path) as original:
    members = sorted((info.filename, info.external_attr, original.read(info))
                     for info in original.infolist())
with zipfile.ZipFile(path, "w") as archive:
    for name, attributes, data in members:
        info = zipfile.ZipInfo(name, stamp)
        info.create_system = 3  # Unix, whose permission bits external_attr holds
        mode = attributes >> 16
        executable = stat.S_ISDIR(mode) or mode & 0o111
        info.external_attr = (stat.S_IFMT(mode) | (0o755 if executable else 0o644)) << 16
        archive.writestr(info, data, zipfile.ZIP_DEFLATED, 9)
