// The web remote in a real browser, as a stage manager uses it: headless Chromium opens the page,
// enters the token, taps a row and sees it go on air, watches the time left count down, sees a
// change made at the PC without a reload, goes on by polling when the event stream is cut, and
// says plainly when the program is gone. Takes the pictures of the page at a phone's and a
// tablet's size on the way (SHOTS_DIR).
import { spawn } from "node:child_process";
import { createRequire } from "node:module";
import { createServer } from "node:net";
import { join } from "node:path";
import assert from "node:assert/strict";

const { chromium } = createRequire(process.env.PLAYWRIGHT_HOME + "/")("playwright-core");
const shots = process.env.SHOTS_DIR || process.env.PLAYWRIGHT_HOME;

function freePort() {
  return new Promise((resolve) => {
    const server = createServer().listen(0, "127.0.0.1", () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// The test host under Wine, worked from the PC's side through its standard input; or, with
// KIRUNNER_URL and KIRUNNER_TOKEN, the real program, whose PC side this test leaves alone.
async function startHost() {
  if (process.env.KIRUNNER_URL) {
    return { base: process.env.KIRUNNER_URL.replace(/\/$/, ""), token: process.env.KIRUNNER_TOKEN, real: true,
             operate: () => {}, stop: async () => {}, kill: () => {} };
  }
  const port = await freePort();
  const token = "browser-token-0123456789abcdef";
  const child = spawn(process.env.WINE_RUN, [process.env.WINE_PREFIX, process.env.HTTP_HOST_EXE,
                                             "--port", String(port), "--token", token]);
  let output = "";
  await new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error("the host did not start: " + output)), 120000);
    child.stdout.on("data", (data) => {
      output += data;
      if (output.includes("HOST: ready")) { clearTimeout(timer); resolve(); }
    });
  });
  return { base: `http://127.0.0.1:${port}`, token, operate: (line) => child.stdin.write(line + "\n"),
           stop: () => new Promise((resolve) => { child.on("exit", resolve); child.stdin.write("quit\n"); }),
           kill: () => { if (child.exitCode === null) child.kill(); } };
}

const row = (page, number) => page.locator(`.row[data-number="${number}"]`);
const seconds = (text) => { const m = /(\d+):(\d\d)/.exec(text); return m ? Number(m[1]) * 60 + Number(m[2]) : null; };

async function main() {
  const host = await startHost();
  const browser = await chromium.launch({
    executablePath: "/usr/bin/chromium",
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
           "--disable-background-networking", "--disable-component-update", "--disable-sync"],
    // Playwright gives every launch a fresh profile of its own.
  });
  try {
    const phone = await browser.newContext({ viewport: { width: 390, height: 844 }, deviceScaleFactor: 2,
                                             isMobile: true, hasTouch: true, locale: "ja-JP" });
    const page = await phone.newPage();

    // Without the fragment the page asks for the token once.
    await page.goto(host.base + "/");
    await page.locator("#tokenInput").fill(host.token);
    await page.locator("#tokenForm button").tap();
    await row(page, 1).waitFor();
    await page.evaluate(() => { window.stillThisPage = true; });

    // A tap puts the row on air; its time left counts down.
    await row(page, 1).tap();
    await page.waitForSelector('.row[data-number="1"].on-air', { timeout: 5000 });
    const first = seconds(await row(page, 1).locator(".state").textContent());
    assert.ok(first > 290 && first <= 300, `time left ${first}`);
    await page.waitForFunction((start) => {
      const text = document.querySelector('.row[data-number="1"] .state').textContent;
      const m = /(\d+):(\d\d)/.exec(text);
      return m && Number(m[1]) * 60 + Number(m[2]) <= start - 2;
    }, first, { timeout: 8000 });

    // A change at the PC (or, on the real program, from another client) arrives without a reload.
    if (host.real) await fetch(`${host.base}/api/show/3`, { method: "POST", headers: { Authorization: `Bearer ${host.token}` } });
    host.operate("show 3");
    await page.waitForSelector('.row[data-number="3"].on-air', { timeout: 5000 });
    assert.equal(await page.evaluate(() => window.stillThisPage), true);
    assert.match(await page.locator("#status").textContent(), /ライブ/);

    // The token stays in this browser; a pairing address carries it in its fragment only.
    const paired = await phone.newPage();
    await paired.goto(`${host.base}/#token=${host.token}`);
    await row(paired, 1).waitFor();
    assert.equal(new URL(paired.url()).hash, "", "the token leaves the address bar");
    await paired.close();
    // A link's other token is tried before it is kept: a wrong one leaves the phone paired.
    const crafted = await phone.newPage();
    await crafted.goto(`${host.base}/#token=not-the-token`);
    await crafted.locator("#composeMessage", { hasText: "リンクのトークンは使えません" }).waitFor({ timeout: 5000 });
    await row(crafted, 1).waitFor();
    assert.equal(await crafted.evaluate(() => localStorage.getItem("kirunner.token")), host.token);

    // A caption is shown as text, never as markup.
    await fetch(`${host.base}/api/items`, { method: "POST", headers: { Authorization: `Bearer ${host.token}` },
                                           body: JSON.stringify({ text: '<img src=x onerror="window.hacked=1">', minutes: 1 }) });
    await page.waitForSelector(".row .text >> text=<img src=x", { timeout: 5000 });
    assert.equal(await page.locator(".rows img").count(), 0);
    assert.equal(await page.evaluate(() => window.hacked), undefined);
    const added = await page.locator(".row").count();
    await fetch(`${host.base}/api/items/${added}`, { method: "DELETE", headers: { Authorization: `Bearer ${host.token}` } });

    // On the real program, a caption put on air outside its time on air says when it opens.
    if (host.real) {
      const answer = await fetch(`${host.base}/api/items`, { method: "POST", headers: { Authorization: `Bearer ${host.token}` },
        body: JSON.stringify({ text: "年末のお知らせ", minutes: 1, schedule: { from: "2099-12-25 18:00" } }) });
      const number = (await answer.json()).rows.filter((r) => r.kind === "item").length;
      await row(page, number).tap();
      await page.locator(`.row[data-number="${number}"] .state`, { hasText: "予定 12/25 18:00から" }).waitFor({ timeout: 5000 });
      await fetch(`${host.base}/api/items/${number}`, { method: "DELETE", headers: { Authorization: `Bearer ${host.token}` } });
    }

    // A tap takes it off air again; a cut-in shows with its own bar.
    await row(page, 3).tap();
    await page.waitForSelector('.row[data-number="3"]:not(.on-air)', { timeout: 5000 });
    await page.locator("#textInput").fill("開場は18時です。お足元にご注意ください");
    await page.locator("#minutesInput").fill("3");
    await page.locator("#sendCutin").tap();
    await page.locator("#cutin").waitFor({ state: "visible", timeout: 5000 });
    await page.locator("#textInput").fill("");
    await page.screenshot({ path: join(shots, "remote-phone.png") });

    const tablet = await browser.newContext({ viewport: { width: 1024, height: 768 }, hasTouch: true, locale: "ja-JP" });
    const wide = await tablet.newPage();
    await wide.goto(`${host.base}/#token=${host.token}`);
    await wide.waitForSelector('.row[data-number="1"].on-air');
    await wide.screenshot({ path: join(shots, "remote-tablet.png") });

    // With the event stream cut, the page polls, and changes still arrive.
    const cut = await tablet.newPage();
    await cut.route("**/api/events", (route) => route.abort());
    await cut.goto(`${host.base}/`);
    await cut.waitForSelector('.row[data-number="1"].on-air');
    if (host.real) await fetch(`${host.base}/api/show/2`, { method: "POST", headers: { Authorization: `Bearer ${host.token}` } });
    host.operate("show 2");
    await cut.waitForSelector('.row[data-number="2"].on-air', { timeout: 8000 });
    assert.match(await cut.locator("#status").textContent(), /秒ごと/);

    // A second lane: each lane's 表示ON/OFF, and the text box picks the lane.
    if (!host.real) {
      host.operate("lanes 2");
      await page.locator("#lanes .lane").nth(1).locator("button", { hasText: "表示OFF" }).tap();
      await page.waitForSelector('#lanes .lane[data-lane="2"] button.active >> text=表示OFF', { timeout: 5000 });
      await page.locator("#laneInput").selectOption("2");
      await page.locator("#textInput").fill("二段目");
      await page.locator("#sendCutin").tap();
      await page.locator("#cutinText", { hasText: "二段目" }).waitFor({ timeout: 5000 });
      const state = await (await fetch(`${host.base}/api/state`, { headers: { Authorization: `Bearer ${host.token}` } })).json();
      assert.deepEqual([state.cutIn.lane, state.lanes[1].shown], [2, false]);
    }

    // The program ends: the page says so plainly.
    if (!host.real) {
      await host.stop();
      await page.locator("#gone").waitFor({ state: "visible", timeout: 15000 });
    }
    console.log("browser test: 1 passed, 0 failed");
  } finally {
    await browser.close();
    host.kill();
  }
}

main().then(() => process.exit(0), (error) => {
  console.error(error);
  console.log("browser test: 0 passed, 1 failed");
  process.exit(1);
});
