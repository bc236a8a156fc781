#!/usr/bin/env python3
"""The editor's include graph, checked.

A unit is a header and its source (view.hpp and view.cpp). The application's
own member files (app.hpp and every source that defines CQuillomatApp's
members) stand above the rest: they may include anything. Below them:
  - app.hpp is included only by those files, main.cpp and the command table
    (whose rows name the application's handlers);
  - no include cycle between units, so that a feature builds and is tested
    with the windows it works on, not with the whole editor.

usage: app-includes.py SRC_DIR [--list]   (SRC_DIR: the tree that holds app/)
Exit status 1, with the cycle or the file named, on a fault.
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
MEMBER = re.compile(r'^\S[^\n;]*\bCQuillomatApp::\w+\s*\(', re.M)
MAY_INCLUDE_APP = {'app/main.cpp', 'app/command_table.cpp'}


def unit(path: str) -> str:
    return path.rsplit('.', 1)[0]


def main() -> int:
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    src = Path(sys.argv[1])
    files = sorted(p for p in (src / 'app').rglob('*') if p.suffix in ('.hpp', '.cpp'))
    if not files:
        print(f'aucun fichier sous {src / "app"}')
        return 2
    includes = {}
    members = {'app/app.hpp'}
    for p in files:
        name = p.relative_to(src).as_posix()
        text = p.read_text(encoding='utf-8', errors='replace')
        found = []
        for target in INCLUDE.findall(text):
            # "view.hpp" beside the file, or "app/core/x.hpp" from the tree's root.
            for candidate in (p.parent / target, src / target):
                if candidate.is_file():
                    found.append(candidate.resolve().relative_to(src.resolve()).as_posix())
                    break
        includes[name] = found
        if p.suffix == '.cpp' and MEMBER.search(text):
            members.add(name)

    if '--list' in sys.argv:
        for name, targets in includes.items():
            print(f'{name}: {" ".join(targets)}')

    faults = 0
    for name, targets in includes.items():
        if 'app/app.hpp' in targets and name not in members | MAY_INCLUDE_APP:
            print(f'{name} inclut app.hpp, que seuls les fichiers de l\'application et main.cpp incluent : '
                  'une fonction de l\'éditeur connaît EspaceTravail (workspace.hpp)')
            faults += 1

    # Units below the application, and what each needs.
    above = {unit(m) for m in members} | {'app/main'}
    graph = {}
    for name, targets in includes.items():
        u = unit(name)
        if u in above:
            continue
        edges = graph.setdefault(u, set())
        edges.update(unit(t) for t in targets if unit(t) not in above and unit(t) != u)

    state = {}  # 1: on the path, 2: done
    path = []

    def visit(u):
        nonlocal faults
        state[u] = 1
        path.append(u)
        for v in sorted(graph.get(u, ())):
            if state.get(v) == 1:
                cycle = path[path.index(v):] + [v]
                print('cycle d\'inclusions : ' + ' -> '.join(cycle))
                faults += 1
            elif v not in state:
                visit(v)
        path.pop()
        state[u] = 2

    for u in sorted(graph):
        if u not in state:
            visit(u)
    if faults == 0:
        print(f'{len(includes)} fichiers, {len(graph)} unités sous l\'application ({len(members)} fichiers '
              'de l\'application) : aucun cycle')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
