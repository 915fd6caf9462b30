// Opens files that sferonda wrote in a test page of headless Chromium and
// reports, as one JSON document on standard output, what the page found in
// each, what the browser console said, and where the screenshot went.
//
// Usage: node browse.mjs --page PAGE.html --files FOLDER --shots FOLDER [--size WxH] NAME...
//
// A small static server bound to 127.0.0.1 serves this folder (the pages and
// node_modules) under /web/ and the files' folder under /files/. Each page
// sets window.sferondaDone to its findings, or to { error } when it fails.
// Exit status 77 when Chromium or playwright-core is missing.

import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, statSync, mkdirSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const SKIPPED = 77;
const CHROMIUM = '/usr/bin/chromium';
const PAGE_TIMEOUT_MS = 120000;
const WEB_FOLDER = dirname(fileURLToPath(import.meta.url));
const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.json': 'application/json',
  '.css': 'text/css', '.glb': 'model/gltf-binary', '.vrml': 'model/vrml', '.wrl': 'model/vrml',
  '.png': 'image/png', '.wasm': 'application/wasm',
};

function skip(reason) {
  console.log(`SKIPPED: ${reason}`);
  process.exit(SKIPPED);
}

function parseArguments(argv) {
  const options = { names: [], size: '640x480' };
  for (let i = 0; i < argv.length; ++i) {
    const flag = argv[i];
    if (['--page', '--files', '--shots', '--size'].includes(flag)) options[flag.slice(2)] = argv[++i];
    else options.names.push(flag);
  }
  const [width, height] = options.size.split('x').map(Number);
  if (!options.page || !options.files || !options.shots || options.names.length === 0 || !(width > 0 && height > 0))
    throw new Error('usage: node browse.mjs --page PAGE.html --files FOLDER --shots FOLDER [--size WxH] NAME...');
  options.viewport = { width, height };
  return options;
}

// Serves a URL path below one of two roots, never a file outside them.
function serve(roots) {
  return createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    const [, prefix, ...rest] = path.split('/');
    const root = roots[prefix];
    const file = root && normalize(join(root, ...rest));
    if (!file || !file.startsWith(root + '/') || !existsSync(file) || !statSync(file).isFile()) {
      response.writeHead(path === '/favicon.ico' ? 204 : 404);
      response.end();
      return;
    }
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream',
                              'Content-Length': body.length, 'Cache-Control': 'no-store' });
    response.end(body);
  });
}

async function loadPlaywright() {
  try {
    return (await import('playwright-core')).chromium;
  } catch {
    skip(`playwright-core is not installed (run npm ci in ${WEB_FOLDER})`);
  }
}

async function main() {
  const options = parseArguments(process.argv.slice(2));
  if (!existsSync(CHROMIUM)) skip(`${CHROMIUM} is not installed (Debian: apt-get install chromium)`);
  const chromium = await loadPlaywright();
  mkdirSync(options.shots, { recursive: true });

  const server = serve({ web: WEB_FOLDER, files: resolve(options.files) });
  await new Promise(ready => server.listen(0, '127.0.0.1', ready));
  const origin = `http://127.0.0.1:${server.address().port}`;
  const profile = mkdtempSync(join(tmpdir(), 'sferonda-chromium-'));
  // A fresh profile each run; software WebGL (SwiftShader), as headless
  // Chromium has no GPU; no background traffic, which the closed network
  // of a test machine refuses.
  const browser = await chromium.launchPersistentContext(profile, {
    executablePath: CHROMIUM,
    headless: true,
    viewport: options.viewport,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--use-gl=angle', '--use-angle=swiftshader',
           '--enable-unsafe-swiftshader'],
  });
  const reports = [];
  try {
    for (const name of options.names) reports.push(await visit(browser, origin, options, name));
  } finally {
    await browser.close();
    server.close();
    rmSync(profile, { recursive: true, force: true });
  }
  console.log(JSON.stringify(reports));
}

async function visit(browser, origin, options, name) {
  const page = await browser.newPage();
  const report = { name, errors: [], warnings: [], notes: [] };
  // Once the page has finished, closing it may abort a request that Chromium
  // still counts as open although the page has read all of it: what the
  // browser says from then on is not the page's.
  let finished = false;
  const note = (list, text) => finished || list.push(text);
  page.on('console', message => {
    if (message.type() === 'error') note(report.errors, message.text());
    else if (message.type() === 'warning') note(report.warnings, message.text());
  });
  page.on('pageerror', error => note(report.errors, `uncaught: ${error.message}`));
  // Chromium may call a fetch aborted after its whole response came in (a
  // file of the page, read in full, as the page's findings show): that is
  // no error; a request without a response is.
  page.on('requestfailed', async request => {
    const text = `request failed: ${request.url()}: ${request.failure()?.errorText}`;
    const answered = request.failure()?.errorText === 'net::ERR_ABORTED' && (await request.response())?.ok();
    note(answered ? report.notes : report.errors, text);
  });
  const started = Date.now();
  try {
    await page.goto(`${origin}/web/${options.page}?file=${encodeURIComponent('/files/' + name)}`);
    await page.waitForFunction(() => window.sferondaDone, null, { timeout: PAGE_TIMEOUT_MS, polling: 100 });
    report.found = await page.evaluate(() => window.sferondaDone);
    report.seconds = (Date.now() - started) / 1000;
    report.screenshot = join(resolve(options.shots), name.replace(/\.[^.]*$/, '') + '.png');
    await page.screenshot({ path: report.screenshot });
  } catch (error) {
    report.errors.push(`the page did not finish: ${error.message.split('\n')[0]}`);
  } finally {
    finished = true;
    await page.close();
  }
  return report;
}

main().catch(error => {
  console.error(error.stack ?? String(error));
  process.exit(1);
});
