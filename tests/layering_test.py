#!/usr/bin/env python3
"""The layers of the source include only downward, and no file includes
itself through others:
    text <- controls <- season <- engine <- form <- ui, cli <- app
A file may include files of its own layer or of any layer below it."""
import os
import re
import sys

RANK = {"text": 0, "controls": 1, "season": 2, "engine": 3, "form": 4, "ui": 5, "cli": 5, "app": 6}
src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
include = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)

def layer(path):
    return path.split("/")[0]

files, graph, faults = {}, {}, []
for root, _, names in os.walk(src):
    for name in names:
        if name.endswith((".h", ".cpp")):
            full = os.path.join(root, name)
            rel = os.path.relpath(full, src).replace(os.sep, "/")
            with open(full, encoding="utf-8", errors="replace") as f:
                files[rel] = include.findall(f.read())
for rel, targets in files.items():
    if layer(rel) not in RANK:
        faults.append(f"{rel}: in no known layer")
        continue
    graph[rel] = []
    for t in targets:
        if t not in files:
            continue  # generated or a test's own header
        graph[rel].append(t)
        if layer(t) not in RANK:
            continue
        if RANK[layer(t)] > RANK[layer(rel)] or (RANK[layer(t)] == RANK[layer(rel)] and layer(t) != layer(rel)):
            faults.append(f"{rel} includes {t}: {layer(rel)} may not include {layer(t)}")

# Include cycles between files.
state = {}
def visit(node, stack):
    state[node] = 1
    stack.append(node)
    for nxt in graph.get(node, []):
        if state.get(nxt) == 1:
            faults.append("include cycle: " + " -> ".join(stack[stack.index(nxt):] + [nxt]))
        elif nxt not in state:
            visit(nxt, stack)
    stack.pop()
    state[node] = 2
for node in sorted(graph):
    if node not in state:
        visit(node, [])

for f in faults:
    print(f)
print(f"{len(files)} files, {len(faults)} faults")
sys.exit(1 if faults else 0)
