// Drives the browser page (build/web/korvelindra.html) in Debian's chromium
// from file:// with every network request refused, and holds its pictures
// against the desktop program's --export-picture for the same state.
// Usage: node --test page_test.mjs  (PAGE and NATIVE name the page and the
// desktop program; scripts/test sets them).

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import puppeteer from 'puppeteer-core';

const PAGE = resolve(process.env.PAGE ?? '../../build/web/korvelindra.html');
const NATIVE = resolve(process.env.NATIVE ?? '../../build/test/ui/korvelindra');
const pageUrl = 'file://' + PAGE;

let browser;
let refused = [];

before(async () => {
  browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: mkdtempSync(join(tmpdir(), 'korvelindra-chromium-')),
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--force-device-scale-factor=1'],
  });
});

after(async () => { await browser?.close(); });

// A new page at size, opened at fragment, ready once the first frame shows.
async function openPage(fragment = '', viewport = { width: 1100, height: 800 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    if (url.startsWith('file:') || url.startsWith('data:') || url.startsWith('blob:')) {
      request.continue();
    } else {
      refused.push(url);
      request.abort();
    }
  });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.errors = errors;
  await page.goto(pageUrl + fragment);
  await page.evaluate(() => window.korvelindra.ready);
  return page;
}

// The canvas's pixels as RGBA bytes.
async function canvasPixels(page) {
  return page.evaluate(() => {
    const canvas = document.getElementById('picture');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, bytes: Array.from(data) };
  });
}

// A PNG file decoded by the browser into RGBA bytes.
async function pngPixels(page, file) {
  const url = 'data:image/png;base64,' + readFileSync(file).toString('base64');
  return page.evaluate(async (source) => {
    const image = new Image();
    image.src = source;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, bytes: Array.from(data) };
  }, url);
}

function differingPixels(a, b) {
  assert.equal(a.width, b.width);
  assert.equal(a.height, b.height);
  let count = 0;
  for (let i = 0; i < a.bytes.length; i += 4) {
    if (a.bytes[i] !== b.bytes[i] || a.bytes[i + 1] !== b.bytes[i + 1] || a.bytes[i + 2] !== b.bytes[i + 2]) ++count;
  }
  return count;
}

function nativePicture(args) {
  const file = join(mkdtempSync(join(tmpdir(), 'korvelindra-native-')), 'picture.png');
  execFileSync(NATIVE, [...args, '--export-picture', file],
    { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  return file;
}

test('the page loads from file:// with nothing from the network and lists the 31 in German', async () => {
  refused = [];
  const page = await openPage();
  const names = await page.$$eval('#solids option', (options) => options.map((o) => o.textContent));
  assert.equal(names.length, 31);
  assert.equal(names[0], 'Tetraeder');
  assert.ok(names.includes('Abgeschrägtes Dodekaeder'), names.join(', '));
  assert.deepEqual(refused, []);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the first picture of a state is the desktop export of that state, pixel for pixel', async () => {
  const cases = [
    ['#solid=3&view=polyeder&marks=0', ['--solid', '3', '--view', 'polyeder']],
    ['#solid=29&view=umkugel&marks=1', ['--solid', '29', '--view', 'umkugel', '--marks']],
    ['#solid=12&view=inkugel&marks=0', ['--solid', '12', '--view', 'inkugel']],
    ['#solid=30&view=inkugel&marks=1', ['--solid', '30', '--view', 'inkugel', '--marks']],
  ];
  for (const [fragment, args] of cases) {
    const page = await openPage(fragment);
    const ours = await canvasPixels(page);
    const theirs = await pngPixels(page, nativePicture(args));
    assert.equal(differingPixels(ours, theirs), 0, fragment);
    await page.close();
  }
});

test('the address keeps the state, and a bad value is passed over with a note', async () => {
  const page = await openPage('#solid=12&view=inkugel&marks=1');
  assert.deepEqual(await page.evaluate(() => window.korvelindra.state()),
    { solid: '12', view: 'inkugel', marks: '1', lang: 'de' });
  await page.evaluate(() => {
    const list = document.getElementById('solids');
    list.selectedIndex = 7;
    list.dispatchEvent(new Event('change'));
  });
  assert.match(await page.evaluate(() => location.hash), /solid=7&view=inkugel&marks=1/);
  await page.close();

  const bad = await openPage('#solid=99&view=kugel&marks=1');
  const state = await bad.evaluate(() => window.korvelindra.state());
  assert.equal(state.view, 'polyeder');
  assert.equal(state.marks, '1');
  assert.equal(state.solid, '3', 'the Ikosaeder stands for a bad solid');
  assert.match(await bad.$eval('#note', (n) => n.textContent), /solid=99.*view=kugel/);
  assert.deepEqual(bad.errors, []);
  await bad.close();
});

test('the controls: captions follow the family, the rotation turns and stops, zoom and marks redraw', async () => {
  const page = await openPage('#solid=8');
  const captions = () => page.$$eval('#views span', (s) => s.map((e) => e.textContent));
  assert.deepEqual(await captions(), ['Polyeder', 'innere Kugel', 'Umkugel']);
  await page.evaluate(() => {
    const list = document.getElementById('solids');
    list.selectedIndex = 20;
    list.dispatchEvent(new Event('change'));
  });
  assert.deepEqual(await captions(), ['Polyeder', 'Velkora', 'äußere Kugel']);

  const before = await canvasPixels(page);
  await page.click('#rotation');
  assert.equal(await page.$eval('#rotation', (b) => b.textContent), 'Abbruch');
  await new Promise((r) => setTimeout(r, 300));
  await page.click('#rotation');
  assert.equal(await page.$eval('#rotation', (b) => b.textContent), 'Rotation');
  const turned = await canvasPixels(page);
  assert.ok(differingPixels(before, turned) > 100, 'the rotation turned the solid');

  await page.click('#zoom-in');
  const zoomed = await canvasPixels(page);
  assert.ok(differingPixels(turned, zoomed) > 100, 'zoom redrew larger');
  await page.click('#marks');
  assert.equal(await page.evaluate(() => window.korvelindra.state().marks), '1');
  const label = () => page.$eval('#picture', (c) => c.getAttribute('aria-label'));
  assert.equal(await label(), 'Disdyakisdodecaeder, Ansicht Polyeder, Ecken markiert');
  await page.click('#rotation');
  assert.equal(await label(), 'Disdyakisdodecaeder, Ansicht Polyeder, Ecken markiert, dreht sich');
  await page.click('#rotation');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('on a tablet, one finger turns the solid and two fingers pinch it smaller', async () => {
  const page = await openPage('', { width: 768, height: 1024, hasTouch: true, isMobile: true });
  const box = await page.$eval('#picture', (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.left, y: r.top, width: r.width, height: r.height };
  });
  assert.ok(box.height >= 500, 'the picture is at least 500 px high on the tablet');
  const start = await canvasPixels(page);
  const cx = box.x + box.width / 2;
  const cy = box.y + box.height / 2;
  await page.touchscreen.touchStart(cx, cy);
  await page.touchscreen.touchMove(cx + 40, cy + 10);
  await page.touchscreen.touchEnd();
  const dragged = await canvasPixels(page);
  assert.ok(differingPixels(start, dragged) > 100, 'the drag turned the solid');

  const client = await page.target().createCDPSession();
  const touch = (type, points) => client.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y], id) => ({ x, y, id })),
  });
  await touch('touchStart', [[cx - 100, cy], [cx + 100, cy]]);
  await touch('touchMove', [[cx - 60, cy], [cx + 60, cy]]);
  await touch('touchEnd', []);
  const pinched = await canvasPixels(page);
  const whiteOf = (p) => p.bytes.filter((v, i) => i % 4 === 0 && v === 255).length;
  assert.ok(whiteOf(pinched) > whiteOf(dragged), 'the pinch made the picture smaller');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('presentation fills the screen with the picture and leaving it gives the picture back', async () => {
  const page = await openPage('#solid=5&view=umkugel');
  const before = await canvasPixels(page);
  await page.click('#presentation');
  await page.waitForFunction(() => document.fullscreenElement !== null);
  const full = await page.evaluate(() => ({
    canvas: [document.getElementById('picture').width, document.getElementById('picture').height],
    screen: [window.innerWidth, window.innerHeight],
  }));
  assert.deepEqual(full.canvas, full.screen);
  await page.evaluate(() => document.exitFullscreen());
  await page.waitForFunction(() => document.fullscreenElement === null &&
    document.getElementById('picture').width === 634);
  assert.equal(differingPixels(before, await canvasPixels(page)), 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('English by the switch or the address, remembered, and the address wins', async () => {
  const page = await openPage('#solid=16');
  await page.select('#language', 'en');
  const words = await page.evaluate(() => ({
    solid: document.getElementById('solids').options[16].textContent,
    marks: document.querySelector('#marks + span').textContent,
    rotation: document.getElementById('rotation').textContent,
    captions: [...document.querySelectorAll('#views span')].map((s) => s.textContent),
    hash: location.hash,
  }));
  assert.equal(words.solid, 'Rhombicuboctahedron');
  assert.equal(words.marks, 'Mark vertices');
  assert.equal(words.rotation, 'Rotation');
  assert.deepEqual(words.captions, ['Polyhedron', 'inner sphere', 'circumsphere']);
  assert.match(words.hash, /lang=en/);
  assert.equal(await page.$eval('#picture', (c) => c.getAttribute('aria-label')),
    'Rhombicuboctahedron, view polyhedron, vertices not marked');
  await page.close();

  const again = await openPage('');
  assert.equal(await again.evaluate(() => window.korvelindra.state().lang), 'en', 'remembered');
  await again.close();
  const linked = await openPage('#lang=de');
  assert.equal(await linked.$eval('#marks + span', (s) => s.textContent), 'Punkte markieren');
  await linked.select('#language', 'de'); // the later tests read German
  assert.deepEqual(linked.errors, []);
  await linked.close();
});

test('the properties are the command line\'s --properties --json, byte for byte', async () => {
  for (const solid of [0, 6, 11, 21, 29]) {
    const page = await openPage('#solid=' + solid);
    const ours = await page.evaluate(() => window.korvelindra.propertiesJson());
    const theirs = execFileSync(NATIVE, ['--solid', String(solid), '--properties', '--json'],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', LC_ALL: 'de_DE.UTF-8' } }).toString();
    assert.equal(ours + '\n', theirs, 'solid ' + solid);
    assert.deepEqual(await page.evaluate(() => window.korvelindra.properties()), JSON.parse(theirs));
    await page.close();
  }
});

// Two text files alike but for the last digits of their numbers: the model
// computes some steps in long double, 80 bits natively and 128 in the
// browser, which moves coordinates by a few units in the 16th digit.
function nearlySameText(ours, theirs, scale) {
  const a = ours.toString().split('\n');
  const b = theirs.toString().split('\n');
  if (a.length !== b.length) return false;
  const number = /-?\d+(\.\d+)?(e[-+]?\d+)?/g;
  return a.every((line, i) => {
    if (line.replace(number, '#') !== b[i].replace(number, '#')) return false;
    const x = line.match(number) ?? [];
    const y = b[i].match(number) ?? [];
    return x.every((v, k) => Math.abs(Number(v) - Number(y[k])) <= 1e-12 * scale);
  });
}

test('the solid as STL is the desktop\'s --export-solid byte for byte, OBJ and OFF to the 15th digit; a bad size is refused', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'korvelindra-solid-'));
  for (const [solid, format, size] of [[3, 'stl', 60], [29, 'stl', 25.5], [11, 'obj', 60], [29, 'off', 25.5], [6, 'stl', 100]]) {
    const page = await openPage('#solid=' + solid);
    const ours = Buffer.from(await page.evaluate(async (f, s) => {
      const blob = await window.korvelindra.solid({ format: f, sizeMm: s });
      return Array.from(new Uint8Array(await blob.arrayBuffer()));
    }, format, size));
    const file = join(dir, `solid${solid}.${format}`);
    execFileSync(NATIVE, ['--solid', String(solid), '--export-solid', file, '--size-mm', String(size)],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', LC_ALL: 'de_DE.UTF-8' } });
    const theirs = readFileSync(file);
    if (format === 'stl') {
      assert.ok(ours.equals(theirs), `solid ${solid} as ${format}`);
    } else {
      assert.ok(nearlySameText(ours, theirs, size), `solid ${solid} as ${format}`);
    }
    await page.close();
  }
  const page = await openPage();
  const refused = await page.evaluate(() => window.korvelindra.solid({ format: 'obj', sizeMm: 0.5 })
    .then(() => 'written', (error) => error.message));
  assert.notEqual(refused, 'written');
  assert.deepEqual(page.errors, []);
  await page.close();
});

// The page's picture({scale}) decoded into RGBA bytes.
async function pagePicture(page, scale) {
  return page.evaluate(async (s) => {
    const blob = await window.korvelindra.picture({ scale: s });
    const image = new Image();
    image.src = URL.createObjectURL(blob);
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.naturalWidth;
    canvas.height = image.naturalHeight;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
    return { width: canvas.width, height: canvas.height, bytes: Array.from(data) };
  }, scale);
}

test('the tools\' pictures and the larger pictures are the desktop exports, pixel for pixel', async () => {
  const cases = [
    ['#solid=16&morph=0.5', ['--solid', '16', '--morph', '0.5'], 1],
    ['#solid=8&morph=0.25&view=umkugel&marks=1', ['--solid', '8', '--morph', '0.25', '--marks'], 1],
    ['#solid=3&wythoff=I&at=0.2,0.3,0.5', ['--solid', '3', '--wythoff', 'I', '--at', '0.2,0.3,0.5'], 1],
    ['#solid=29&wythoff=I&at=1,1,1&snub=mirror',
      ['--solid', '29', '--wythoff', 'I', '--snub', '--mirror', '--at', '1,1,1'], 1],
    ['#solid=0&fold=0.5', ['--solid', '0', '--fold', '0.5'], 1],
    ['#solid=20&view=umkugel', ['--solid', '20', '--view', 'umkugel', '--scale', '2'], 2],
    ['#solid=11&marks=1', ['--solid', '11', '--marks', '--scale', '4'], 4],
    ['#solid=16&faces=kind', ['--solid', '16', '--colour-faces'], 1],
    ['#solid=29&view=umkugel&marks=1&faces=kind', ['--solid', '29', '--view', 'umkugel', '--marks', '--colour-faces'], 1],
    ['#solid=8&morph=0.25&faces=kind', ['--solid', '8', '--morph', '0.25', '--colour-faces'], 1],
    ['#jitterbug=0.15', ['--jitterbug', '0.15'], 1],
    ['#jitterbug=0.9', ['--jitterbug', '0.9'], 1],
  ];
  for (const [fragment, args, scale] of cases) {
    const page = await openPage(fragment);
    const ours = await pagePicture(page, scale);
    assert.equal(ours.width, 634 * scale, fragment);
    const theirs = await pngPixels(page, nativePicture(args));
    assert.equal(differingPixels(ours, theirs), 0, fragment);
    assert.equal(await page.$eval('#note', (n) => n.textContent), '', fragment);
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});

test('the tools\' panels: stops, slider, play, the triangle by touch, and the address follows', async () => {
  const page = await openPage('#solid=16', { width: 1024, height: 768, hasTouch: true, isMobile: true });
  await page.click('#open-morph');
  assert.equal(await page.$eval('#open-morph', (b) => b.getAttribute('aria-pressed')), 'true');
  const stops = await page.$$eval('#morph-stops button', (b) => b.map((e) => e.textContent));
  assert.equal(stops[0], 'Rhombenkuboktaeder');
  assert.equal(stops.at(-1), 'Deltoid-24-Flächner');
  await page.click('#morph-stops button:last-child');
  assert.match(await page.$eval('#morph-stop', (o) => o.textContent), /^t = 1,000: Deltoid-24-Flächner$/);
  assert.equal(await page.evaluate(() => window.korvelindra.state().morph), '1');
  await page.$eval('#morph-t', (s) => { s.value = '250'; s.dispatchEvent(new Event('input')); });
  assert.equal(await page.evaluate(() => window.korvelindra.state().morph), '0.25');
  assert.match(await page.evaluate(() => location.hash), /morph=0\.25/);
  // Play moves t by 0.005 per 10 ms of time passed, however slow the frames:
  // at most one frame behind when it stops.
  const { played, elapsed } = await page.evaluate(async () => {
    const button = document.getElementById('morph-play');
    button.click();
    const start = performance.now();
    await new Promise((r) => setTimeout(r, 300));
    button.click();
    return { played: Number(window.korvelindra.state().morph), elapsed: performance.now() - start };
  });
  const due = 0.25 + Math.floor(elapsed / 10) * 0.005;
  assert.ok(played <= due + 1e-9 && played >= due - 0.1, `play moved t to ${played} in ${elapsed} ms`);

  // The kaleidoscope closes the morph; a tap near a corner of the triangle takes that stop.
  await page.click('#open-kaleidoscope');
  assert.equal(await page.$eval('#morph-panel', (p) => p.hidden), true);
  assert.equal(await page.evaluate(() => window.korvelindra.state().wythoff), 'O');
  const corner = await page.$eval('#triangle', (c) => {
    const r = c.getBoundingClientRect();
    const k = r.width / c.width;
    return { x: r.left + (36 + (c.width - 72) / 2) * k, y: r.top + 37 * k };
  });
  await page.touchscreen.tap(corner.x, corner.y);
  const at = (await page.evaluate(() => window.korvelindra.state().at)).split(',').map(Number);
  assert.deepEqual(at, [0, 0, 1]);
  assert.match(await page.$eval('#kaleidoscope-stop', (o) => o.textContent), /: Oktaeder$/);
  await page.select('#family', '2');
  await page.click('#snub');
  assert.equal(await page.evaluate(() => window.korvelindra.state().snub), '1');
  const snubStops = await page.$$eval('#kaleidoscope-stops button', (b) => b.map((e) => e.textContent));
  assert.ok(snubStops.includes('Abgeschrägtes Dodekaeder'), snubStops.join(', '));

  // The fold goes with the kaleidoscope; its slider and its words.
  await page.click('#open-fold');
  await page.$eval('#fold-f', (s) => { s.value = '1000'; s.dispatchEvent(new Event('input')); });
  assert.equal(await page.$eval('#fold-stage', (o) => o.textContent), 'Der Körper ist geschlossen.');
  assert.equal(await page.evaluate(() => window.korvelindra.state().fold), '1');
  await page.click('#open-fold');
  await page.click('#open-kaleidoscope');
  const state = await page.evaluate(() => window.korvelindra.state());
  assert.equal(state.wythoff, undefined);
  assert.equal(state.fold, undefined);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('with reduced motion each press of play moves a tenth, turning at the end', async () => {
  const page = await openPage('#solid=0&morph=0.85');
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  const t = () => page.evaluate(() => Number(window.korvelindra.state().morph));
  await page.click('#morph-play');
  assert.ok(Math.abs(await t() - 0.95) < 1e-9);
  await page.click('#morph-play');
  assert.equal(await t(), 1);
  await page.click('#morph-play');
  assert.ok(Math.abs(await t() - 0.9) < 1e-9, 'turned at the end');
  assert.equal(await page.$eval('#morph-play', (b) => b.textContent), 'Abspielen');
  await page.close();
});

// The desktop's sentences for its pictures, names with umlauts kept: the
// solid, the morph, the kaleidoscope and the folding net, in both languages.
test('the picture\'s description is the desktop\'s for each tool, umlauts and all', async () => {
  const page = await openPage('#solid=1');
  const label = () => page.$eval('#picture', (c) => c.getAttribute('aria-label'));
  assert.equal(await label(), 'Hexaeder, Würfel, Ansicht Polyeder, Ecken nicht markiert');
  await page.evaluate(() => window.korvelindra.show({ morph: 0.5 }));
  assert.equal(await label(), 'Kuboktaeder, Verwandlung in den dualen Körper bei t = 0,500, Ecken nicht markiert');
  await page.evaluate(() => window.korvelindra.show({ morph: 0.25 }));
  assert.equal(await label(),
    'Hexaeder, Würfel, auf dem Weg zum dualen Körper (t = 0,25), Verwandlung in den dualen Körper bei t = 0,250, Ecken nicht markiert');
  await page.select('#language', 'en');
  assert.match(await label(), /, morph into the dual at t = 0\.250, vertices not marked$/);
  await page.select('#language', 'de');
  await page.evaluate(() => window.korvelindra.show({ wythoff: 'O', at: [0, 1, 0] }));
  assert.match(await label(), / aus dem Kaleidoskop, Ecken nicht markiert$/);
  await page.evaluate(() => window.korvelindra.show({ solid: 0, fold: 0.5 }));
  assert.equal(await label(), 'Netz von Tetraeder, gefaltet zu 50 %');
  assert.doesNotMatch(await label(), /Ã/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('show() takes the address\'s keys; a bad key or value changes nothing and rejects', async () => {
  const page = await openPage('#solid=5');
  const shown = await page.evaluate(() => window.korvelindra.show({ solid: 12, view: 'umkugel', marks: 1 }));
  assert.deepEqual(shown, { solid: '12', view: 'umkugel', marks: '1', lang: 'de' });
  const kaleidoscope = await page.evaluate(() => window.korvelindra.show({ wythoff: 'T', at: [1, 1, 0] }));
  assert.equal(kaleidoscope.wythoff, 'T');
  assert.equal(kaleidoscope.at, '0.5,0.5,0');
  for (const bad of [{ solid: 31 }, { morph: 1.5 }, { wythoff: 'Q' }, { at: '1,x,1' }, { colour: 'red' }]) {
    const message = await page.evaluate((keys) => window.korvelindra.show(keys).then(() => 'shown', (e) => e.message), bad);
    assert.match(message, /^Nicht verstanden/, JSON.stringify(bad));
  }
  assert.deepEqual(await page.evaluate(() => window.korvelindra.state()), kaleidoscope);
  await page.close();

  const linked = await openPage('#solid=4&morph=2&wythoff=X&at=1,1&fold=-1');
  const state = await linked.evaluate(() => window.korvelindra.state());
  assert.deepEqual(state, { solid: '4', view: 'polyeder', marks: '0', lang: 'de' });
  assert.match(await linked.$eval('#note', (n) => n.textContent), /morph=2.*wythoff=X.*at=1,1.*fold=-1/);
  assert.deepEqual(linked.errors, []);
  await linked.close();
});

test('the net as SVG and JSON is the desktop\'s --export-net byte for byte, and printing sets the paper\'s pages', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'korvelindra-net-'));
  const cases = [
    [14, 'svg', { paper: 'a4', tabs: 'one' }, ['--paper', 'a4', '--tabs', 'one']],
    [3, 'json', { paper: 'a3', tabs: 'both' }, ['--paper', 'a3', '--tabs', 'both']],
    [29, 'svg', { paper: 'letter', tabs: 'none', foldAngles: true, edgeMm: 20 },
      ['--paper', 'letter', '--tabs', 'none', '--fold-angles', '--edge-mm', '20']],
  ];
  for (const [solid, format, options, args] of cases) {
    const page = await openPage('#solid=' + solid);
    const ours = Buffer.from(await page.evaluate(async (o) => {
      const blob = await window.korvelindra.net(o);
      return Array.from(new Uint8Array(await blob.arrayBuffer()));
    }, { ...options, format }));
    const file = join(dir, `net${solid}.${format}`);
    execFileSync(NATIVE, ['--solid', String(solid), '--export-net', file, ...args],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', LC_ALL: 'de_DE.UTF-8' } });
    assert.ok(ours.equals(readFileSync(file)), `solid ${solid} as ${format}`);
    await page.close();
  }
  const page = await openPage('#solid=14');
  await page.select('#net-paper', 'a3');
  // Headless chromium has no print dialog: print() returns at once.
  await page.click('#net-print');
  const frame = await page.waitForSelector('iframe');
  const printed = await (await frame.contentFrame()).evaluate(() => ({
    style: document.querySelector('style').textContent,
    svgs: document.querySelectorAll('svg').length,
  }));
  assert.match(printed.style, /@page\{size:297mm 420mm;margin:0\}/);
  assert.equal(printed.svgs, 1);
  const refused = await page.evaluate(() => window.korvelindra.net({ paper: 'a5' })
    .then(() => 'written', (error) => error.message));
  assert.match(refused, /a5/);
  assert.deepEqual(page.errors, []);
  await page.close();
});

// The middle of the picture in the page's CSS pixels.
async function pictureMiddle(page) {
  return page.$eval('#picture', (c) => {
    const r = c.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
}
const statusText = (page) => page.$eval('#status', (s) => s.textContent);
// The pixels of b that differ from a, as { at, before, after } with colours as 0xRRGGBB.
function changes(a, b) {
  const found = [];
  for (let i = 0; i < a.bytes.length; i += 4) {
    const before = (a.bytes[i] << 16) | (a.bytes[i + 1] << 8) | a.bytes[i + 2];
    const after = (b.bytes[i] << 16) | (b.bytes[i + 1] << 8) | b.bytes[i + 2];
    if (before !== after) found.push({ at: i / 4, before, after });
  }
  return found;
}

test('"Flächen nach Art färben": the check box, the address, show() and English', async () => {
  const page = await openPage('#solid=16');
  const plain = await canvasPixels(page);
  await page.click('#colour-faces');
  assert.equal(await page.evaluate(() => window.korvelindra.state().faces), 'kind');
  assert.match(await page.evaluate(() => location.hash), /faces=kind/);
  const coloured = await canvasPixels(page);
  assert.ok(differingPixels(plain, coloured) > 1000, 'the faces took their tints');
  const off = await page.evaluate(() => window.korvelindra.show({ faces: 'plain' }));
  assert.equal(off.faces, undefined);
  assert.equal(await page.$eval('#colour-faces', (c) => c.checked), false);
  assert.equal(differingPixels(plain, await canvasPixels(page)), 0, 'off gives the plain picture back');
  const refused = await page.evaluate(() => window.korvelindra.show({ faces: 'bunt' }).then(() => 'shown', (e) => e.message));
  assert.match(refused, /faces=bunt/);
  assert.equal(await page.$eval('#colour-faces + span', (s) => s.textContent), 'Flächen nach Art färben');
  await page.select('#language', 'en');
  assert.equal(await page.$eval('#colour-faces + span', (s) => s.textContent), 'Colour faces by kind');
  await page.select('#language', 'de');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('Ctrl+click asks the picture: the face kind\'s sentence, only face pixels change, English, Esc and a click clear', async () => {
  const page = await openPage('#solid=16');
  assert.equal(await page.$eval('#status', (s) => s.getAttribute('aria-live')), 'polite');
  const middle = await pictureMiddle(page);
  const before = await canvasPixels(page);
  await page.keyboard.down('Control');
  await page.mouse.click(middle.x, middle.y);
  await page.keyboard.up('Control');
  const sentence = await statusText(page);
  assert.match(sentence, /^(Quadrat, 12|Dreieck, 8) von 26 Flächen, grenzt an /);
  const asked = await canvasPixels(page);
  const changed = changes(before, asked);
  assert.ok(changed.length > 1000, 'the faces of the kind are highlighted');
  assert.ok(changed.every((c) => c.before !== 0xffffff), 'no background pixel changed');
  assert.equal(new Set(changed.map((c) => c.after)).size <= 2, true, 'the highlight is one tint, seen directly or through the shell');
  assert.ok((await page.$eval('#picture', (c) => c.getAttribute('aria-label'))).endsWith(' ' + sentence));

  await page.focus('#picture');
  await page.keyboard.press('Escape');
  assert.equal(await statusText(page), '');
  assert.equal(differingPixels(before, await canvasPixels(page)), 0, 'Esc takes the highlight away');

  // With the faces by kind, the highlight covers exactly the pixels of the kind under the click.
  await page.evaluate(() => window.korvelindra.show({ faces: 'kind' }));
  const kinds = await canvasPixels(page);
  await page.keyboard.down('Control');
  await page.mouse.click(middle.x, middle.y);
  await page.keyboard.up('Control');
  assert.equal(await statusText(page), sentence, 'the same face, the same sentence');
  const kindChanges = changes(kinds, await canvasPixels(page));
  const tintsOfKind = new Set(kindChanges.map((c) => c.before));
  const kindPixels = [];
  for (let i = 0; i < kinds.bytes.length; i += 4) {
    if (tintsOfKind.has((kinds.bytes[i] << 16) | (kinds.bytes[i + 1] << 8) | kinds.bytes[i + 2])) kindPixels.push(i / 4);
  }
  assert.ok(tintsOfKind.size <= 2, [...tintsOfKind].map((c) => c.toString(16)).join(' '));
  assert.equal(kindChanges.length, kindPixels.length, 'every pixel of the kind\'s tint, and only those');

  await page.$eval('#properties-panel', (d) => { d.open = true; });
  await page.waitForFunction(() => document.getElementById('properties-rows').children.length > 0);
  assert.equal(await page.$eval('#properties-pick', (p) => (p.hidden ? '' : p.textContent)), sentence);

  await page.select('#language', 'en');
  const english = await statusText(page);
  assert.match(english, /^(Square, 12|Triangle, 8) of 26 faces, next to \d+ (squares|triangles)/);
  assert.equal(await page.$eval('#properties-pick', (p) => p.textContent), english);
  await page.select('#language', 'de');
  assert.equal(await statusText(page), sentence);

  await page.mouse.click(middle.x, middle.y);
  assert.equal(await statusText(page), '', 'a plain click clears');
  assert.equal(await page.$eval('#properties-pick', (p) => p.hidden), true);
  assert.equal(differingPixels(kinds, await canvasPixels(page)), 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a Ctrl+click on a vertex asks about the vertex, not the faces round it', async () => {
  const page = await openPage('#solid=16&marks=1');
  // The middle of the first vertex mark (pure yellow) found, in CSS pixels.
  const marked = await canvasPixels(page);
  const yellow = [];
  for (let i = 0; i < marked.bytes.length; i += 4) {
    if (marked.bytes[i] === 255 && marked.bytes[i + 1] === 255 && marked.bytes[i + 2] === 0) {
      yellow.push([(i / 4) % marked.width, Math.floor(i / 4 / marked.width)]);
    }
  }
  const mark = yellow.filter(([x, y]) => Math.hypot(x - yellow[0][0], y - yellow[0][1]) < 12);
  const box = await page.$eval('#picture', (c) => c.getBoundingClientRect().toJSON());
  const x = box.left + mark.reduce((sum, p) => sum + p[0], 0) / mark.length;
  const y = box.top + mark.reduce((sum, p) => sum + p[1], 0) / mark.length;
  await page.keyboard.down('Control');
  await page.mouse.click(x, y);
  await page.keyboard.up('Control');
  assert.equal(await statusText(page), 'Ecke 3.4.4.4');
  assert.ok(differingPixels(marked, await canvasPixels(page)) > 100, 'the faces round it are highlighted');
  await page.select('#language', 'en');
  assert.equal(await statusText(page), 'Vertex 3.4.4.4');
  await page.select('#language', 'de');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a finger held still asks and turns nothing after; a tap clears; a moving finger turns and asks nothing', async () => {
  const page = await openPage('#solid=16', { width: 768, height: 1024, hasTouch: true, isMobile: true });
  const client = await page.target().createCDPSession();
  const touch = (type, points) => client.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y], id) => ({ x, y, id })),
  });
  const wait = (ms) => new Promise((r) => setTimeout(r, ms));
  const { x, y } = await pictureMiddle(page);

  await touch('touchStart', [[x, y]]);
  await touch('touchMove', [[x + 3, y + 2]]); // a finger's tremble keeps the hold
  await wait(400);
  assert.equal(await statusText(page), '', 'not before the hold time');
  const trembled = await canvasPixels(page);
  await wait(300);
  assert.match(await statusText(page), /von 26 Flächen/);
  const asked = await canvasPixels(page);
  await touch('touchMove', [[x + 80, y + 30]]);
  await touch('touchEnd', []);
  assert.equal(differingPixels(asked, await canvasPixels(page)), 0, 'the held finger\'s moves do not turn');
  const highlighted = changes(trembled, asked);
  assert.ok(highlighted.length > 1000 && highlighted.every((c) => c.before !== 0xffffff), 'only faces changed');

  await touch('touchStart', [[x, y]]);
  await touch('touchEnd', []);
  assert.equal(await statusText(page), '', 'a tap clears');
  assert.equal(differingPixels(trembled, await canvasPixels(page)), 0, 'the highlight went, nothing turned');

  await touch('touchStart', [[x, y]]);
  await touch('touchMove', [[x + 30, y + 10]]);
  await wait(700);
  await touch('touchEnd', []);
  assert.equal(await statusText(page), '', 'a moving finger asks nothing');
  assert.ok(differingPixels(trembled, await canvasPixels(page)) > 100, 'it turned the solid');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('the jitterbug\'s panel: the Kuboktaeder, stops with their j, snapping, the legend, play, English, the address', async () => {
  const page = await openPage('#solid=16&morph=0.5', { width: 1024, height: 768, hasTouch: true, isMobile: true });
  await page.click('#open-jitterbug');
  assert.equal(await page.$eval('#morph-panel', (p) => p.hidden), true, 'the jitterbug closes the morph');
  assert.equal(await page.$eval('#jitterbug-panel', (p) => p.hidden), false);
  let state = await page.evaluate(() => window.korvelindra.state());
  assert.equal(state.morph, undefined);
  assert.equal(state.jitterbug, '0');
  assert.equal(await page.$eval(`#solids option:nth-child(${Number(state.solid) + 1})`, (o) => o.textContent), 'Kuboktaeder');
  const buttons = () => page.$$eval('#jitterbug-stops button', (b) => b.map((e) => e.textContent));
  assert.deepEqual(await buttons(), ['Kuboktaeder (j = 0,0000)', 'Ikosaeder (j = 0,3706)', 'Oktaeder (j = 1,0000)']);
  assert.equal(await page.$eval('#jitterbug-stop', (o) => o.textContent), 'j = 0,000: Kuboktaeder');

  await page.click('#jitterbug-stops button:nth-child(2)');
  const icosahedron = Number(await page.evaluate(() => window.korvelindra.state().jitterbug));
  assert.ok(Math.abs(icosahedron - 0.3706) < 5e-5 && icosahedron !== 0.371, String(icosahedron));
  assert.equal(await page.$eval('#jitterbug-stop', (o) => o.textContent), 'j = 0,371: Ikosaeder');
  const label = () => page.$eval('#picture', (c) => c.getAttribute('aria-label'));
  assert.equal(await label(), 'Jitterbug bei j = 0,371: Ikosaeder, Ecken nicht markiert');
  const theirs = await pngPixels(page, nativePicture(['--jitterbug', String(icosahedron)]));
  assert.equal(differingPixels(await pagePicture(page, 1), theirs), 0, 'the Ikosaeder\'s stop is the desktop\'s');
  const slide = (value) => page.$eval('#jitterbug-j', (s, v) => { s.value = v; s.dispatchEvent(new Event('input')); }, value);
  await slide('500');
  assert.equal(await page.evaluate(() => window.korvelindra.state().jitterbug), '0.5');
  assert.equal(await label(), 'Jitterbug bei j = 0,500, Ecken nicht markiert');
  await slide('371');
  assert.equal(Number(await page.evaluate(() => window.korvelindra.state().jitterbug)), icosahedron, 'the mark is the stop');
  await slide('372');
  assert.equal(await page.evaluate(() => window.korvelindra.state().jitterbug), '0.372');

  const legend = await page.$eval('#jitterbug-tints', (p) => ({
    text: p.textContent,
    boxes: [...p.querySelectorAll('.tint')].map((b) => getComputedStyle(b).backgroundColor),
  }));
  assert.equal(legend.text, ' die acht drehenden Dreiecke,  die Flächen, die sich dazwischen öffnen');
  assert.deepEqual(legend.boxes, ['rgb(241, 202, 115)', 'rgb(162, 214, 243)']);

  const { played, elapsed } = await page.evaluate(async () => {
    const button = document.getElementById('jitterbug-play');
    button.click();
    const start = performance.now();
    await new Promise((r) => setTimeout(r, 300));
    button.click();
    return { played: Number(window.korvelindra.state().jitterbug), elapsed: performance.now() - start };
  });
  const due = 0.372 + Math.floor(elapsed / 10) * 0.005;
  assert.ok(played <= due + 1e-9 && played >= due - 0.1, `play moved j to ${played} in ${elapsed} ms`);
  await page.emulateMediaFeatures([{ name: 'prefers-reduced-motion', value: 'reduce' }]);
  await page.click('#jitterbug-play');
  assert.ok(Math.abs(Number(await page.evaluate(() => window.korvelindra.state().jitterbug)) - played - 0.1) < 1e-9);

  await page.select('#language', 'en');
  assert.deepEqual(await buttons(), ['Cuboctahedron (j = 0.0000)', 'Icosahedron (j = 0.3706)', 'Octahedron (j = 1.0000)']);
  assert.equal(await page.$eval('#jitterbug-play', (b) => b.textContent), 'Play');
  assert.equal(await page.$eval('#open-jitterbug', (b) => b.textContent), 'Jitterbug');
  assert.match(await label(), /^Jitterbug at j = 0\.\d{3}, vertices not marked$/);
  assert.match(await page.$eval('#jitterbug-tints', (p) => p.textContent), /the eight turning triangles/);
  await page.select('#language', 'de');

  state = await page.evaluate(() => window.korvelindra.show({ jitterbug: 0.25 }));
  assert.equal(state.jitterbug, '0.25');
  assert.match(await page.evaluate(() => location.hash), /jitterbug=0\.25/);
  await page.click('#open-kaleidoscope');
  assert.equal(await page.evaluate(() => window.korvelindra.state().jitterbug), undefined, 'the kaleidoscope closes it');
  await page.close();

  const linked = await openPage('#jitterbug=0.9');
  assert.equal(await linked.evaluate(() => window.korvelindra.state().jitterbug), '0.9');
  assert.equal(await linked.$eval('#jitterbug-panel', (p) => p.hidden), false);
  await linked.evaluate(() => {
    const list = document.getElementById('solids');
    list.selectedIndex = 3;
    list.dispatchEvent(new Event('change'));
  });
  assert.equal(await linked.$eval('#jitterbug-panel', (p) => p.hidden), true, 'another solid closes it');
  await linked.close();
  const bad = await openPage('#jitterbug=2');
  assert.equal(await bad.evaluate(() => window.korvelindra.state().jitterbug), undefined);
  assert.match(await bad.$eval('#note', (n) => n.textContent), /jitterbug=2/);
  assert.deepEqual(bad.errors, []);
  await bad.close();
});
