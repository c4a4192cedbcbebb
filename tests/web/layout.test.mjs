// SPDX-License-Identifier: GPL-3.0-or-later
// The panel on the screens of a class: tablets, Chromebooks, laptops and
// whiteboards, by finger and by mouse. On a touch screen every control is a
// finger's size and apart from the others; on every screen no text is cut or
// covers another; a wide screen with a mouse keeps the placed layout.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, afterPaint, pictureSummary, pageFile, noWeb, value } from './browser.mjs';

const skip = noWeb(pageFile);
let browser;
before(async () => { if (!skip) browser = await launch(); });
after(() => browser?.close());

const screens = [
  { width: 768, height: 1024, dpr: 2 }, { width: 1024, height: 768, dpr: 1 },
  { width: 1280, height: 720, dpr: 1 }, { width: 1366, height: 768, dpr: 1.25 },
  { width: 1920, height: 1080, dpr: 1 },
  // The Chromebook's 1366x768 pixels at ratio 1.25, in CSS pixels.
  { width: 1093, height: 614, dpr: 1.25 },
  // The tablet and the Chromebook with their windows shrunk to half, where
  // the strip may have to scroll.
  { width: 384, height: 512, dpr: 2, shrunk: true }, { width: 683, height: 384, dpr: 1.25, shrunk: true },
];

// Every control's hit area, every text's box and whether its text is cut,
// and the angle bar's pixels per step.
const measure = (page) => page.evaluate(() => {
  // What is not shown (an empty verdict) is neither cut nor in the way.
  const panel = [...document.getElementById('panel').children].filter((e) => e.getClientRects().length);
  const box = (e, contents) => {
    if (contents) e.selectNodeContents(contents);
    const r = e.getBoundingClientRect();
    return { id: e.id, left: r.left, top: r.top, right: r.right, bottom: r.bottom };
  };
  const measurer = document.createElement('canvas').getContext('2d');
  const ink = (e) => {
    const range = document.createRange();
    range.selectNodeContents(e);
    const r = range.getBoundingClientRect();
    measurer.font = getComputedStyle(e).font;
    const m = measurer.measureText(e.textContent);
    const baseline = r.top + m.fontBoundingBoxAscent;
    return { left: r.left, right: r.right, top: baseline - m.actualBoundingBoxAscent,
      bottom: baseline + m.actualBoundingBoxDescent, label: e.classList.contains('label') };
  };
  const angle = document.getElementById('prosptosis');
  return {
    hits: panel.filter((e) => !e.classList.contains('label')).map((e) => box(e)),
    // Where the text's ink is, which may reach beyond its element's box.
    texts: panel.filter((e) => e.tagName !== 'INPUT').map((e) => ({
      ...ink(e), id: e.id, cut: e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1,
    })).concat(panel.filter((e) => e.placeholder && !e.value).map((e) => {
      // A field's placeholder, which shows while the field is empty.
      const style = getComputedStyle(e);
      measurer.font = style.font;
      const room = e.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      return { ...box(e), id: e.id, cut: measurer.measureText(e.placeholder).width > room + 1 };
    })),
    // The thumb's travel: the bar less one thumb (as wide as the bar is high, at most).
    perStep: (angle.clientWidth - Math.min(angle.clientHeight, 16)) / (angle.max - angle.min),
    options: panel.filter((e) => e.classList.contains('option')).map((e) => {
      const r = e.getBoundingClientRect();
      return { id: e.id, row: Math.round((r.top + r.bottom) / 2), size: getComputedStyle(e).fontSize };
    }),
  };
});
const apart = (a, b) => Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);

// Every control a finger's size and apart from the others, and the angle bar
// fine enough for a finger.
function assertFingerSized(where, { hits, perStep }) {
  for (const [i, a] of hits.entries()) {
    assert.ok(a.right - a.left >= 44 && a.bottom - a.top >= 44,
      `${where}: ${a.id} is ${a.right - a.left}x${a.bottom - a.top}`);
    for (const b of hits.slice(i + 1)) {
      assert.ok(apart(a, b) >= 8, `${where}: ${a.id} and ${b.id} ${apart(a, b)} px apart`);
    }
  }
  assert.ok(perStep >= 2, `${where}: ${perStep} px per step of the angle bar`);
}

test('finger-sized controls on touch screens, nothing cut or covered anywhere', { skip }, async () => {
  for (const touch of [true, false]) {
    for (const screen of screens) {
      // A mystery medium being measured shows the most controls.
      const page = await openPage(browser, { ...screen, touch, link: '#mystery=3' });
      const where = `${screen.width}x${screen.height}${touch ? ' touch' : ''}`;
      const measured = await measure(page);
      const { hits, texts } = measured;
      for (const t of texts) assert.ok(!t.cut, `${where}: the text of ${t.id} is cut`);
      for (const [i, a] of texts.entries()) {
        for (const b of texts.slice(i + 1)) {
          assert.ok(apart(a, b) >= 0, `${where}: ${a.id} covers ${b.id}`);
        }
      }
      // Every control shown is on the screen, none reached only by scrolling.
      for (const a of screen.shrunk ? [] : hits) {
        assert.ok(a.left >= 0 && a.top >= 0 && a.right <= screen.width && a.bottom <= screen.height,
          `${where}: ${a.id} is off the screen (${a.left},${a.top} to ${a.right},${a.bottom})`);
      }
      if (touch) assertFingerSized(where, measured);
      await page.context().close();
    }
  }
});

// The texts of every language, and of the pseudo-language whose texts are
// 40 % longer, fit their controls on the screens of a classroom, with the
// mystery medium's controls on and its verdict shown, and before a mystery
// (with the guess field's placeholder shown) by touch, where a longer
// language's strip may be wider, its controls still a finger's size and the
// options of one row of one size.
test('nothing cut or covered in any language, on a laptop, a classroom screen and by touch', { skip }, async () => {
  const languages = ['x-long', 'de', 'el', 'es', 'fr', 'it', 'pt_BR', 'tr', 'zh_CN'];
  for (const screen of [{ width: 1024, height: 768 }, { width: 1280, height: 720 },
    { width: 1366, height: 768 }, { width: 1920, height: 1080 },
    { width: 768, height: 1024, dpr: 2, touch: true }, { width: 1024, height: 768, touch: true },
    { width: 1366, height: 768, dpr: 1.25, touch: true }]) {
    for (const lang of languages) {
      const page = await openPage(browser, { ...screen, link: `#lang=${lang}&view=exact` +
        (screen.touch ? '' : '&mystery=3') });
      if (!screen.touch) {
        await page.fill('#GuessField', '2');
        await page.press('#GuessField', 'Enter');
      }
      const where = `${lang} at ${screen.width}x${screen.height}${screen.touch ? ' touch' : ''}`;
      const measured = await measure(page);
      const { texts } = measured;
      for (const t of texts) assert.ok(!t.cut, `${where}: the text of ${t.id} is cut`);
      if (screen.touch) {
        assertFingerSized(where, measured);
        for (const a of measured.options) {
          for (const b of measured.options.filter((o) => o.row === a.row)) {
            assert.equal(a.size, b.size, `${where}: ${a.id} and ${b.id} differ in size`);
          }
        }
      }
      // The captions stay placed 19 px apart: the pseudo-language's marks
      // above and below its capitals, deeper than any real language's, may
      // touch the next caption's by a few pixels.
      const slack = (a, b) => (lang === 'x-long' && a.label && b.label ? 3 : 0);
      for (const [i, a] of texts.entries()) {
        for (const b of texts.slice(i + 1)) {
          assert.ok(apart(a, b) >= -slack(a, b), `${where}: ${a.id} covers ${b.id} (${apart(a, b)} px)`);
        }
      }
      const language = await page.locator('#Language').boundingBox();
      for (const t of texts) {
        const box = { id: t.id, left: language.x, top: language.y, right: language.x + language.width,
          bottom: language.y + language.height };
        assert.ok(apart(box, t) >= 0, `${where}: the language chooser covers ${t.id}`);
      }
      assert.deepEqual(page.errors, []);
      await page.context().close();
    }
  }
});

test('a wide screen with a mouse keeps the placed layout', { skip }, async () => {
  const page = await openPage(browser, { width: 1280, height: 720 });
  const box = await page.locator('#prosptosis').boundingBox();
  // The angle bar is a tenth of the width wide and a fortieth of the height high.
  assert.deepEqual([box.x, box.y, box.width, box.height], [0, 0, 128, 18]);
  const canvas = await page.locator('#picture').boundingBox();
  assert.deepEqual([canvas.width, canvas.height], [1280, 720]);
  await page.context().close();
});

test('the screen shows the picture as the compositor would filter it, on every screen', { skip }, async () => {
  // The page may spare the compositor its filtering, and then no pixel may
  // change: the 1366x768 window at 1.25 is the one that would.
  for (const screen of screens.filter((s) => !s.shrunk)) {
    const page = await openPage(browser, { ...screen, link: '#view=exact&reflection=on&waves=39&time=3000' });
    const shown = await page.screenshot();
    await page.evaluate(() => { document.getElementById('picture').style.imageRendering = ''; });
    await page.waitForTimeout(100);
    assert.ok(shown.equals(await page.screenshot()), JSON.stringify(screen));
    await page.context().close();
  }
});

test('by finger: a bar, an option, the information button and a tooltip', { skip }, async () => {
  const page = await openPage(browser, { width: 768, height: 1024, dpr: 2, touch: true });
  const canvas = await page.locator('#picture').boundingBox();
  const panel = await page.locator('#panel').boundingBox();
  assert.ok(canvas.y + canvas.height <= panel.y + 1, 'the panel lies below the picture');
  const bar = await page.locator('#prosptosis').boundingBox();
  const before = await pictureSummary(page);
  await afterPaint(page, () => page.tap('#prosptosis', { position: { x: bar.width * 0.75, y: bar.height / 2 } }));
  assert.ok(Number(await value(page, 'prosptosis')) > 50);
  assert.notEqual((await pictureSummary(page)).sum, before.sum);
  await page.tap('#Option1');
  assert.ok(await page.locator('#Option1 input').isChecked());
  await page.tap('#Information');
  assert.match(await page.locator('#information').textContent(), /\S/);
  await page.tap('#Information');
  assert.ok(await page.locator('#information').isHidden());

  const start = await page.locator('#Command1').boundingBox();
  const cdp = await page.context().newCDPSession(page);
  const point = { x: start.x + start.width / 2, y: start.y + start.height / 2 };
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
  await page.waitForTimeout(700);
  assert.match(await page.locator('#tooltip').textContent(), /^Start the timer/);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('Space works a focused switch or button, and elsewhere the timer', { skip }, async () => {
  const page = await openPage(browser, { width: 1280, height: 720 });
  await page.focus('#ExactView input');
  await page.keyboard.press('Space');
  assert.ok(await page.locator('#ExactView input').isChecked());
  await page.focus('#Command1');
  await page.keyboard.press('Space');
  assert.equal((await page.evaluate(() => window.orvathStats())).timerRunning, true);
  await page.focus('#Command2');
  await page.keyboard.press('Space');
  assert.equal((await page.evaluate(() => window.orvathStats())).timerRunning, false);
  assert.ok(await page.locator('#ExactView input').isChecked());
  await page.focus('#prosptosis');
  await page.keyboard.press('Space');
  assert.equal((await page.evaluate(() => window.orvathStats())).timerRunning, true);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('a bar dragged by finger moves its caption and the picture as it goes', { skip }, async () => {
  const page = await openPage(browser, { width: 1366, height: 768, dpr: 1.25, touch: true });
  const bar = await page.locator('#prosptosis').boundingBox();
  const cdp = await page.context().newCDPSession(page);
  const at = (share) => [{ x: bar.x + bar.width * share, y: bar.y + bar.height / 2 }];
  const thumb = 25 / 89;
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(thumb) });
  const seen = new Set();
  for (let share = thumb; share < 0.8; share += 0.1) {
    const paints = (await page.evaluate(() => window.orvathStats())).paints;
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: at(share + 0.1) });
    await page.waitForFunction((n) => window.orvathStats().paints > n, paints);
    seen.add(await page.locator('#Label1').textContent());
  }
  assert.ok(seen.size >= 4, [...seen].join(', '));
  const caption = await page.locator('#Label1').textContent();
  assert.equal(caption, `ANGLE OF INCIDENCE= ${await value(page, 'prosptosis')}`);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  assert.deepEqual(page.errors, []);
  await page.context().close();
});
