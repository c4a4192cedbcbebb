// SPDX-License-Identifier: GPL-3.0-or-later
// The page's folder for a web server (build/wasm/src/web/site) served from
// 127.0.0.1 as a school's server would serve it: installable, opened again
// with the network off, and embedded in another site's page.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { launch, buildDir, noWeb, value } from './browser.mjs';

const siteDir = path.join(buildDir, 'site');
const skip = noWeb(path.join(siteDir, 'index.html'));
const types = {
  '.html': 'text/html', '.js': 'text/javascript', '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

// A static server on 127.0.0.1: the files of `dir`, or the pages given by
// path; its URL once listening.
function serve({ dir, pages = {} }) {
  const server = createServer(async (request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    try {
      const body = pages[name] ?? await readFile(path.join(dir, name === '/' ? 'index.html' : name));
      response.writeHead(200, { 'content-type': types[path.extname(name)] ?? 'text/html' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    server.url = `http://127.0.0.1:${server.address().port}`;
    resolve(server);
  }));
}

const firstPicture = (target) =>
  target.waitForFunction(() => window.orvathStats?.().firstPictureMs >= 0);

let browser;
before(async () => { if (!skip) browser = await launch(); });
after(() => browser?.close());

test('installable, and opened again with the network off', { skip }, async () => {
  const server = await serve({ dir: siteDir });
  const context = await browser.newContext({ viewport: { width: 1280, height: 720 } });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  try {
    await page.goto(server.url + '/#mode=continuous&angle=40');
    await firstPicture(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await context.newCDPSession(page);
    const { errors: manifestErrors } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifestErrors, []);
    // A test's context is a private window, where no site can be installed;
    // every other reason would be the site's.
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.filter((e) => e.errorId !== 'in-incognito'), []);

    // The server goes down: the browser's idle connections to it with it.
    await new Promise((resolve) => { server.close(resolve); server.closeAllConnections(); });
    await context.setOffline(true);
    await page.reload();
    await firstPicture(page);
    assert.equal(await value(page, 'prosptosis'), '40');
    assert.ok(await page.locator('#Option1 input').isChecked());
    assert.deepEqual(errors, []);
  } finally {
    server.close();
    await context.close();
  }
});

test('embedded in another site, with the settings of its link', { skip }, async () => {
  const site = await serve({ dir: siteDir });
  const link = `${site.url}/index.html#mode=continuous&angle=40&view=exact`;
  const host = await serve({
    pages: { '/': `<!doctype html><title>Course</title><p>Refraction</p>` +
      `<iframe src="${link}" width="900" height="500"></iframe>` },
  });
  const context = await browser.newContext({ viewport: { width: 1280, height: 720 } });
  try {
    const page = await context.newPage();
    await page.goto(host.url + '/');
    const frame = page.frames().find((f) => f.url().startsWith(site.url));
    await firstPicture(frame);
    assert.equal(await value(frame, 'prosptosis'), '40');
    assert.ok(await frame.locator('#ExactView input').isChecked());
    const canvas = await frame.evaluate(() => {
      const c = document.getElementById('picture');
      return [c.width, c.height];
    });
    assert.deepEqual(canvas, [900, 500]);
    await frame.click('#Option2');
    assert.ok(await frame.locator('#Option2 input').isChecked());
    await frame.locator('#prosptosis').focus();
    await page.keyboard.press('PageUp');
    assert.equal(await value(frame, 'prosptosis'), '45');
  } finally {
    site.close();
    host.close();
    await context.close();
  }
});
