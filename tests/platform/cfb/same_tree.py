#!/usr/bin/python3
# Checks a compound file strictly (cfb_check.py --werror) and compares its storages and streams
# (sizes and SHA-256) with the folder tree it was written from. Usage: same_tree.py TOOLS FILE DIR
import json
import subprocess
import sys

tools, path, tree = sys.argv[1:4]
check = subprocess.run(['/usr/bin/python3', tools + '/cfb_check.py', path, '--werror', '--compact'],
                       capture_output=True, text=True)
if check.returncode != 0:
    sys.exit('cfb_check failed (%d):\n%s' % (check.returncode, check.stderr))
manifest = subprocess.run(['/usr/bin/python3', tools + '/cfb_make.py', '--manifest', tree],
                          capture_output=True, text=True, check=True)
got, want = json.loads(check.stdout), json.loads(manifest.stdout)
for key in ('storages', 'streams'):
    if got[key] != want[key]:
        sys.exit('%s differ:\n file: %s\n tree: %s' % (key, got[key], want[key]))
if not got['format']['red_black_balanced']:
    sys.exit('sibling trees are not balanced red-black trees')
