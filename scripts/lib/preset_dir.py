"""Prints the folder a configure preset of CMakePresets.json builds in, as the
preset states it there. Run from the project's root. Usage: preset_dir.py <preset>"""

import json
import os
import sys

presets = json.load(open("CMakePresets.json"))["configurePresets"]
folder = next(preset["binaryDir"] for preset in presets if preset["name"] == sys.argv[1])
print(folder.replace("${sourceDir}", os.getcwd()))
