// SPDX-License-Identifier: GPL-3.0-or-later
// The hands on the page's picture in Debian's chromium: rays turned by mouse
// and finger, the zoom by pinch, wheel, buttons and keys, the instruments.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import {
  launch, openPage, afterPaint, pictureSummary, text, value, pageFile, noWeb, fingers, view,
  nextFrame, checked, compareWithPng, close
} from './browser.mjs';

const skip = noWeb(pageFile);
let browser;
before(async () => { if (!skip) browser = await launch(); });
after(() => browser?.close());

const pictureBox = (page) => page.locator('#picture').boundingBox();
const cursor = (page) => page.evaluate(() => document.getElementById('picture').style.cursor);

// Where the handles of the incident and the refracted rays are, in the
// page's pixels, once a finger has touched the picture.
async function handles(page) {
  const box = await pictureBox(page);
  await fingers(page, [[[box.x + box.width - 4, box.y + box.height - 4]]]);
  const records = await page.evaluate(() => window.orvathHandles());
  const marks = [];
  for (let i = 0; i < records.length; i += 5) marks.push({ x: box.x + records[i], y: box.y + records[i + 1] });
  assert.equal(marks.length, 2, 'a handle on each kind of ray');
  return marks.sort((a, b) => a.y - b.y);
}

// A drag from a point by (dx, dy), by the mouse or by a finger, in steps.
async function drag(page, from, dx, dy, touch) {
  const path = [0, 0.25, 0.5, 0.75, 1].map((t) => [from.x + t * dx, from.y + t * dy]);
  if (touch) return fingers(page, [path]);
  await page.mouse.move(from.x, from.y);
  await nextFrame(page);
  await page.mouse.down();
  for (const [x, y] of path.slice(1)) {
    await page.mouse.move(x, y);
    await nextFrame(page);
  }
  assert.equal(await cursor(page), 'grabbing');
  await page.mouse.up();
}

test('the rays turned by mouse and by finger, with the bars and captions', { skip }, async () => {
  for (const touch of [false, true]) {
    const page = await openPage(browser, { width: 1280, height: 720, touch });
    const [incident, refracted] = await handles(page);
    if (!touch) {
      await page.mouse.move(incident.x, incident.y);
      await nextFrame(page);
      assert.equal(await cursor(page), 'grab');
    }
    // Nearer the normal below: a slower second medium, a larger index.
    await drag(page, refracted, -60, 0, touch);
    const index = Number(await value(page, 'N_REFR'));
    assert.ok(index > 50, `index ${index} by ${touch ? 'finger' : 'mouse'}`);
    assert.equal(await text(page, 'Label4'), `c2=  C1/${(index / 100).toFixed(2)}`);
    // Further from the normal above: a larger angle of incidence.
    const [turned] = await handles(page);
    await drag(page, turned, -90, 0, touch);
    const angle = Number(await value(page, 'prosptosis'));
    assert.ok(angle > 25, `angle ${angle} by ${touch ? 'finger' : 'mouse'}`);
    assert.equal(await text(page, 'Label1'), `ANGLE OF INCIDENCE= ${angle}`);
    assert.equal(Number(await value(page, 'N_REFR')), index, 'the index stays');
    await close(page);
  }
});

test('a pinch, the wheel, the buttons and the keys zoom from 1x to 8x', { skip }, async () => {
  const page = await openPage(browser, { width: 1024, height: 768, touch: true });
  const box = await pictureBox(page);
  const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
  const apart = (from, to) => [-1, 1].map((side) =>
    [0, 0.5, 1].map((t) => [x + side * (from + t * (to - from)), y]));
  const factor = async () => (await view(page)).factor;
  const whole = await pictureSummary(page);
  // Twice as far apart: twice as large; spread far, no more than 8 times;
  // pinched together, never less than the whole picture.
  await fingers(page, apart(40, 80));
  assert.ok(Math.abs(await factor() - 2) < 1e-6, String(await factor()));
  assert.notEqual((await pictureSummary(page)).sum, whole.sum);
  await fingers(page, apart(20, 400));
  assert.equal(await factor(), 8);
  await fingers(page, apart(300, 4));
  assert.equal(await factor(), 1);

  await page.mouse.move(x, y);
  for (const [notches, expected] of [[1, 1.25], [2, 1.25 ** 3], [30, 8], [-40, 1]]) {
    for (let i = 0; i < Math.abs(notches); i++) await page.mouse.wheel(0, notches > 0 ? -100 : 100);
    await nextFrame(page);
    assert.ok(Math.abs(await factor() - expected) < 1e-6, `${notches} notches: ${await factor()}`);
  }
  for (const [act, expected] of [
    [() => page.click('#ZoomIn'), 1.25], [() => page.keyboard.press('Control+='), 1.25 ** 2],
    [() => page.keyboard.press('Control+-'), 1.25], [() => page.click('#ZoomOut'), 1],
    [() => page.click('#ZoomOut'), 1], [() => page.keyboard.press('Control++'), 1.25],
    [() => page.click('#WholePicture'), 1], [() => page.click('#ZoomIn'), 1.25],
    [() => page.keyboard.press('Control+0'), 1]]) {
    await act();
    assert.ok(Math.abs(await factor() - expected) < 1e-6, `${act}: ${await factor()}`);
  }
  await close(page);
});

test('the protractor and the ruler: shown by button, key and link, dragged, kept in view, saved', { skip }, async () => {
  const page = await openPage(browser, { width: 1200, height: 700 });
  assert.deepEqual([(await view(page)).protractor, (await view(page)).ruler], [null, null]);
  const bare = await pictureSummary(page);
  await afterPaint(page, () => page.click('#Protractor'));
  assert.ok(await checked(page, 'Protractor'));
  assert.notEqual((await pictureSummary(page)).sum, bare.sum);
  await page.keyboard.press('l');
  assert.ok(await checked(page, 'Ruler'));
  const { protractor, ruler } = await view(page);
  assert.ok(protractor && ruler);

  // Held by its body, it follows the mouse.
  const box = await pictureBox(page);
  const body = { x: box.x + protractor.x + protractor.radius * 0.4, y: box.y + protractor.y - 30 };
  await page.mouse.move(body.x, body.y);
  await nextFrame(page);
  assert.equal(await cursor(page), 'move');
  await drag(page, body, 100, -50, false);
  const moved = (await view(page)).protractor;
  assert.ok(Math.hypot(moved.x - protractor.x - 100, moved.y - protractor.y + 50) < 1,
    JSON.stringify(moved));

  // Taken to the left edge, then the window narrower: both stay in view.
  await drag(page, { x: box.x + moved.x, y: box.y + moved.y - 20 }, -moved.x - 500, 0, false);
  await drag(page, { x: box.x + (ruler.x1 + ruler.x2) / 2, y: box.y + ruler.y1 }, -900, 0, false);
  await afterPaint(page, () => page.setViewportSize({ width: 600, height: 700 }));
  const kept = await view(page);
  const inside = (px, py) => px >= 0 && px <= 600 && py >= 0 && py <= 700;
  assert.ok(inside(kept.protractor.x, kept.protractor.y), JSON.stringify(kept.protractor));
  assert.ok(inside(kept.ruler.x1, kept.ruler.y1) && inside(kept.ruler.x2, kept.ruler.y2),
    JSON.stringify(kept.ruler));
  // Saved as shown: zoomed, with the instruments (by keys: the strip this
  // short leaves its buttons to the menu).
  await afterPaint(page, () => page.keyboard.press('Control+='));
  const [png] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Control+s')]);
  const match = await compareWithPng(page, readFileSync(await png.path()));
  assert.ok(match.size && match.exportFound > 0.99 && match.pageFound > 0.99, JSON.stringify(match));
  await page.keyboard.press('p');
  assert.equal((await view(page)).protractor, null);
  assert.equal(await checked(page, 'Protractor'), false);
  await close(page);

  const linked = await openPage(browser, { link: '#protractor=on&ruler=on' });
  assert.ok((await view(linked)).protractor && await checked(linked, 'Ruler'));
  await close(linked);
});
