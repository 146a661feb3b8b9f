// web_bench.mjs WEB_BUILD [RUNS]: the web build in Debian's chromium, headless, side by side
// with a bare Qt window of the main window's size on the same page (WEB_BUILD/zelvarin and
// WEB_BUILD/bench-floor, made by scripts/build-web --bench), served by python3's http.server
// on 127.0.0.1. Prints `key: value` lines:
//   the bytes the first visit loads, as files, gzip -9 and brotli (what a server that
//   compresses sends; Python's http.server sends them as they are);
//   the time from navigation to the main window's first paint, the program's against the
//   bare window's, in RUNS pairs (default 7) after a warm-up pair, alternating, in one run
//   (median of the per-pair ratios);
//   the time from pressing Next question to the next question drawn, and in frames.
import { chromium } from '../tests/web/node_modules/playwright-core/index.mjs';
import { gzipSync, brotliCompressSync, constants } from 'node:zlib';
import { spawn } from 'node:child_process';
import { readFileSync } from 'node:fs';

const [folder, runs = '7'] = process.argv.slice(2);
// Port 0: the server takes a free port and says which.
const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', folder]);
const base = await new Promise(resolve => server.stdout.on('data', data => {
    const port = /port (\d+)/.exec(data.toString());
    if (port) resolve(`http://127.0.0.1:${port[1]}/`);
}));
const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
});

// In the page before anything else: the first frame in which a window's canvas holds a
// painted pixel, read after the frame's callbacks (Qt paints in its own).
const watchFirstPaint = () => {
    window.firstPaint = new Promise(resolve => {
        const painted = () => [...document.querySelector('#qt-shadow-container')?.shadowRoot
            ?.querySelectorAll('.qt-window canvas') ?? []].some(canvas => canvas.width > 0 &&
                canvas.getContext('2d').getImageData(canvas.width / 2, canvas.height / 2, 1, 1).data[3] > 0);
        const poll = () => requestAnimationFrame(() => setTimeout(() => painted() ? resolve(performance.now()) : poll()));
        poll();
    });
};

async function firstVisit(path) {
    const context = await browser.newContext({ viewport: { width: 1366, height: 768 } });
    const page = await context.newPage();
    const loaded = new Set(); // the files asked for, read from the folder (the server sends them as they are)
    page.on('request', request => loaded.add(new URL(request.url()).pathname.replace(/\/$/, '/index.html')));
    await page.addInitScript(watchFirstPaint);
    await page.goto(base + path);
    const ms = await page.evaluate(() => window.firstPaint);
    return { page, context, ms, bodies: [...loaded].map(path => readFileSync(folder + path)) };
}

const median = values => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ratios = [], quiz = [], floor = [];
let bodies = [];
for (let run = 0; run <= Number(runs); ++run) {
    const bare = await firstVisit('bench-floor/');
    await bare.context.close();
    const real = await firstVisit('zelvarin/');
    await real.context.close();
    if (run === 0) { // a warm-up pair: the server's and the disk's caches
        bodies = real.bodies;
        continue;
    }
    floor.push(bare.ms), quiz.push(real.ms), ratios.push(real.ms / bare.ms);
}
const sum = f => bodies.reduce((total, body) => total + f(body).length, 0);
console.log(`web first visit bytes: ${sum(b => b)}`);
console.log(`web first visit gzip bytes: ${sum(b => gzipSync(b, { level: 9 }))}`);
console.log(`web first visit brotli bytes: ${sum(b => brotliCompressSync(b, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } }))}`);
console.log(`web first paint ms: ${median(quiz).toFixed(0)} (bare window ${median(floor).toFixed(0)})`);
console.log(`web first paint ratio: ${median(ratios).toFixed(2)}`);

// Next question: a test taken by keys, answering the second answer each time; each press of
// Space on Next question is timed from the key event to the frame that shows the next question.
const { page, context } = await firstVisit('zelvarin/');
await page.locator('.qt-window-contents').first().click({ position: { x: 700, y: 5 } }); // the menu bar's empty end
await page.keyboard.press('F2');
await page.keyboard.press('Tab');
await page.keyboard.press('Tab');
const reactions = [];
for (let question = 1; question < 7; ++question) {
    await page.keyboard.press('ArrowDown');
    for (const key of ['Shift+Tab', 'Shift+Tab', 'Shift+Tab', 'Space']) await page.keyboard.press(key);
    await page.evaluate(async () => {
        const canvas = document.querySelector('#qt-shadow-container').shadowRoot.querySelector('.qt-window canvas');
        const picture = () => canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data.join();
        const frame = () => new Promise(done => requestAnimationFrame(() => setTimeout(done)));
        await frame(); // Accept's answer drawn first
        await frame();
        const before = picture();
        window.reaction = new Promise(resolve => {
            window.addEventListener('keydown', event => {
                let frames = 0;
                // Timed once the frame's callbacks (Qt paints in its own) are over, before the
                // picture is read: a frame's own time stamp is its start, which can come
                // before the key that it shows the answer to.
                const poll = () => requestAnimationFrame(() => setTimeout(() => {
                    const drawn = performance.now();
                    ++frames;
                    picture() !== before ? resolve({ ms: drawn - event.timeStamp, frames }) : poll();
                }));
                poll();
            }, { once: true, capture: true });
        });
    });
    await page.keyboard.press('Space');
    reactions.push(await page.evaluate(() => window.reaction));
}
await context.close();
await browser.close();
server.kill();
console.log(`web next question ms: ${Math.max(...reactions.map(r => r.ms)).toFixed(1)} (slowest of ${reactions.length})`);
console.log(`web next question frames: ${Math.max(...reactions.map(r => r.frames))} (slowest of ${reactions.length})`);
