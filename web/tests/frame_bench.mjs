// The browser's frame against the native one, in the same run: one rotation
// tick of the heaviest scene (list position 29, outer view, vertex marks,
// 634 x 663 at scale 1) in the page in Debian's chromium, and through the
// viewer core natively (bench/viewer_frame_bench). Prints both medians and
// their ratio. Usage (after scripts/web and a bench build):
//   node frame_bench.mjs [page.html] [viewer_frame_bench] [rounds]

import { execFileSync } from 'node:child_process';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import puppeteer from 'puppeteer-core';

const PAGE = resolve(process.argv[2] ?? '../../build/web/korvelindra.html');
const NATIVE = resolve(process.argv[3] ?? '../../build/bench/bench/viewer_frame_bench');
const ROUNDS = Number(process.argv[4] ?? 41);

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: mkdtempSync(join(tmpdir(), 'korvelindra-bench-')),
  args: ['--no-sandbox', '--disable-gpu', '--force-device-scale-factor=1'],
});
const page = await browser.newPage();
await page.setViewport({ width: 1100, height: 800 });
const started = Date.now();
await page.goto('file://' + PAGE + '?bench#solid=29&view=umkugel&marks=1');
await page.evaluate(() => window.korvelindra.ready);
const firstFrame = Date.now() - started;
const browserTimes = await page.evaluate((rounds) => window.korvelindraBench.ticks(rounds), ROUNDS);
await browser.close();
const nativeLine = execFileSync(NATIVE, [String(ROUNDS)]).toString().trim();
const nativeTick = Number(nativeLine.match(/median ([0-9.]+) ms/)[1]);

console.log(`page opened to its first frame in ${firstFrame} ms`);
console.log(`browser tick median ${browserTimes.tick.toFixed(4)} ms (with the canvas ${browserTimes.shown.toFixed(4)} ms)`);
console.log(nativeLine);
console.log(`ratio browser / native ${(browserTimes.tick / nativeTick).toFixed(2)} (with the canvas ${(browserTimes.shown / nativeTick).toFixed(2)})`);
