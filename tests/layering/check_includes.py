#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

Usage: check_includes.py SRC_DIR LAYER...  -- layers from the lowest up, each a folder below SRC_DIR
("model") or a sub-folder ("document/core"). A file belongs to the longest layer its path starts with, and
so does an included header; a file may include headers of its own layer and of those listed before it.
"""
import os
import re
import sys

INCLUDE = re.compile(r'\s*#\s*include\s+"([^"]+)"')


def layer_of(path, layers):
    matches = [i for i, layer in enumerate(layers) if path == layer or path.startswith(layer + "/")]
    return max(matches, key=lambda i: len(layers[i])) if matches else None


def main():
    src, layers = sys.argv[1], sys.argv[2:]
    faults = []
    for root, _, files in os.walk(src):
        for name in sorted(files):
            path = os.path.join(root, name)
            own = layer_of(os.path.relpath(path, src), layers)
            if own is None:
                continue
            with open(path, encoding="utf-8", errors="replace") as source:
                for number, line in enumerate(source, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    included = layer_of(match.group(1), layers)
                    if included is not None and included > own:
                        faults.append(f"{os.path.relpath(path, src)}:{number}: {layers[own]} includes "
                                      f"{match.group(1)} of {layers[included]}, a layer above it")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} includes against the layer order {' < '.join(layers)}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
