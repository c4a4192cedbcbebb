// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the page in headless chromium at 1920x1080 (not a test; see
// docs/performance.md):
//   node measure.mjs [LOADS] [RATIOS]      RATIOS such as 1,2 (the default)
// - the size of the one-file page;
// - navigation to the end of the first paint, over fresh loads;
// - the timer from time 0 to its end at 39 waves, in each picture and view,
//   at each device pixel ratio: 5000 steps, steps and painted frames a
//   second, as --stats counts them;
// - the same magnified 8 times about the middle;
// - painted frames a second while the mouse turns the incident rays to and
//   fro, at each ratio, whole and at 8 times;
// - one redraw into the display list in the page's WebAssembly.
import { statSync } from 'node:fs';
import { launch, openPage, stats, pageFile, fingers } from './browser.mjs';

const loads = Number(process.argv[2] ?? 9);
const ratios = (process.argv[3] ?? '1,2').split(',').map(Number);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const size = { width: 1920, height: 1080 };
const views = [['classic', 'off'], ['exact', 'off'], ['exact', 'on']];
const browser = await launch();
try {
  console.log(`one-file page: ${(statSync(pageFile).size / 1024).toFixed(0)} KB`);
  const firsts = [];
  for (let i = 0; i < loads; i++) {
    const page = await openPage(browser, size);
    firsts.push((await stats(page)).firstPictureMs);
    await page.context().close();
  }
  console.log(`first picture after navigation: median ${median(firsts).toFixed(1)} ms, ` +
    `worst ${Math.max(...firsts).toFixed(1)} ms over ${loads} loads`);

  for (const dpr of ratios) {
    for (const zoom of ['', '&zoom=8']) {
      for (const mode of ['wavelets', 'continuous']) {
        for (const [view, reflection] of views) {
          const link = `#mode=${mode}&view=${view}&reflection=${reflection}&waves=39&time=0${zoom}`;
          const page = await openPage(browser, { ...size, dpr, link });
          await page.click('#Command1');
          await page.waitForFunction(() => !window.orvathStats().timerRunning, null,
            { timeout: 90000 });
          const shown = (view === 'exact' && reflection === 'on' ? 'exact+reflection' : view) +
            (zoom ? ' at 8x' : '');
          console.log(`ratio ${dpr} ${mode} ${shown}: ${(await stats(page)).line}`);
          await page.context().close();
        }
      }
    }
  }

  // The incident rays' handle, shown once a finger has touched the picture,
  // then held by the mouse and swung to and fro for three seconds.
  for (const dpr of ratios) {
    for (const link of ['#waves=39&time=2000', '#waves=39&time=2000&zoom=8',
      '#mode=continuous&view=exact&waves=39&time=2000']) {
      const page = await openPage(browser, { ...size, dpr, link });
      await fingers(page, [[[size.width - 4, size.height - 4]]]);
      const [x, y] = await page.evaluate(() => window.orvathHandles().slice(0, 2));
      await page.mouse.move(x, y);
      await page.mouse.down();
      const before = await stats(page);
      const begun = Date.now();
      let moves = 0;
      for (; Date.now() - begun < 3000; moves++) {
        await page.mouse.move(x - 150 * Math.sin(moves / 8), y);
      }
      const after = await stats(page);
      const seconds = (Date.now() - begun) / 1000;
      console.log(`ratio ${dpr} turning the rays, ${link}: ` +
        `${((after.paints - before.paints) / seconds).toFixed(1)} painted frames/s ` +
        `(${(moves / seconds).toFixed(0)} mouse moves/s sent), ` +
        `median paint ${after.medianPaintMs.toFixed(1)} ms, worst ${after.worstPaintMs.toFixed(1)} ms`);
      // The driver sends fewer moves than a hand makes: the same mouse, still
      // held, moved by the page itself once every display frame.
      const inPage = await page.evaluate(([x, y]) => new Promise((done) => {
        const canvas = document.querySelector('canvas');
        const first = window.orvathStats().paints;
        const begun = performance.now();
        let moves = 0;
        const move = () => {
          canvas.dispatchEvent(new PointerEvent('pointermove', { pointerId: 1, pointerType: 'mouse',
            isPrimary: true, clientX: x - 150 * Math.sin(moves++ / 8), clientY: y, buttons: 1 }));
          const elapsed = (performance.now() - begun) / 1000;
          if (elapsed < 3) requestAnimationFrame(move);
          else done({ frames: (window.orvathStats().paints - first) / elapsed, moves: moves / elapsed });
        };
        requestAnimationFrame(move);
      }), [x, y]);
      await page.mouse.up();
      console.log(`ratio ${dpr} turning the rays a move a frame, ${link}: ` +
        `${inPage.frames.toFixed(1)} painted frames/s (${inPage.moves.toFixed(0)} moves/s)`);
      await page.context().close();
    }
  }

  const page = await openPage(browser, size);
  for (const link of ['#waves=10&time=2000&angle=25', '#waves=39&time=5000&angle=25',
    '#mode=continuous&waves=10&time=2000', '#mode=continuous&waves=39&time=5000']) {
    await page.evaluate((l) => { location.hash = l; }, link);
    await page.waitForFunction((t) => window.orvathStats().time === t, Number(link.split('time=')[1].split('&')[0]));
    const micros = await page.evaluate(() => {
      const runs = [];
      for (let i = 0; i < 9; i++) runs.push(window.orvathTimeRedraws(4000));
      return runs.sort((a, b) => a - b)[4];
    });
    console.log(`redraw through the time bar's handler, ${link}: ${micros.toFixed(2)} us`);
  }
} finally {
  await browser.close();
}
