"""Copies into a Debian root the certificate authorities this machine trusts
beyond those the root's own bundle holds, as files update-ca-certificates
takes in. Usage: machine_certificates.py <this machine's bundle> <root>"""

import re
import sys

PEM = r"-----BEGIN CERTIFICATE-----.*?-----END CERTIFICATE-----"
bundle, root = sys.argv[1:3]
mine, theirs = (set(re.findall(PEM, open(path).read(), re.S))
                for path in (bundle, f"{root}/etc/ssl/certs/ca-certificates.crt"))
for i, certificate in enumerate(sorted(mine - theirs)):
    with open(f"{root}/usr/local/share/ca-certificates/machine-{i}.crt", "w") as file:
        print(certificate, file=file)
