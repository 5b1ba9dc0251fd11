#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Tessaron developers
"""Mutation check: how many small faults planted in the code do the suites catch?

Copies a commit (or the working tree) of the repository to a scratch directory, builds the suites
there once, then for each source file plants one change at a time (a flipped comparison or
logical operator, an integer constant off by one, a dropped statement, a swapped pair of
statements) and runs what covers it, cheapest first, until one fails: the unit tests, the
autopilot tests, then the script tests that play the code through tessaron-lab (the golden
replays and the lab's commands; every file of game/, screens/ and shell/ but the SDL platform is
linked into it). A mutant is killed when a suite fails or times out, survives when all pass; one
that does not compile is not counted. Mutants listed in tools/mutants-equivalent.txt (the file,
its first changed line as written and as mutated, and why no test can tell them apart) are not
run and are counted apart. The pick of mutants is seeded by the file's path, so every run of
one commit plants the same ones.

  nice -n 10 tools/mutate.py [--rev COMMIT] [--tests-rev COMMIT] [--cap N] [--scratch DIR] [files...]
"""
import argparse, glob, os, random, re, shutil, subprocess, sys, zlib

FLIPS = {' < ': ' >= ', ' >= ': ' < ', ' > ': ' <= ', ' <= ': ' > ', ' == ': ' != ', ' != ': ' == ',
         ' && ': ' || ', ' || ': ' && '}
FLIP_RE = re.compile('|'.join(re.escape(k) for k in FLIPS))
INT_RE = re.compile(r'(?<![\w.])(\d+)(?![\w.])')
STRING_RE = re.compile(r'"(?:[^"\\]|\\.)*"|\'(?:[^\'\\]|\\.)\'')
DECL_RE = re.compile(r'^(const|constexpr|static|auto|int|double|bool|std::|unsigned|char|Uint|SDL_\w+\s*[*&]?\s+\w+\s*[=;({])')


def code_part(line):
    """The line up to its trailing comment, with string literals blanked so nothing inside them is mutated."""
    cut = line.split('//', 1)[0]
    return STRING_RE.sub(lambda m: '"' + ' ' * (len(m.group()) - 2) + '"', cut)


def is_statement(stripped):
    return (stripped.endswith(';') and not DECL_RE.match(stripped)
            and not stripped.startswith(('return', 'break', 'continue', 'case', 'using', 'namespace', '}')))


def mutants(lines):
    """Every mutant of a file, in order: (description, {line index: new text})."""
    found = []
    skip = False
    for i, line in enumerate(lines):
        s = line.strip()
        if s.startswith('/*'):
            skip = True
        if skip or not s or s.startswith(('//', '#', '*')):
            skip = skip and '*/' not in s
            continue
        code = code_part(line)
        for m in FLIP_RE.finditer(code):
            found.append((f'{i + 1}: {m.group().strip()} -> {FLIPS[m.group()].strip()}',
                          {i: line[:m.start()] + FLIPS[m.group()] + line[m.end():]}))
        for m in INT_RE.finditer(code):
            found.append((f'{i + 1}: {m.group()} -> {int(m.group()) + 1}',
                          {i: line[:m.start()] + str(int(m.group()) + 1) + line[m.end():]}))
        if is_statement(s):
            found.append((f'{i + 1}: dropped', {i: ''}))
            nxt = lines[i + 1] if i + 1 < len(lines) else ''
            if is_statement(nxt.strip()) and nxt.strip() != s and indent(nxt) == indent(line):
                found.append((f'{i + 1}: swapped with next', {i: nxt, i + 1: line}))
    return found


def equivalents(path):
    """The listed equivalent mutants: (file, first changed line as written, as mutated) -> why."""
    found = {}
    if os.path.exists(path):
        with open(path) as f:
            for row in f:
                if row.strip() and not row.startswith('#'):
                    name, written, mutated, why = (part.strip() for part in row.split(' | ', 3))
                    found[(name, written, mutated)] = why
    return found


def indent(line):
    return len(line) - len(line.lstrip())


def run(cmd, cwd, timeout=None):
    try:
        return subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return 'timeout'


def contents(tree):
    """Every file below tree, by its path relative to it, with its bytes' checksum."""
    found = {}
    for folder, _, names in os.walk(tree):
        for name in names:
            path = os.path.join(folder, name)
            with open(path, 'rb') as f:
                found[os.path.relpath(path, tree)] = zlib.crc32(f.read())
    return found


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--rev', help='commit to check (default: the working tree)')
    ap.add_argument('--tests-rev', help="take tests/ from this commit instead: another suite against the same code")
    ap.add_argument('--cap', type=int, default=6, help='mutants tried per file (default 6)')
    ap.add_argument('--timeout', type=int, default=60, help='seconds before a test run counts as hung')
    ap.add_argument('--scratch', default='/tmp/tessaron-mutate', help='copy and build directory')
    ap.add_argument('files', nargs='*')
    args = ap.parse_args()
    repo = subprocess.check_output(['git', 'rev-parse', '--show-toplevel'], text=True).strip()
    tree = os.path.join(args.scratch, 'src')
    # The build directory is kept from run to run; the last copy's contents say which files the
    # new copy changes, as its files carry the commit's time, which may be older than the objects.
    before = contents(tree)
    shutil.rmtree(tree, ignore_errors=True)
    os.makedirs(tree)
    if args.rev:
        subprocess.run(f'git archive {args.rev} | tar -x -C {tree}', shell=True, cwd=repo, check=True)
    else:
        subprocess.run(f'git ls-files -z | xargs -0 cp -p --parents -t {tree}', shell=True, cwd=repo, check=True)
    if args.tests_rev:
        shutil.rmtree(os.path.join(tree, 'tests'))
        subprocess.run(f'git archive {args.tests_rev} tests | tar -x -C {tree}', shell=True, cwd=repo, check=True)
    for name, data in contents(tree).items():
        if before.get(name) != data:
            os.utime(os.path.join(tree, name))
    # Files mutated by a run that was stopped: their objects may hold a mutant, but the fresh
    # copy is older than them, so it is touched to be rebuilt.
    touched = os.path.join(args.scratch, 'touched')
    if os.path.exists(touched):
        with open(touched) as f:
            for name in set(f.read().split()):
                if os.path.exists(os.path.join(tree, name)):
                    os.utime(os.path.join(tree, name))
    build = os.path.join(args.scratch, 'build')
    cache = ['-DCMAKE_CXX_COMPILER_LAUNCHER=ccache'] if shutil.which('ccache') else []
    subprocess.run(['cmake', '-S', tree, '-B', build, '-DCMAKE_BUILD_TYPE=Debug', '-DCMAKE_CXX_FLAGS_DEBUG=-O1',
                    '-DTESSARON_GAME=OFF'] + cache, check=True, stdout=subprocess.DEVNULL)
    targets = ['unit-tests', 'autopilot-tests', 'tessaron-lab']
    make = ['cmake', '--build', build, '-j2', '--target'] + targets
    bin_dir = os.path.join(build, 'bin')
    # The suites, cheapest first: each with the target it needs rebuilt and how it is run. The
    # suites over make-data's output and hostile picture files exercise none of the mutated code.
    suites = [
        ('unit-tests', [os.path.join(bin_dir, 'unit-tests'), '--gtest_fail_fast', '--gtest_brief=1',
                        '--gtest_filter=-MakeData.*:MadePictures.*:MadeSounds.*:HostileFiles.*']),
        ('autopilot-tests', [os.path.join(bin_dir, 'autopilot-tests'), '--gtest_fail_fast', '--gtest_brief=1']),
        ('tessaron-lab', ['ctest', '--test-dir', build, '-R', '^(golden_replays|lab_commands)$']),
    ]
    os.environ.update(SDL_VIDEODRIVER='dummy', SDL_AUDIODRIVER='dummy')
    if run(make, tree) != 0 or any(run(command, tree, args.timeout) != 0 for _, command in suites):
        sys.exit('the untouched tree does not build or its suites fail')
    known = equivalents(os.path.join(repo, 'tools', 'mutants-equivalent.txt'))

    files = args.files or sorted(glob.glob('game/*.cpp', root_dir=tree) + glob.glob('screens/*.cpp', root_dir=tree)) + ['shell/score_file.cpp']
    total_killed = total_tried = total_equivalent = 0
    print(f'{"file":32} killed / tried   equivalent   survivors')
    for name in files:
        path = os.path.join(tree, name)
        with open(path) as f:
            original = f.read()
        with open(touched, 'a') as f:
            f.write(name + '\n')
        lines = original.split('\n')
        pool = mutants(lines)
        random.Random(zlib.crc32(name.encode())).shuffle(pool)
        # Only the mutated library and a suite's binary are rebuilt, each suite's when it is
        # reached: the data directory stays as built.
        library = name.split('/')[0] + '/fast'
        killed = tried = equivalent = 0
        survivors = []
        for desc, change in pool:
            if tried == args.cap:
                break
            first = min(change)
            if (name, lines[first].strip(), change[first].strip()) in known:
                equivalent += 1
                continue
            with open(path, 'w') as f:
                f.write('\n'.join(change.get(i, l) for i, l in enumerate(lines)))
            if run(['cmake', '--build', build, '--target', library], tree) != 0:
                continue
            caught = False
            for target, command in suites:
                if run(['cmake', '--build', build, '--target', target + '/fast'], tree) != 0:
                    break
                if run(command, tree, args.timeout) != 0:
                    caught = True
                    break
            else:
                tried += 1
                survivors.append(desc)
                continue
            if caught:
                tried += 1
                killed += 1
        with open(path, 'w') as f:
            f.write(original)
        # Rebuilt at once: a library left holding a mutant (or lacking a dropped definition)
        # would decide the fate of the next file's mutants.
        run(['cmake', '--build', build, '--target', library] + [target + '/fast' for target in targets], tree)
        total_killed += killed
        total_tried += tried
        total_equivalent += equivalent
        print(f'{name:32} {killed:6} / {tried:<5}   {equivalent:10}   {"; ".join(survivors)}', flush=True)
    if run(make, tree) == 0:
        os.remove(touched)
    share = 100 * total_killed / total_tried if total_tried else 0
    print(f'{"all":32} {total_killed:6} / {total_tried:<5}   {total_equivalent:10}   {share:.0f} % killed')


if __name__ == '__main__':
    main()
