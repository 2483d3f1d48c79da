#!/usr/bin/env python3
"""Checks that includes and links under src/ point down the layer order only.

Layers, bottom to top (same rank in different subsystems may use each other):
  platform/base 0, platform/ui 1, core/base 2, core/ui 3, <subsystem>/logic 4,
  <subsystem>/ui 5, app 6, main.cpp 7.
Base and logic folders include no Qt Widgets or Qt PrintSupport header and no header of a
ui folder, and their libraries link none of these, directly or through other targets.

Usage: check_layers.py [project root]   (default: the repository holding this file)
Prints one line per violation and exits 1 when there is any.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
from collections import deque

FIXED_RANKS = {"platform/base": 0, "platform/ui": 1, "core/base": 2, "core/ui": 3, "app": 6}
SUBSYSTEM_RANKS = {"logic": 4, "ui": 5}
NOT_SUBSYSTEMS = {"platform", "core", "app"}
MAIN_RANK = 7
WIDGET_FREE_RANKS = {0, 2, 4}
CPP_SUFFIXES = (".cpp", ".h", ".hpp", ".cc", ".cxx", ".c", ".hh")
FORBIDDEN_QT_MODULES = ("QtWidgets", "QtPrintSupport")
INCLUDE_RE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_rank(folder):
    """Rank of a layer folder (relative to src/, with /), or None."""
    if folder in FIXED_RANKS:
        return FIXED_RANKS[folder]
    parts = folder.split("/")
    if len(parts) == 2 and parts[0] not in NOT_SUBSYSTEMS and parts[1] in SUBSYSTEM_RANKS:
        return SUBSYSTEM_RANKS[parts[1]]
    return None


def layer_of(folder):
    """The layer folder that holds `folder` (itself or an ancestor), or None."""
    parts = folder.split("/") if folder else []
    for n in range(len(parts), 0, -1):
        candidate = "/".join(parts[:n])
        if folder_rank(candidate) is not None:
            return candidate
    return None


def subsystem_of(layer):
    return layer.split("/")[0] if folder_rank(layer) in SUBSYSTEM_RANKS.values() else None


def qt_header_dir():
    if os.environ.get("QT_HEADERS"):
        return os.environ["QT_HEADERS"]
    try:
        out = subprocess.run(["qtpaths6", "--query", "QT_INSTALL_HEADERS"], capture_output=True,
                             text=True, check=True).stdout.strip()
        if out:
            return out
    except (OSError, subprocess.CalledProcessError):
        pass
    return "/usr/include/x86_64-linux-gnu/qt6"


def widget_header_names(qt_dir):
    """Header names only Qt Widgets or Qt PrintSupport provide (not also Core or Gui)."""
    names = set()
    for module in FORBIDDEN_QT_MODULES:
        path = os.path.join(qt_dir, module)
        if not os.path.isdir(path):
            sys.exit(f"check-layers: no Qt headers in {path} (set QT_HEADERS)")
        names.update(os.listdir(path))
    for module in ("QtCore", "QtGui"):
        path = os.path.join(qt_dir, module)
        if os.path.isdir(path):
            names.difference_update(os.listdir(path))
    return names


class Checker:
    def __init__(self, root):
        self.root = os.path.abspath(root)
        self.src = os.path.join(self.root, "src")
        self.violations = []
        self.layer_folders = set()
        self.cpp_files = []  # (relative path, layer or None for main.cpp)
        self.subsystem_edges = {}  # (from, to) -> example "file: include"

    def report(self, text):
        self.violations.append(text)

    # ----- folders -----
    def scan_tree(self):
        for dirpath, dirnames, filenames in os.walk(self.src):
            dirnames.sort()
            rel = os.path.relpath(dirpath, self.src).replace(os.sep, "/")
            rel = "" if rel == "." else rel
            if rel and folder_rank(rel) is not None:
                self.layer_folders.add(rel)
            layer = layer_of(rel)
            if rel and layer is None and not self.holds_layer(rel):
                self.report(f"src/{rel}: folder has no layer (see CONTRIBUTING.md for the order)")
                continue
            for name in sorted(filenames):
                if not name.endswith(CPP_SUFFIXES):
                    continue
                path = f"{rel}/{name}" if rel else name
                if path == "main.cpp":
                    self.cpp_files.append((path, None))
                elif layer is None:
                    self.report(f"src/{path}: C++ file outside every layer folder")
                elif layer != rel:
                    self.report(f"src/{path}: C++ file in a subfolder of {layer}; "
                                f"the library takes only the files of {layer} itself")
                else:
                    self.cpp_files.append((path, layer))

    def holds_layer(self, rel):
        base = os.path.join(self.src, rel)
        for dirpath, _, _ in os.walk(base):
            sub = os.path.relpath(dirpath, self.src).replace(os.sep, "/")
            if sub != rel and folder_rank(sub) is not None:
                return True
        return False

    # ----- includes -----
    def resolve(self, file_rel, kind, name):
        candidates = []
        if kind == '"':
            candidates.append(os.path.join(self.src, os.path.dirname(file_rel), name))
        candidates.append(os.path.join(self.src, name))
        for c in candidates:
            c = os.path.normpath(c)
            if os.path.isfile(c) and c.startswith(self.src + os.sep):
                return os.path.relpath(c, self.src).replace(os.sep, "/")
        return None

    def check_includes(self, widget_headers):
        for path, layer in self.cpp_files:
            rank = MAIN_RANK if layer is None else folder_rank(layer)
            where = "src/main.cpp" if layer is None else layer
            with open(os.path.join(self.src, path), encoding="utf-8", errors="replace") as f:
                lines = f.readlines()
            for number, line in enumerate(lines, 1):
                m = INCLUDE_RE.match(line)
                if not m:
                    continue
                kind, name = m.group(1), m.group(2).strip()
                shown = f"{kind}{name}{'>' if kind == '<' else kind}"
                if rank in WIDGET_FREE_RANKS and self.is_widget_header(name, widget_headers):
                    self.report(f"src/{path}:{number}: includes {shown} (Qt Widgets or "
                                f"PrintSupport), but {layer} must not use widgets")
                header = self.resolve(path, kind, name)
                if header is None:
                    continue
                header_layer = layer_of(os.path.dirname(header))
                if header_layer is None:
                    continue
                header_rank = folder_rank(header_layer)
                if header_rank > rank:
                    self.report(f"src/{path}:{number}: includes {header} from the higher "
                                f"layer {header_layer} ({where} is below it)")
                elif rank in WIDGET_FREE_RANKS and header_rank not in WIDGET_FREE_RANKS:
                    self.report(f"src/{path}:{number}: includes {header} from {header_layer}, "
                                f"but {layer} must not use widgets")
                own, other = (subsystem_of(layer) if layer else None), subsystem_of(header_layer)
                if own and other and own != other:
                    self.subsystem_edges.setdefault((own, other), f"src/{path}:{number}")

    @staticmethod
    def is_widget_header(name, widget_headers):
        first = name.split("/")[0]
        if first in FORBIDDEN_QT_MODULES:
            return True
        return "/" not in name and name in widget_headers

    def check_subsystem_cycles(self):
        graph = {}
        for a, b in self.subsystem_edges:
            graph.setdefault(a, set()).add(b)
        reported = set()
        for a, b in sorted(self.subsystem_edges):
            back = self.path(graph, b, a)
            if back is None:
                continue
            cycle = [a] + back
            key = frozenset(cycle)
            if key in reported:
                continue
            reported.add(key)
            steps = ", ".join(f"{x} -> {y} ({self.subsystem_edges[(x, y)]})"
                              for x, y in zip(cycle, cycle[1:]))
            self.report(f"subsystems include each other in a cycle: {steps}")

    @staticmethod
    def path(graph, start, goal):
        previous = {start: None}
        queue = deque([start])
        while queue:
            node = queue.popleft()
            if node == goal:
                out = []
                while node is not None:
                    out.append(node)
                    node = previous[node]
                return out[::-1]
            for nxt in sorted(graph.get(node, ())):
                if nxt not in previous:
                    previous[nxt] = node
                    queue.append(nxt)
        return None

    # ----- links -----
    def read_link_graph(self):
        build = tempfile.mkdtemp(prefix="check-layers-")
        try:
            with open(os.path.join(build, "CMakeGraphVizOptions.cmake"), "w") as f:
                f.write("set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)\n"
                        "set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)\n")
            dot = os.path.join(build, "links.dot")
            command = ["cmake", "-S", self.root, "-B", build, f"--graphviz={dot}",
                       "-DZORBEL_TESTS=OFF", "-DZORBEL_BENCH=OFF", "-DZORBEL_TOOLS=OFF"]
            if shutil.which("ninja"):
                command += ["-G", "Ninja"]
            run = subprocess.run(command, capture_output=True, text=True)
            if run.returncode != 0 or not os.path.isfile(dot):
                sys.stderr.write(run.stdout + run.stderr)
                self.report("cmake could not configure the project; links were not checked")
                return None
            with open(dot, encoding="utf-8") as f:
                text = f.read()
        finally:
            shutil.rmtree(build, ignore_errors=True)
        labels = dict(re.findall(r'^\s*"(node\d+)" \[ label = "([^"]+)"', text, re.M))
        graph = {}
        for a, b in re.findall(r'^\s*"(node\d+)" -> "(node\d+)"', text, re.M):
            graph.setdefault(labels[a], set()).add(labels[b])
        return graph

    @staticmethod
    def target_of(layer):
        return "zorbel_" + layer.replace("/", "_")

    @staticmethod
    def is_forbidden_link(target):
        if re.match(r"^Qt\d*::.*(Widgets|PrintSupport)", target):
            return True
        return re.match(r"^zorbel_(.+_ui|app)$", target) is not None

    def check_links(self):
        graph = self.read_link_graph()
        if graph is None:
            return
        targets = set(graph) | {t for deps in graph.values() for t in deps}
        rank_of_target = {self.target_of(l): folder_rank(l) for l in self.layer_folders}
        with_sources = {layer for _, layer in self.cpp_files if layer}
        for layer in sorted(with_sources):
            if self.target_of(layer) not in targets:
                self.report(f"src/{layer}: has C++ files but the build has no library "
                            f"{self.target_of(layer)}")
        for layer in sorted(self.layer_folders):
            target, rank = self.target_of(layer), folder_rank(layer)
            for dep in sorted(graph.get(target, ())):
                if rank_of_target.get(dep, -1) > rank:
                    self.report(f"{target} links {dep} from a higher layer")
            if rank not in WIDGET_FREE_RANKS:
                continue
            for dep, via in self.reachable(graph, target):
                if self.is_forbidden_link(dep):
                    how = f" (through {' -> '.join(via)})" if via else ""
                    self.report(f"{target} links {dep}{how}, but {layer} must not use widgets")

    @staticmethod
    def reachable(graph, start):
        """Every target `start` links, with the chain of targets in between."""
        seen = {start: []}
        queue = deque([start])
        while queue:
            node = queue.popleft()
            for nxt in sorted(graph.get(node, ())):
                if nxt not in seen:
                    seen[nxt] = seen[node] + ([node] if node != start else [])
                    queue.append(nxt)
        return [(t, via) for t, via in seen.items() if t != start]

    def run(self):
        if not os.path.isdir(self.src):
            sys.exit(f"check-layers: no src folder in {self.root}")
        self.scan_tree()
        self.check_includes(widget_header_names(qt_header_dir()))
        self.check_subsystem_cycles()
        self.check_links()
        for v in self.violations:
            print(v)
        if self.violations:
            print(f"check-layers: {len(self.violations)} violation(s)", file=sys.stderr)
            return 1
        print(f"check-layers: OK ({len(self.cpp_files)} files, "
              f"{len(self.layer_folders)} layer folders)")
        return 0


if __name__ == "__main__":
    default_root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    sys.exit(Checker(sys.argv[1] if len(sys.argv) > 1 else default_root).run())
