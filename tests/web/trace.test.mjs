// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly trace under node against the desktop program: the same
// standard output, error lines and exit status, byte for byte, for every
// script of the project's tests and a seeded set of random ones.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { buildDir, desktop, noDesktop, noWeb, root } from './browser.mjs';

const runner = path.join(buildDir, 'orvath_trace.js');
const corpus = path.join(root, 'tests/fuzz/corpus/trace');
const dir = mkdtempSync(path.join(tmpdir(), 'orvath-trace-'));

function run(args, input) {
  const [program, programArgs] = args[0] === 'web' ? ['node', [runner, ...args.slice(1)]]
    : [desktop, args.slice(1)];
  const result = spawnSync(program, programArgs, {
    input, encoding: 'utf8', maxBuffer: 1 << 28, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' },
  });
  return { status: result.status, out: result.stdout, err: result.stderr };
}

// A small seeded generator (mulberry32), so that the random scripts are the
// same in every run.
function random(seed) {
  return () => {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// A script of every kind of event with values in and, now and then, out of
// range or misspelt.
function randomScript(next) {
  const pick = (list) => list[Math.floor(next() * list.length)];
  const number = (min, max) => Math.floor(min + next() * (max - min + 1));
  const lines = [];
  for (let i = number(1, 25); i > 0; i--) {
    lines.push(pick([
      () => `angle ${number(-2, 91)}`, () => `index ${number(45, 305)}`,
      () => `waves ${number(4, 40)}`, () => `time ${number(0, 5000)}`, () => 'continuous',
      () => 'wavelets', () => 'timer', () => 'stop', () => `tick ${number(1, 300)}`,
      () => `view ${pick(['exact', 'classic'])}`, () => `reflection ${pick(['on', 'off'])}`,
      () => '# a comment', () => pick(['Angle 3', 'tick 0', 'waves', 'time 1.5']),
    ])());
  }
  return lines.join(pick(['\n', '\r\n'])) + '\n';
}

const skip = noDesktop() || noWeb(runner);

test('every test script traces as the desktop program traces it', { skip }, () => {
  for (const name of readdirSync(corpus)) {
    for (const args of [['--client', '1366x768'], ['--client', '333x777', '--view', 'exact']]) {
      const argv = ['--trace', path.join(corpus, name), ...args];
      assert.deepEqual(run(['web', ...argv]), run(['desktop', ...argv]), `${name} ${args}`);
    }
  }
});

test('seeded random scripts trace as the desktop program traces them', { skip }, () => {
  const next = random(20261208);
  for (let i = 0; i < 40; i++) {
    const file = path.join(dir, `random-${i}.txt`);
    writeFileSync(file, randomScript(next));
    const sizes = ['1920x1080', '800x600', '333x777', '3523x1427'];
    const argv = ['--trace', file, '--client', sizes[i % sizes.length],
      ...(i % 3 === 0 ? ['--view', 'exact', '--reflection', i % 2 ? 'on' : 'off'] : [])];
    assert.deepEqual(run(['web', ...argv]), run(['desktop', ...argv]), `script ${i}`);
  }
});

test('standard input, unreadable scripts and bad options', { skip }, () => {
  const same = [
    [['--trace', '-'], 'waves 7\ntimer\ntick 20\n'],
    [['--trace', path.join(dir, 'none.txt')]],
    [['--trace', dir]],
    [['--trace', '-', '--client', '0x0']],
    [['--trace', '-', '--view', 'sideways']],
    [['--trace']],
  ];
  for (const [argv, input] of same) {
    assert.deepEqual(run(['web', ...argv], input ?? ''), run(['desktop', ...argv], input ?? ''),
      argv.join(' '));
  }
  const window = run(['web']);
  assert.deepEqual([window.status, window.out], [2, '']);
  assert.match(window.err, /^orvath: --trace SCRIPT is needed/);
});
