// The overlay page's motion and cost in Chromium, run by hand (prints figures, asserts nothing):
//   PLAYWRIGHT_HOME=<folder with node_modules/playwright-core> node bench/overlay_frames.mjs
// Serves surfaces/web with a canned lane document (no program needed). For each speed it reads the
// offset at every animation frame for 5 s and prints the share of frames of each step and the
// speed against the frames' timestamps (and the same with a caption of 1,000 characters); then the
// page's script time per frame with that caption, on a frame clock the bench holds. With DISPLAY set the browser gets a window
// (this Chromium paints changing pictures at 1 Hz when headless); BENCH_HEADLESS=1 forces headless.
import { createServer } from "node:http";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

const { chromium } = createRequire(process.env.PLAYWRIGHT_HOME + "/")("playwright-core");
const web = new URL("../surfaces/web/", import.meta.url);
const short = "開演まであと5分です";
const long = "開演まであと5分です。ロビーでの飲食はご遠慮ください。".repeat(40).slice(0, 1000);
let speed = 120, text = short;

const server = createServer((request, response) => {
  const path = new URL(request.url, "http://x").pathname;
  if (path === "/api/overlay") {
    response.writeHead(200, { "Content-Type": "text/event-stream" });
    const look = { font: "", size: 32, weight: 700, italic: false, color: "#ffffff", shadow: "#000000",
                   outline: false, band: true, bandColor: "#000000", bandOpacity: 50, separator: "", speed,
                   width: 1920, height: 48 };
    const caption = { entry: 1, text, follows: false, fromBlank: true, width: 0 };
    response.write(`event: overlay\nid: 1\ndata: ${JSON.stringify({ version: 1, lane: 1, name: "", shown: true,
                                                                    rolling: true, look, caption })}\n\n`);
    return;
  }
  const file = { "/overlay": "overlay.html", "/overlay.js": "overlay.js", "/overlay.css": "overlay.css" }[path];
  if (!file) { response.writeHead(404).end(); return; }
  const type = file.endsWith(".js") ? "text/javascript" : file.endsWith(".css") ? "text/css" : "text/html";
  response.writeHead(200, { "Content-Type": type + "; charset=utf-8",
                            "Content-Security-Policy": "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'" });
  response.end(readFileSync(new URL(file, web)));
}).listen(0, "127.0.0.1");
await new Promise((resolve) => server.on("listening", resolve));
const base = `http://127.0.0.1:${server.address().port}`;

const headless = !process.env.DISPLAY || process.env.BENCH_HEADLESS === "1";
const browser = await chromium.launch({ executablePath: "/usr/bin/chromium", headless, args: ["--no-sandbox"] });
const open = async (init) => {
  const page = await browser.newPage({ viewport: { width: 1280, height: 60 } });
  if (init) await page.addInitScript(init);
  await page.goto(base + "/overlay?w=1280&h=60");
  await page.waitForFunction(() => window.kirunnerOverlay && window.kirunnerOverlay.speed() > 0);
  return page;
};

console.log(`Chromium ${browser.version()}, ${headless ? "headless" : "with a window on " + process.env.DISPLAY}`);
for ([speed, text] of [[50, short], [120, short], [200, short], [120, long]]) {
  const page = await open();
  const run = await page.evaluate(() => new Promise((resolve) => {
    const overlay = window.kirunnerOverlay, offsets = [], times = [];
    const frame = (time) => {
      offsets.push(overlay.offset()); times.push(time);
      if (time - times[0] < 6000) requestAnimationFrame(frame); else resolve({ offsets, times, rate: overlay.rate() });
    };
    requestAnimationFrame(frame);
  }));
  await page.close();
  const from = run.times.findIndex((time) => time - run.times[0] >= 1000);   // a second to learn the rate
  const steps = {};
  for (let i = from + 1; i < run.offsets.length; i++) {
    const step = run.offsets[i] - run.offsets[i - 1];
    steps[step] = (steps[step] || 0) + 1;
  }
  const frames = run.offsets.length - 1 - from, last = run.offsets.length - 1;
  const moved = (run.offsets[last] - run.offsets[from]) / (run.times[last] - run.times[from]) * 1000;
  const shares = Object.entries(steps).map(([step, count]) => `${step} px ${(count / frames * 100).toFixed(1)} %`);
  console.log(`${speed} px/s, ${text.length} characters: ${frames} frames at ${(frames / (run.times[last] - run.times[from]) * 1000).toFixed(2)} Hz ` +
              `(rate in use ${run.rate}); steps: ${shares.join(", ")}; speed ${moved.toFixed(2)} px/s ` +
              `(${((moved / speed - 1) * 100).toFixed(2)} %)`);
}

// Script time per frame: the page's frame callback timed on a clock the bench holds.
[speed, text] = [120, long];
const started = Date.now();
const page = await open(() => {
  const waiting = [];
  window.requestAnimationFrame = (callback) => waiting.push(callback);
  window.hostFrame = (time) => { for (const callback of waiting.splice(0)) callback(time); };
});
// performance.now() is coarse in a page: time blocks of ten frames.
const blocks = await page.evaluate(() => {
  const blocks = [];
  for (let frame = 1; frame <= 600; frame += 10) {
    const start = performance.now();
    for (let i = 0; i < 10; i++) window.hostFrame((frame + i) * 1000 / 60);
    blocks.push((performance.now() - start) / 10);
  }
  return blocks;
});
const sorted = blocks.slice().sort((a, b) => a - b);
const mean = blocks.reduce((a, b) => a + b, 0) / blocks.length;
console.log(`1,000 characters (${Date.now() - started} ms to open the page and draw the caption): script per frame over ` +
            `600 frames, in blocks of ten: mean ${mean.toFixed(3)} ms, median block ${sorted[30].toFixed(3)}, ` +
            `slowest block ${sorted[59].toFixed(3)} ms`);
await browser.close();
process.exit(0);
