#!/usr/bin/env python3
"""Prints the include graph of the folders and checks the layering.

Each top-level folder is a node, and so is each of its window folders (ui/) and reports' Qt
drawing layer (qt/); an include of a header in another node is an edge. Tests, test helpers
and fuzz targets sit above every layer and are left out. Exit status 1 when two folders
include each other, when the includes form a cycle, or when a foundation (engine/, compute/,
wspolne/) includes a folder above it.
"""
import os
import re
import sys
from collections import defaultdict

FOUNDATIONS = {"engine": set(), "compute": set(), "wspolne": {"engine"}}
LEFT_OUT = {"tests", "testing", "fuzz"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def node_of(path):
    parts = path.split("/")
    if len(parts) < 2 or any(p in LEFT_OUT for p in parts[:-1]):
        return None
    if len(parts) > 2 and parts[1] in ("ui", "qt"):
        return parts[0] + "/" + parts[1]
    return parts[0]


def graph(root):
    edges = defaultdict(set)
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith(".") and d != "build"]
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(folder, name), root)
            source = node_of(path)
            if source is None:
                continue
            with open(os.path.join(root, path), encoding="utf-8") as f:
                for header in INCLUDE.findall(f.read()):
                    target = node_of(header)
                    if target and target != source:
                        edges[source].add(target)
    return edges


def cycle(edges):
    state = {}

    def visit(node, trail):
        state[node] = 1
        for nxt in sorted(edges.get(node, ())):
            if state.get(nxt) == 1:
                return trail + [node, nxt]
            if nxt not in state:
                found = visit(nxt, trail + [node])
                if found:
                    return found
        state[node] = 2
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node, [])
            if found:
                return found[found.index(found[-1]):]
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    edges = graph(root)
    for source in sorted(edges):
        print(f"{source:14} -> {', '.join(sorted(edges[source]))}")
    faults = []
    for a in sorted(edges):
        for b in sorted(edges[a]):
            if a < b and a in edges.get(b, ()):
                faults.append(f"{a} i {b} dołączają się wzajemnie")
    found = cycle(edges)
    if found:
        faults.append("cykl: " + " -> ".join(found))
    for base, allowed in FOUNDATIONS.items():
        above = edges.get(base, set()) - allowed
        if above:
            faults.append(f"{base}/ dołącza warstwy wyższe: {', '.join(sorted(above))}")
    for fault in faults:
        print("BŁĄD: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
