// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the page in headless chromium at 1920x1080 (not a test; see
// docs/performance.md):
//   node measure.mjs [LOADS]
// - navigation to the end of the first paint, over fresh loads;
// - the timer from time 0 to its end: 5000 steps, steps and painted frames a
//   second, as --stats counts them;
// - one redraw into the display list in the page's WebAssembly.
import { launch, openPage, stats } from './browser.mjs';

const loads = Number(process.argv[2] ?? 9);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const size = { width: 1920, height: 1080 };
const browser = await launch();
try {
  const firsts = [];
  for (let i = 0; i < loads; i++) {
    const page = await openPage(browser, size);
    firsts.push((await stats(page)).firstPictureMs);
    await page.context().close();
  }
  console.log(`first picture after navigation: median ${median(firsts).toFixed(1)} ms, ` +
    `worst ${Math.max(...firsts).toFixed(1)} ms over ${loads} loads`);

  for (const mode of ['wavelets', 'continuous']) {
    const page = await openPage(browser, { ...size, link: `#mode=${mode}&time=0` });
    await page.click('#Command1');
    await page.waitForFunction(() => !window.orvathStats().timerRunning, null, { timeout: 30000 });
    console.log(`${mode}: ${(await stats(page)).line}`);
    await page.context().close();
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
