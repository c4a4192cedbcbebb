// SPDX-License-Identifier: GPL-3.0-or-later
// The page in a lesson: the mystery medium measured by a class, the notes
// for the teacher and their links, and the page's own controls in every
// language of the catalogue.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, statSync } from 'node:fs';
import path from 'node:path';
import { launch, openPage, text, pageFile, noWeb, root, close } from './browser.mjs';

const skip = noWeb(pageFile);
let browser;
before(async () => { if (!skip) browser = await launch(); });
after(() => browser?.close());


// Keeps every live announcement from now on in window.spoken.
const listen = (page) => page.evaluate(() => {
  window.spoken = [];
  new MutationObserver(() => window.spoken.push(document.getElementById('announcer').textContent))
    .observe(document.getElementById('announcer'), { childList: true, subtree: true });
});
const answer = async (page, typed, how) => {
  await page.fill('#GuessField', typed);
  if (how === 'Enter') await page.press('#GuessField', 'Enter');
  else await page.click('#Guess');
  return text(page, 'Verdict');
};

test('the mystery medium: hidden, judged, revealed, in the link', { skip }, async () => {
  const page = await openPage(browser, { width: 1366, height: 768, link: '#mystery=7&angle=40' });
  await listen(page);
  assert.deepEqual(page.warnings, []);
  assert.equal(await text(page, 'Label4'), 'c2=  C1/?');
  assert.match(await page.locator('#N_REFR').getAttribute('aria-valuetext'), /\?$/);
  assert.ok(await page.locator('#N_REFR').isDisabled());
  assert.equal(await page.locator('#Mystery').getAttribute('aria-pressed'), 'true');
  await page.keyboard.press('F1');
  // Answers that are no guess say why and change nothing.
  for (const [typed, how, said] of [['', 'Enter', /^Type the index/], ['abc', 'button', /not a number/],
    ['9', 'Enter', /between 0\.50 and 3\.00/], ['1,5,0', 'button', /not a number/]]) {
    assert.match(await answer(page, typed, how), said, typed);
    assert.equal(await text(page, 'Label4'), 'c2=  C1/?', typed);
  }
  // The link carries the seed, never the index.
  await page.click('#CopyLink');
  const hash = await page.evaluate(() => location.hash);
  assert.match(hash, /mystery=7/);
  assert.doesNotMatch(hash, /index=/);
  // What the program tells a screen reader while it hides the index (its
  // texts are checked against the index in page_test.cpp).
  assert.doesNotMatch(await page.locator('#picture').getAttribute('aria-description'),
    /refracted at [0-9]/);
  assert.match(await page.locator('#information').textContent(), /n = c1 \/ c2 = \?/);
  await page.click('#Reveal');
  const index = (await text(page, 'Label4')).replace('c2=  C1/', '');
  assert.match(index, /^[0-9]\.[0-9]{2}$/);
  assert.match(await text(page, 'Verdict'), new RegExp(`was ${index.replace('.', '\\.')}`));
  assert.ok((await page.evaluate(() => window.spoken)).some((t) => t.includes(index)));
  assert.ok(await page.locator('#GuessField').isDisabled());
  assert.ok(!(await page.locator('#N_REFR').isDisabled()));
  await close(page);

  // The same seed on another machine: the index measured is found.
  const again = await openPage(browser, { width: 1920, height: 1080, link: '#mystery=7' });
  const near = (Number(index) * 1.015).toFixed(2).replace('.', ',');
  assert.match(await answer(again, near, 'Enter'), /within 2 % of the hidden index: found/);
  assert.match(await answer(again, (Number(index) * 1.1).toFixed(2), 'button'), /off the hidden index/);
  await close(again);
});

test('the mystery medium by its keys: M, G, typing, Shift+M; a bad seed warns', { skip }, async () => {
  const page = await openPage(browser, { width: 1366, height: 768 });
  await page.keyboard.press('m');
  assert.equal(await text(page, 'Label4'), 'c2=  C1/?');
  await page.keyboard.press('g');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'GuessField');
  // Letters typed into the field are the answer, not keys of the page.
  await page.keyboard.type('m1.5e');
  assert.equal(await page.inputValue('#GuessField'), 'm1.5e');
  assert.equal(await text(page, 'Label4'), 'c2=  C1/?');
  await page.focus('#Mystery');
  await page.keyboard.press('Shift+M');
  assert.match(await text(page, 'Label4'), /^c2= {2}C1\/[0-9]\.[0-9]{2}$/);
  await close(page);
  for (const seed of ['0', '1000000', 'seven']) {
    const bad = await openPage(browser, { link: '#mystery=' + seed });
    assert.equal(bad.warnings.length, 1, seed);
    assert.match(bad.warnings[0], new RegExp(`mystery='?${seed}'? is not a whole number from 1 to 999999`));
    assert.doesNotMatch(await text(bad, 'Label4'), /\?/);
    await close(bad);
  }
});

const notes = readFileSync(path.join(root, 'docs/teaching.md'), 'utf8');

test('the notes for the teacher open on the page, and every link in them works', { skip }, async () => {
  const page = await openPage(browser, { width: 1366, height: 768 });
  await page.click('#Notes');
  const dialog = page.locator('#notes');
  assert.ok(await dialog.isVisible());
  assert.equal(await dialog.locator('h1').textContent(), notes.match(/^# (.*)$/m)[1]);
  assert.ok(await dialog.locator('table td').count() > 20, 'the table of link settings');
  // Keys of the page do nothing while the notes are read.
  await page.keyboard.press('e');
  assert.ok(!(await page.locator('#ExactView input').isChecked()));
  await page.click('#CloseNotes');
  assert.ok(!(await dialog.isVisible()));
  await page.keyboard.press('n');
  assert.ok(await dialog.isVisible());
  await page.keyboard.press('Escape');
  assert.ok(!(await dialog.isVisible()));
  await close(page);

  const links = new Set([...notes.matchAll(/orvath\.html(#[^\s`"|)]+)/g)].map((m) => m[1]));
  for (const m of notes.matchAll(/`(#[^`]+)`/g)) links.add(m[1]);
  assert.ok(links.size > 12, [...links].join(' '));
  for (const link of links) {
    const opened = await openPage(browser, { link });
    assert.deepEqual(opened.warnings, [], link);
    await close(opened);
  }
  // The notes ride in the one file, which stays small enough to mail.
  assert.ok(statSync(pageFile).size < 1.5 * 1024 * 1024, `${statSync(pageFile).size} bytes`);
});

// A catalogue's translations by original.
function catalogue(code) {
  const entries = new Map();
  const po = readFileSync(path.join(root, 'po', code + '.po'), 'utf8');
  const unquote = (lines) => lines.map((l) => JSON.parse(l.replace(/^(msgid|msgstr) /, ''))).join('');
  for (const block of po.split(/\n\n+/)) {
    const lines = block.split('\n').filter((l) => l.startsWith('"') || l.startsWith('msg'));
    const at = lines.findIndex((l) => l.startsWith('msgstr'));
    if (at > 0 && lines[0].startsWith('msgid')) entries.set(unquote(lines.slice(0, at)), unquote(lines.slice(at)));
  }
  return entries;
}

// The page's own controls and its menu: what each says, by where it says it.
const ownTexts = (page) => page.evaluate(() => {
  const said = [];
  const ids = ['Speed', 'StepBack', 'StepForward', 'Medium', 'Projector', 'Key', 'SaveGif', 'MenuButton',
    'SavePng', 'SaveSvg', 'CopyLink', 'Information', 'Notes', 'Mystery', 'GuessField', 'Guess', 'Reveal'];
  for (const id of ids) {
    const e = document.getElementById(id);
    const input = e.querySelector('input') || e;
    said.push([id + ' text', e.tagName === 'SELECT' || e.tagName === 'INPUT' ? '' : e.textContent],
      [id + ' title', e.title], [id + ' name', input.getAttribute('aria-label')],
      [id + ' description', input.getAttribute('aria-description')]);
  }
  for (const item of document.querySelectorAll('#menu .item')) said.push(['menu', item.getAttribute('aria-label')]);
  said.push(['menu name', document.getElementById('menu').getAttribute('aria-label')],
    ['language chooser', document.getElementById('Language').title]);
  return said;
});

test('the page\'s own controls, its menu and its messages in every language', { skip }, async () => {
  const english = await openPage(browser);
  const originals = await ownTexts(english);
  await close(english);
  const codes = readFileSync(path.join(root, 'po/LINGUAS'), 'utf8').split('\n')
    .filter((line) => line && !line.startsWith('#'));
  assert.equal(codes.length, 8);
  for (const code of codes) {
    const tr = catalogue(code);
    const page = await openPage(browser, { link: '#lang=' + code + '&mystery=5' });
    const shown = await ownTexts(page);
    let checked = 0;
    for (const [i, [where, original]] of originals.entries()) {
      if (!original || !tr.has(original)) continue;
      checked++;
      assert.equal(shown[i][1], tr.get(original), `${code}: ${where} "${original}"`);
    }
    assert.ok(checked > 70, `${code}: only ${checked} texts are in the catalogue`);
    const verdict = await answer(page, 'x', 'Enter');
    const pattern = tr.get('That is not a number: type the index you measured, such as %1.');
    assert.equal(verdict, pattern.replace('%1', '1.50'), code);
    await close(page);
  }
});
