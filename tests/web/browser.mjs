// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the built page in Debian's chromium, headless, and reads it back.
import assert from 'node:assert/strict';
import { chromium } from 'playwright-core';
import { existsSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const root = path.join(here, '../..');
export const buildDir = process.env.ORVATH_WASM_DIR ?? path.join(root, 'build/wasm/src/web');
export const desktop = process.env.ORVATH_DESKTOP ?? path.join(root, 'build/dev/src/app/orvath');
export const pageFile = path.join(buildDir, 'orvath.html');
export const pageUrl = 'file://' + pageFile;

// A test's skip option when it needs FILE from a build: false when the file
// is there, else why the test is skipped; under CI (CI=true), where no check
// may silently not run, the test file fails instead, naming what is missing.
export function unbuilt(file, build) {
  if (existsSync(file)) return false;
  if (process.env.CI === 'true') throw new Error(`${build} is missing: no ${file}`);
  return `${build} is missing`;
}
export const noDesktop = () => unbuilt(desktop, 'the desktop build (build/dev)');
export const noWeb = (file) => unbuilt(file, 'the web build (build/wasm)');

export function launch() {
  return chromium.launch({
    executablePath: process.env.ORVATH_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'],
  });
}

// A page of the given size with its first picture painted; its errors and
// console warnings are kept on it.
// With `touch`, a touch screen (a coarse pointer); `init` runs before the
// page's own scripts.
export async function openPage(browser,
  { width = 1280, height = 720, dpr = 1, link = '', touch = false, locale = 'en-US', init } = {}) {
  const context = await browser.newContext({
    viewport: { width, height }, deviceScaleFactor: dpr, acceptDownloads: true,
    hasTouch: touch, isMobile: false, locale,
  });
  if (init) await context.addInitScript(init);
  const page = await context.newPage();
  page.errors = [];
  page.warnings = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'warning') page.warnings.push(message.text());
  });
  await page.goto(pageUrl + link);
  await page.waitForFunction(() => window.orvathStats?.().firstPictureMs >= 0);
  return page;
}

// Closes a page, which must have thrown no error meanwhile.
export async function close(page) {
  assert.deepEqual(page.errors, []);
  await page.context().close();
}

export const stats = (page) => page.evaluate(() => window.orvathStats());

// Runs the action, then waits until the page has painted a new picture.
export async function afterPaint(page, action) {
  const paints = (await stats(page)).paints;
  await action();
  await page.waitForFunction((n) => window.orvathStats().paints > n, paints);
}

// The share of p's ink (pixels dark enough not to be the faint edge of an
// antialiased stroke) that q has within one pixel, for two ImageData of one
// size. It runs in the page: the comparisons below hand it over as source.
function inkShare(p, q) {
  const ink = (d, i) => Math.min(d[i], d[i + 1], d[i + 2]) < 192;
  let found = 0, total = 0;
  for (let y = 1; y < p.height - 1; y++) {
    for (let x = 1; x < p.width - 1; x++) {
      if (!ink(p.data, 4 * (y * p.width + x))) continue;
      total++;
      let near = false;
      for (let dy = -1; dy <= 1 && !near; dy++) {
        for (let dx = -1; dx <= 1 && !near; dx++) near = ink(q.data, 4 * ((y + dy) * p.width + x + dx));
      }
      if (near) found++;
    }
  }
  return found / Math.max(total, 1);
}
const inkShareSource = `(${inkShare})`;

// How the canvas compares with a PNG picture of the same size: for each, the
// share of its ink that the other has within one pixel (inkShare).
export function compareWithPng(page, bytes) {
  return page.evaluate(async ([png, shareSource]) => {
    const image = await createImageBitmap(new Blob([new Uint8Array(png)], { type: 'image/png' }));
    const offscreen = new OffscreenCanvas(image.width, image.height).getContext('2d');
    offscreen.drawImage(image, 0, 0);
    const canvas = document.getElementById('picture');
    const a = offscreen.getImageData(0, 0, image.width, image.height);
    const b = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    if (a.width !== b.width || a.height !== b.height) return { size: false };
    const share = (0, eval)(shareSource);
    return { size: true, exportFound: share(a, b), pageFound: share(b, a) };
  }, [Array.from(bytes), inkShareSource]);
}

// The canvas's size and a checksum of its ink, to tell whether the picture
// changed.
export function pictureSummary(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('picture');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let ink = 0, sum = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] !== 255 || data[i + 1] !== 255 || data[i + 2] !== 255) {
        ink++;
        sum = (sum * 31 + i + data[i] + 3 * data[i + 1] + 7 * data[i + 2]) >>> 0;
      }
    }
    return { width: canvas.width, height: canvas.height, ink, sum };
  });
}

export const text = (page, id) => page.locator('#' + id).textContent();
export const value = (page, id) => page.locator('#' + id).inputValue();
export const checked = (page, id) => page.locator(`#${id} input`).isChecked();

// The frames of a GIF as its blocks give them: each one's delay in
// hundredths of a second and its rectangle.
export function gifFrames(bytes) {
  const frames = [];
  const tableSize = (packed) => (packed & 0x80 ? 3 << ((packed & 7) + 1) : 0);
  let at = 13 + tableSize(bytes[10]);
  let delay = 0;
  const skipBlocks = () => { while (bytes[at]) at += bytes[at] + 1; at++; };
  while (at < bytes.length && bytes[at] !== 0x3b) {
    if (bytes[at] === 0x21) {
      if (bytes[at + 1] === 0xf9) delay = bytes.readUInt16LE(at + 4);
      at += 2;
      skipBlocks();
    } else if (bytes[at] === 0x2c) {
      const [left, top, width, height] = [1, 3, 5, 7].map((o) => bytes.readUInt16LE(at + o));
      frames.push({ delay, left, top, width, height });
      at += 10 + tableSize(bytes[at + 9]) + 1;
      skipBlocks();
    } else {
      throw new Error(`not a GIF block at ${at}: ${bytes[at]}`);
    }
  }
  return frames;
}

// How two GIFs' frames compare, for the frames given: for each, the share of
// either's ink that the other has within one pixel (inkShare).
export function compareGifFrames(page, a, b, indices) {
  return page.evaluate(async ({ a, b, indices, shareSource }) => {
    const decode = async (bytes, index) => {
      const decoder = new ImageDecoder({ data: new Uint8Array(bytes), type: 'image/gif' });
      const { image } = await decoder.decode({ frameIndex: index });
      const canvas = new OffscreenCanvas(image.displayWidth, image.displayHeight).getContext('2d');
      canvas.drawImage(image, 0, 0);
      return canvas.getImageData(0, 0, image.displayWidth, image.displayHeight);
    };
    const share = (0, eval)(shareSource);
    const shares = [];
    for (const index of indices) {
      const [p, q] = [await decode(a, index), await decode(b, index)];
      shares.push(Math.min(share(p, q), share(q, p)));
    }
    return shares;
  }, { a: Array.from(a), b: Array.from(b), indices, shareSource: inkShareSource });
}

// Waits for the page's next display frame, where moves reach the program.
export const nextFrame = (page) =>
  page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => resolve())));

// Fingers on the touch screen, through the browser's own touch events: each
// finger's path of [x, y] points, all as long; they touch at their first
// points together, move a step a frame and lift at their last.
export async function fingers(page, paths) {
  const cdp = await page.context().newCDPSession(page);
  const at = (step) => paths.map((path, id) => ({ x: path[step][0], y: path[step][1], id }));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(0) });
  for (let step = 1; step < paths[0].length; step++) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: at(step) });
    await nextFrame(page);
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await nextFrame(page);
  await cdp.detach();
}

// What the hands on the picture show (page_bindings.cpp): the zoom and the
// instruments in CSS pixels.
export const view = (page) => page.evaluate(() => window.orvathView());
