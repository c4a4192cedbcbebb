// SPDX-License-Identifier: GPL-3.0-or-later
// The classroom features on the page, by keyboard, mouse and touch, and what
// a screen reader is given: the same program as the window, the same keys.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
  launch, openPage, stats, afterPaint, pictureSummary, text, value, pageFile, noWeb, noDesktop,
  desktop, gifFrames, compareGifFrames, checked, view, close
} from './browser.mjs';

const skip = noWeb(pageFile);
let browser;
before(async () => { if (!skip) browser = await launch(); });
after(() => browser?.close());

const viewportWidth = (touch) => (touch ? 768 : 1280);
const chosen = (page, id) => page.locator('#' + id).inputValue();
// The time bar's steps in `ms` of running at the speed shown.
async function stepsIn(page, ms) {
  const begun = (await stats(page)).time;
  await page.keyboard.press('Space');
  await page.waitForTimeout(ms);
  await page.keyboard.press('Space');
  return (await stats(page)).time - begun;
}

test('speeds, steps, pairs of media, theme and key by their keys', { skip }, async () => {
  const page = await openPage(browser, { link: '#time=0' });
  const keys = [
    ['-', 'Speed', 'speed 1/2'], ['Control+5', 'Speed', 'speed 1/50'], ['+', 'Speed', 'speed 1/10'],
    ['+', 'Speed', 'speed 1/4'], ['Control+1', 'Speed', 'speed 1x'], ['Control+5', 'Speed', 'speed 1/50'],
    ['3', 'Medium', 'medium air-diamond'],
  ];
  for (const [key, id, expected] of keys) {
    await page.keyboard.press(key);
    assert.equal(await chosen(page, id), expected, key);
  }
  assert.equal(await value(page, 'N_REFR'), '242');
  assert.equal(await text(page, 'Label4'), 'c2=  C1/2.42');
  // At 1/50 the timer makes a step every 50 ms: far fewer than the 600 at 1x.
  const slow = await stepsIn(page, 600);
  assert.ok(slow > 0 && slow < 60, `${slow} steps at 1/50`);

  const at = Number(await value(page, 'xronos'));
  const steps = [['.', 1], ['.', 1], [',', -1], ['Shift+.', 600], ['Shift+,', -600]];
  let expected = at;
  for (const [key, by] of steps) {
    expected += by;
    await afterPaint(page, () => page.keyboard.press(key));
    assert.equal(Number(await value(page, 'xronos')), expected, key);
  }

  const classic = await pictureSummary(page);
  await afterPaint(page, () => page.keyboard.press('t'));
  assert.ok(await checked(page, 'Projector'));
  assert.notEqual((await pictureSummary(page)).sum, classic.sum, 'the projector theme paints');
  await page.keyboard.press('e');
  const keyed = await pictureSummary(page);
  await afterPaint(page, () => page.keyboard.press('k'));
  assert.equal(await checked(page, 'Key'), false);
  assert.notEqual((await pictureSummary(page)).sum, keyed.sum, 'the key is hidden');

  await page.keyboard.press('F1');
  const box = await text(page, 'information');
  assert.match(box, /- \/ \+: slower \/ faster/);
  assert.match(box, /Ctrl\+\+ \/ Ctrl\+-: zoom .*Drag a ray[^]*P: protractor {4}L: ruler {4}M:/);
  assert.match(box, /F1: hide this/);
  assert.match(box, /M: mystery medium {4}G: your index {4}N: notes/);
  await close(page);
});

test('the menu lists every action with its key and runs them', { skip }, async () => {
  const page = await openPage(browser);
  await page.keyboard.press('Shift+F10');
  const menu = page.getByRole('menu');
  assert.ok(await menu.isVisible());
  const items = await menu.locator('.item').allInnerTexts();
  for (const item of ['Slower\t-', 'One period forward\tShift+.', 'Air to glass (1.50)\t2',
    'Projector theme\tT', 'Save animation (GIF)\tCtrl+Shift+S', 'Menu\tShift+F10, Menu',
    'Zoom in\tCtrl++', 'Whole picture\tCtrl+0', 'Ruler\tL']) {
    assert.ok(items.some((shown) => shown.replace(/\s*\n\s*|\s{2,}/g, '\t') === item), item);
  }
  const speeds = menu.getByRole('menuitemradio').filter({ hasText: /^1\// });
  assert.deepEqual(await speeds.evaluateAll((items) => items.map((i) => i.getAttribute('aria-checked'))),
    ['false', 'false', 'false', 'false']);
  const fastest = page.getByRole('menuitemradio', { name: '1x', exact: true });
  assert.equal(await fastest.getAttribute('aria-checked'), 'true');
  assert.equal(await fastest.getAttribute('aria-keyshortcuts'), 'Control+1');
  // Down to "Reflected wave", then Enter.
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  assert.ok(await menu.isHidden());
  assert.ok(await checked(page, 'Reflection'));
  // A right click on the picture opens it too; Escape closes it.
  await page.mouse.click(900, 500, { button: 'right' });
  assert.ok(await menu.isVisible());
  await page.keyboard.press('Escape');
  assert.ok(await menu.isHidden());
  await close(page);
});

test('the classroom row by mouse and by touch', { skip }, async () => {
  for (const touch of [false, true]) {
    // By touch on a tablet, where the row goes on a second line to fit.
    const size = touch ? { width: 768, height: 1024, dpr: 2 } : {};
    const page = await openPage(browser, { touch, link: '#time=100', ...size });
    const row = await page.locator('#Speed, #Speed ~ *').evaluateAll((all) => all.map((e) => e.getBoundingClientRect().right));
    assert.ok(row.length >= 8 && Math.max(...row) <= viewportWidth(touch), `${row}`);
    const panel = () => page.locator('#panel > :not([style*="--theme-scale"])').evaluateAll(
      (all) => all.map((e) => [e.id, JSON.stringify(e.getBoundingClientRect())]));
    const placed = await panel();
    const press = (selector) => (touch ? page.tap(selector) : page.click(selector));
    await page.selectOption('#Speed', 'speed 1/4');
    assert.equal(await chosen(page, 'Speed'), 'speed 1/4');
    await page.selectOption('#Medium', 'medium water-air');
    assert.equal(await value(page, 'N_REFR'), '75');
    await press('#StepForward');
    await press('#StepForward');
    await press('#StepBack');
    assert.equal(await value(page, 'xronos'), '101');
    await press('#Projector');
    assert.ok(await checked(page, 'Projector'));
    await press('#MenuButton');
    await press('text=Back to the start values');
    assert.deepEqual([await value(page, 'xronos'), await value(page, 'N_REFR')], ['2000', '50']);
    assert.equal(await chosen(page, 'Medium'), '');
    // The panel's controls stay where they were, in either theme.
    assert.equal(placed.length, 12);
    assert.deepEqual(await panel(), placed);
    await close(page);
  }
});

test('every setting from the link, bad ones warned once each, and copied back', { skip }, async () => {
  const link = '#mode=wavelets&angle=40&index=133&waves=12&time=900&view=exact&reflection=on' +
    '&key=off&speed=1/10&theme=projector&protractor=on&ruler=off&zoom=2&centre=-150,10';
  const page = await openPage(browser, { link: link.replace('index=133', 'medium=air-water') });
  assert.deepEqual(page.warnings, []);
  assert.equal(await chosen(page, 'Speed'), 'speed 1/10');
  assert.equal(await chosen(page, 'Medium'), 'medium air-water');
  assert.ok(await checked(page, 'Projector'));
  assert.equal(await checked(page, 'Key'), false);
  await page.click('#CopyLink');
  assert.equal(await page.evaluate(() => location.hash), link);
  // An edited link starts the page again: what it leaves out is at its start.
  await page.evaluate(() => { location.hash = '#angle=30'; });
  await page.waitForFunction(() => document.getElementById('prosptosis').value === '30');
  assert.equal(await checked(page, 'Projector'), false);
  assert.equal(await chosen(page, 'Speed'), 'speed 1x');
  assert.equal(await checked(page, 'Protractor'), false);
  assert.equal((await view(page)).factor, 1);
  await close(page);

  const bad = await openPage(browser,
    { link: '#speed=2x&theme=dark&medium=diamond-air&medium=<b>x</b>&key=maybe' });
  assert.equal(bad.warnings.length, 5, bad.warnings.join('\n'));
  assert.match(bad.warnings[0], /^orvath: speed='2x' is not '1x', '1\/2', '1\/4', '1\/10' or '1\/50'/);
  assert.match(bad.warnings[2], /^orvath: medium=diamond-air: its index 41 is outside/);
  assert.equal(await chosen(bad, 'Speed'), 'speed 1x');
  assert.equal(await bad.locator('b').count(), 0, 'nothing from the link is markup');
  await close(bad);
});

// A link far longer than any setting needs once overflowed the stack on its
// way into the program.
test('a link of any length gives its settings or one warning', { skip }, async () => {
  const long = '#angle=40&' + 'x'.repeat(1_400_000);
  const page = await openPage(browser, { link: long });
  assert.equal(page.warnings.length, 1);
  assert.match(page.warnings[0], /1400009 characters long, more than 2048: the start values are used$/);
  assert.equal(await value(page, 'prosptosis'), '25');
  await page.keyboard.press('Space');
  await page.evaluate((hash) => { location.hash = hash; }, '#waves=20&' + 'y'.repeat(3_000_000));
  await page.waitForFunction(() => document.getElementById('arithkyMATON').value === '10');
  await page.evaluate(() => { location.hash = '#waves=20'; });
  await page.waitForFunction(() => document.getElementById('arithkyMATON').value === '20');
  assert.equal(page.warnings.length, 2);
  await close(page);
});

test('what a screen reader is given', { skip }, async () => {
  const page = await openPage(browser, { link: '#angle=40&time=2000' });
  const cdp = await page.context().newCDPSession(page);
  const tree = async () => (await cdp.send('Accessibility.getFullAXTree')).nodes;
  const named = async (name) => (await tree()).find((n) => n.name?.value === name);

  const valueTexts = {
    'Angle of incidence': '40 degrees', 'Relative refractive index': 'relative index 0.50',
    Time: 'time 20.00', 'Number of waves': '10 waves',
  };
  // The tree's own "valuetext" is Chromium's number for a range input; the
  // platform's screen readers read aria-valuetext, so that is checked on the
  // slider the tree names.
  const valueText = async (name) => page.locator(`[role=slider], input[type=range]`)
    .and(page.getByRole('slider', { name, exact: true })).getAttribute('aria-valuetext');
  for (const [name, spoken] of Object.entries(valueTexts)) {
    assert.equal((await named(name)).role.value, 'slider', name);
    assert.equal(await valueText(name), spoken, name);
  }
  for (const name of ['Save picture as PNG', 'Save picture as SVG', 'Copy link', 'Speed',
    'One step back', 'One step forward', 'Pair of media', 'Projector theme', 'Key to the colours',
    'Save animation as GIF', 'Menu', 'Exact view', 'Reflected wave', 'Start timer']) {
    const node = await named(name);
    assert.ok(node?.description?.value, `${name} has a description`);
  }
  const picture = (await named('Picture')).description.value;
  assert.match(picture, /wavelet picture, classic view\. Angle of incidence 40 degrees\. The wave is totally reflected\./);

  const live = page.locator('#announcer');
  assert.equal(await live.getAttribute('aria-live'), 'polite');
  await page.focus('#prosptosis');
  await page.keyboard.press('Home');
  assert.match(await live.textContent(), /^Less than critical\. Angle of incidence 0 degrees\. The wave is refracted at 0\.0 degrees/);
  assert.equal(await valueText('Angle of incidence'), '0 degrees');
  await page.keyboard.press('Space');
  assert.equal(await live.textContent(), 'The timer runs.');
  await page.keyboard.press('Space');
  assert.equal(await live.textContent(), 'The timer is stopped.');
  await page.keyboard.press('-');
  assert.equal(await live.textContent(), 'Speed 1/2.');
  await close(page);
});

// The page's animation against the window's --export-animation at the same
// settings: the same frames, delays and changed rectangles; the pixels as
// close as the canvas and Qt's painter come (see page.test.mjs).
test('the run saved as a GIF, as the desktop saves it; cancelled, nothing', { skip: skip || noDesktop() },
  async () => {
    const dir = mkdtempSync(path.join(tmpdir(), 'orvath-gif-'));
    const exported = (args) => {
      const file = path.join(dir, 'run.gif');
      const run = spawnSync(desktop, ['--export-animation', file, ...args],
        { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
      assert.equal(run.status, 0, String(run.stderr));
      return readFileSync(file);
    };
    const runs = [
      ['#angle=40&index=150&waves=12', ['--angle', '40', '--index', '150', '--waves', '12'], 'key'],
      ['#mode=continuous&view=exact&theme=projector&speed=1/2',
        ['--mode', 'continuous', '--view', 'exact', '--theme', 'projector', '--speed', '1/2'], 'menu'],
    ];
    for (const [link, args, how] of runs) {
      // By finger on a strip too short for the button: from the menu.
      const page = await openPage(browser, { link, touch: how === 'menu' });
      if (how === 'menu') await page.tap('#MenuButton');
      const [download] = await Promise.all([page.waitForEvent('download'),
        how === 'key' ? page.keyboard.press('Control+Shift+S') : page.tap('#menu [data-command=saveGif]')]);
      assert.equal(download.suggestedFilename(), 'orvath.gif');
      const saved = readFileSync(await download.path());
      const desktopRun = exported(args);
      const [ours, theirs] = [gifFrames(saved), gifFrames(desktopRun)];
      assert.equal(ours.length, theirs.length, link);
      assert.deepEqual(ours.map((f) => f.delay), theirs.map((f) => f.delay), link);
      const last = ours.length - 1;
      const shares = await compareGifFrames(page, saved, desktopRun, [0, last >> 1, last]);
      assert.ok(shares.every((share) => share > 0.97), `${link}: ${shares}`);
      assert.ok(await page.locator('#saving').isHidden());
      await close(page);
    }

    const page = await openPage(browser, { link: '#speed=1/50' });
    let downloads = 0;
    page.on('download', () => downloads++);
    await page.click('#SaveGif');
    await page.waitForFunction(() => /Frame [1-9]/.test(document.querySelector('#saving p')?.textContent));
    assert.equal(await page.locator('#CancelGif').evaluate((b) => b === document.activeElement), true);
    await page.keyboard.press('Enter');
    await page.locator('#saving').waitFor({ state: 'detached' });
    await page.waitForTimeout(300);
    assert.equal(downloads, 0);
    await close(page);
  });
