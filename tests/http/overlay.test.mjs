// The overlay page in headless Chromium against the real program (with-program.sh; lane 1 at 120
// px/s, lane 2 at 50): the view key, the picture, a caption on and off air, 表示OFF, a cut-in, the
// matte, the motion. Its animation frames come from a clock the test holds, as a browser source's
// host drives them (headless, this Chromium paints a changing picture at 1 Hz).
import { createRequire } from "node:module";
import assert from "node:assert/strict";

const { chromium } = createRequire(process.env.PLAYWRIGHT_HOME + "/")("playwright-core");
const base = process.env.KIRUNNER_URL.replace(/\/$/, "");
const token = process.env.KIRUNNER_TOKEN, view = process.env.KIRUNNER_VIEW_KEY;

async function command(method, path, body, key = { Authorization: "Bearer " + token }, status = 200) {
  const response = await fetch(base + "/api/" + path, { method, headers: { "Content-Type": "application/json", ...key },
                                                        body: body && JSON.stringify(body) });
  assert.equal(response.status, status, `${method} ${path}: ${await response.text()}`);
}

// The lane's overlay document as the stream first tells it.
async function overlayDocument(lane) {
  const controller = new AbortController();
  const reader = (await fetch(`${base}/api/overlay?lane=${lane}&view=${view}`, { signal: controller.signal })).body.getReader();
  const decoder = new TextDecoder();
  let text = "";
  for (let part; !/\n\n/.test(text) && !(part = await reader.read()).done;) text += decoder.decode(part.value, { stream: true });
  controller.abort();
  return JSON.parse(/^data: (.*)$/m.exec(text)[1]);
}

// The host's frame clock (frames every 1/60 s of real time, or only when the test runs them), and
// the page's picture as RGBA with the offset and captions of the same frame.
function hostClock(manual) {
  const waiting = [];
  window.requestAnimationFrame = (callback) => waiting.push(callback);
  window.hostFrame = (time) => { for (const callback of waiting.splice(0)) callback(time); };
  if (!manual) setInterval(() => window.hostFrame(performance.now()), 1000 / 60);
  window.picture = (all) => {
    const canvas = document.getElementById("overlay");
    const pixels = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let covered = 0;
    for (let i = 3; i < pixels.length; i += 4) covered += pixels[i] > 0;
    return { pixels: all && Array.from(pixels), covered, offset: window.kirunnerOverlay.offset(), texts: window.kirunnerOverlay.texts() };
  };
}
const picture = (page) => page.evaluate(() => window.picture(true));
const untilCovered = (page, wanted, timeout) =>
  page.waitForFunction((wanted) => window.picture().covered > 0 === wanted, wanted, { timeout, polling: 20 });

async function main() {
  const browser = await chromium.launch({ executablePath: "/usr/bin/chromium",
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking"] });
  const open = async (query, manual = false) => {
    const page = await browser.newPage({ viewport: { width: 1280, height: 60 } });
    await page.addInitScript(hostClock, manual);
    await page.goto(`${base}/overlay?view=${view}&w=1280&h=60${query}`);
    await page.waitForFunction(() => window.kirunnerOverlay && window.kirunnerOverlay.speed() > 0, null, { polling: 50 });
    return page;
  };
  try {
    // The view key reads, and nothing acts on it; without a key, or with a wrong one, no overlay.
    for (const [method, path, body] of [["POST", "show/1"], ["POST", "strip", { shown: false }],
        ["POST", "cutin", { text: "x" }], ["POST", "items", { text: "x" }], ["DELETE", "items/1"],
        ["PUT", "items/1", { text: "x" }], ["POST", "clearnow"]]) {
      await command(method, `${path}?view=${view}`, body, {}, 401);
    }
    for (const query of ["", "?view=wrong-key", "?lane=1"]) assert.equal((await fetch(`${base}/overlay${query}`)).status, 401);
    const state = await (await fetch(`${base}/api/state?view=${view}`)).json();
    assert.deepEqual(state.rows.map((row) => row.onAir), [false, false, false], "the view key changed nothing");

    // A caption put on air appears at once, in the lane's colours over full transparency.
    const [page, { look }] = [await open(""), await overlayDocument(1)];
    await command("POST", "show/1");
    await untilCovered(page, true, 300);
    await page.waitForTimeout(3000);
    const shot = await page.screenshot({ omitBackground: true });
    const seen = await page.evaluate(async (png) => {
      const image = Object.assign(new Image(), { src: "data:image/png;base64," + png });
      await image.decode();
      const paper = Object.assign(document.createElement("canvas"), { width: 1280, height: 60 }).getContext("2d");
      paper.drawImage(image, 0, 0);
      return Array.from(paper.getImageData(0, 0, 1280, 60).data);
    }, shot.toString("base64"));
    const rgb = (hex) => [1, 3, 5].map((i) => parseInt(hex.substr(i, 2), 16));
    const [color, shadow] = [rgb(look.color), rgb(look.shadow)];   // the lane's look
    let exact = 0, clear = 0;
    for (let i = 0; i < seen.length; i += 4) {
      const pixel = seen.slice(i, i + 3), alpha = seen[i + 3], slack = 2 + 255 / alpha;  // unpremultiplied
      clear += alpha === 0;
      exact += alpha === 255 && pixel.every((v, c) => v === color[c]);
      assert.ok(!alpha || (i >= 1280 * 4 && pixel.every((v, c) => v >= Math.min(color[c], shadow[c]) - slack &&
                                                                  v <= Math.max(color[c], shadow[c]) + slack)),
                `pixel ${i / 4} is ${pixel} ${alpha}: not transparent, nor text, nor shadow`);
    }
    assert.ok(exact > 50 && clear > 1280 * 60 / 2, `${exact} pixels in the text colour, ${clear} transparent`);

    // Taken off, it finishes its pass first.
    await command("POST", "hide/1");
    assert.ok((await picture(page)).covered > 0, "still passing");
    await untilCovered(page, false, 60000);

    // matte=1 at the same offset: white as much as the page covers, over opaque black. Both pages
    // start from a blank lane and run the same frames (a later entry joins the first one's end).
    const [normal, matte] = [await open("", true), await open("&matte=1", true)];
    await command("POST", "clearnow");
    await command("POST", "show/2");
    let caption = null;
    for (let tries = 0; caption?.text !== "ロビーでの飲食はご遠慮ください"; tries++) {
      assert.ok(tries < 50, "the caption entered the lane");
      caption = (await overlayDocument(1)).caption;
    }
    for (const p of [normal, matte]) await p.waitForFunction((n) => window.kirunnerOverlay.entry() >= n, caption.entry);
    for (const p of [normal, matte]) await p.evaluate(() => { for (let f = 1; f <= 30; f++) window.hostFrame(f * 1000 / 60); });
    const pair = [await picture(normal), await picture(matte)];
    assert.ok(pair[0].covered > 100, "the caption entered the pages");
    assert.deepEqual([pair[0].offset, pair[0].texts], [pair[1].offset, pair[1].texts]);
    const [fill, key] = pair.map((p) => p.pixels);
    const wrong = fill.findIndex((alpha, i) => i % 4 === 3 && [0, 1, 2, 3].some((c) => key[i - 3 + c] !== (c < 3 ? alpha : 255)));
    assert.equal(wrong, -1, `matte pixel ${wrong >> 2} is ${key.slice(wrong - 3, wrong + 1)}; the page's alpha is ${fill[wrong]}`);
    await Promise.all([normal.close(), matte.close()]);

    // 表示OFF empties the page; a cut-in replaces the caption.
    await untilCovered(page, true, 2000);
    await command("POST", "strip", { shown: false });
    await untilCovered(page, false, 2000);
    await command("POST", "strip", { shown: true });
    await command("POST", "cutin", { text: "割り込みのお知らせ", minutes: 1 });
    await page.waitForFunction(() => /^(割り込みのお知らせ,?)+$/.test(window.kirunnerOverlay.texts().join()),
                               null, { timeout: 15000, polling: 20 });
    await command("POST", "endcutin");
    await command("POST", "clearnow");
    await page.close();

    // The motion, frame by frame for 5 s at 60 Hz with a wandering clock and one late frame;
    // then 1.5 s away (a hidden source), after which it is where the time says.
    for (const [lane, speed] of [[1, 120], [2, 50]]) {
      const lanePage = await open(`&lane=${lane}`, true);
      const [offsets, times] = await lanePage.evaluate(() => {
        const offsets = [], times = [];
        for (let frame = 0, time = 1000; frame <= 361; frame++) {
          time += frame === 361 ? 1500 : frame === 200 ? 35 : 1000 / 60 + Math.sin(frame * 1.7) * 3;
          window.hostFrame(time);
          offsets.push(window.kirunnerOverlay.offset()); times.push(time);
        }
        return [offsets, times];
      });
      await lanePage.close();
      const steps = offsets.slice(61, 361).map((offset, i) => offset - offsets[60 + i]);
      const moved = (offsets[360] - offsets[60]) / (times[360] - times[60]) * 1000, away = offsets[361] - offsets[360];
      assert.ok(Math.abs(moved - speed) <= speed * 0.01 && Math.max(...steps) - Math.min(...steps) <= 1,
                `lane ${lane}: ${moved} px/s, steps ${steps}`);
      if (speed === 120) assert.ok(steps.filter((s) => s === 2).length >= steps.length * 0.99, `steps ${steps}`);
      assert.ok(Math.abs(away - speed * 1.5) <= 2, `lane ${lane}: ${away} px after 1.5 s away`);
    }
  } finally {
    await browser.close();
  }
  console.log("overlay test passed");
}

main().catch((error) => { console.error(error); process.exit(1); });
