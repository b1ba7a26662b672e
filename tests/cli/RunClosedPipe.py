#!/usr/bin/env python3
"""Runs kesto-reading with a standard output that no one reads any more (a pipe whose reader has
gone, as when `head` has had enough): it must end with status 1 and say so in one line on
standard error.   RunClosedPipe.py PROGRAM ARGS..."""

import os
import subprocess
import sys

program, *args = sys.argv[1:]
reader, writer = os.pipe()
os.close(reader)  # gone before the first write, so the failure does not depend on timing
result = subprocess.run([program, *args], stdout=writer, stderr=subprocess.PIPE)
os.close(writer)
expected = "kesto-reading: cannot write the output: Broken pipe\n"
error = result.stderr.decode(errors="replace")
if result.returncode != 1 or error != expected:
    print(f"status {result.returncode}, standard error {error!r}; expected 1 and {expected!r}")
    sys.exit(1)
