// Kirunner's web remote: the caption list with its on-air state and time left, live from the
// event stream (polling when the stream is cut), and the commands of the API. The token comes
// from the address's fragment (#token=…, which never travels in a request) or is asked once, and
// is kept in this browser.
"use strict";

(function () {
  var TOKEN_KEY = "kirunner.token";
  var POLL_MS = 2000;          // polling while the event stream is cut
  var STREAM_RETRY_MS = 5000;  // a new try of the stream while polling
  var SILENT_MS = 20000;       // a stream that says nothing this long is taken as cut
  var GONE_MS = 4000;          // no answer this long: the program is shown as gone

  var token = "";
  var state = null;
  var receivedAt = 0;          // when `state` arrived (its secondsLeft count from then)
  var lastHeard = 0;           // the last answer of the program, of any kind
  var streaming = false;
  var streamAbort = null;
  var pollTimer = 0;
  var streamTimer = 0;
  var clearArmed = 0;

  function $(id) { return document.getElementById(id); }

  // ---- token -------------------------------------------------------------------------------
  // The token of a pairing address is tried before it takes the place of the one kept: a link
  // made by someone else (#token=x) must not unpair this phone. Without one kept it is taken
  // as it is, and a wrong one asks for the token as before.
  function takeToken() {
    var kept = "";
    try { kept = localStorage.getItem(TOKEN_KEY) || ""; } catch (e) { kept = ""; }
    var match = /(?:^#|&)token=([^&]+)/.exec(location.hash);
    var offered = "";
    if (match) {
      try { offered = decodeURIComponent(match[1]); } catch (e) { offered = ""; }
      // The token leaves the address bar, so that it is not seen over a shoulder or shared.
      history.replaceState(null, "", location.pathname + location.search);
    }
    if (!offered || offered === kept || !kept) {
      token = offered || kept;
      if (offered) keepToken(offered);
      if (token) connect(); else showPairing(false);
      return;
    }
    fetch("/api/state", { cache: "no-store", headers: { "Authorization": "Bearer " + offered } })
      .then(function (response) { return response.status; }, function () { return 0; })
      .then(function (status) {
        var works = status >= 200 && status < 300;
        token = works ? offered : kept;
        if (works) keepToken(offered);
        connect();
        if (!works) say(status === 401 ? "リンクのトークンは使えません。これまでのトークンで続けます"
                                       : "リンクのトークンを確かめられません。これまでのトークンで続けます", true);
      });
  }

  function keepToken(value) {
    try { localStorage.setItem(TOKEN_KEY, value); } catch (e) { /* private mode: kept for this visit */ }
  }

  function forgetToken() {
    token = "";
    try { localStorage.removeItem(TOKEN_KEY); } catch (e) { /* nothing kept */ }
    stopStream();
    stopPolling();
    showPairing(true);
  }

  function showPairing(wrong) {
    $("main").hidden = true;
    $("pair").hidden = false;
    $("tokenError").hidden = !wrong;
    setStatus("未接続", "off");
  }

  // ---- talking to the program ---------------------------------------------------------------
  function api(method, path, body) {
    var options = { method: method, cache: "no-store", headers: { "Authorization": "Bearer " + token } };
    if (body !== undefined) {
      options.headers["Content-Type"] = "application/json";
      options.body = JSON.stringify(body);
    }
    return fetch("/api/" + path, options).then(function (response) {
      heard();
      if (response.status === 401) { forgetToken(); throw new Error("401"); }
      return response.json().catch(function () { return {}; }).then(function (document) {
        if (!response.ok) {
          var error = document.error || {};
          // An entry that holds another caption by now: the list is read again.
          if (response.status === 409) reload();
          throw new Error(error.ja || ("エラー " + response.status));
        }
        return document;
      });
    });
  }

  function reload() {
    api("GET", "state").then(function (document) { render(document, true); }).catch(function () { /* polled later */ });
  }

  function heard() {
    lastHeard = Date.now();
    $("gone").hidden = true;
    document.body.classList.remove("offline");
  }

  function command(method, path, body) {
    return api(method, path, body).then(render).catch(function (error) {
      if (error.message !== "401") say(error.message === "Failed to fetch" || error.name === "TypeError"
        ? "Kirunner に届きませんでした" : error.message, true);
    });
  }

  // ---- the event stream, and polling when it is cut -------------------------------------------
  function startStream() {
    stopStream();
    if (!window.ReadableStream || !window.TextDecoder || !window.AbortController) { startPolling(); return; }
    var controller = new AbortController();
    streamAbort = controller;
    var silentTimer = 0;
    function silence() {
      clearTimeout(silentTimer);
      silentTimer = setTimeout(function () { controller.abort(); }, SILENT_MS);
    }
    fetch("/api/events", { cache: "no-store", signal: controller.signal,
                           headers: { "Authorization": "Bearer " + token, "Accept": "text/event-stream" } })
      .then(function (response) {
        if (response.status === 401) { forgetToken(); return; }
        if (!response.ok || !response.body) throw new Error("stream");
        streaming = true;
        stopPolling();
        heard();
        setStatus("ライブ", "live");
        var reader = response.body.getReader();
        var decoder = new TextDecoder("utf-8");
        var buffer = "";
        silence();
        function pump() {
          return reader.read().then(function (chunk) {
            if (chunk.done) throw new Error("end");
            heard();
            silence();
            buffer += decoder.decode(chunk.value, { stream: true }).replace(/\r\n?/g, "\n");
            var end;
            while ((end = buffer.indexOf("\n\n")) >= 0) {
              takeEvent(buffer.slice(0, end));
              buffer = buffer.slice(end + 2);
            }
            return pump();
          });
        }
        return pump();
      })
      .catch(function () { /* cut: polling takes over below */ })
      .then(function () {
        clearTimeout(silentTimer);
        if (streamAbort !== controller) return;  // replaced or stopped on purpose
        streaming = false;
        streamAbort = null;
        if (token) startPolling();
      });
  }

  function takeEvent(text) {
    var name = "message";
    var data = [];
    text.split("\n").forEach(function (line) {
      if (line.indexOf("event:") === 0) name = line.slice(6).trim();
      else if (line.indexOf("data:") === 0) data.push(line.slice(5).replace(/^ /, ""));
    });
    if (name !== "state" || !data.length) return;
    try { render(JSON.parse(data.join("\n")), true); } catch (e) { /* a broken event is skipped */ }
  }

  function stopStream() {
    if (streamAbort) { var controller = streamAbort; streamAbort = null; controller.abort(); }
    streaming = false;
  }

  function startPolling() {
    if (!pollTimer) {
      setStatus("再接続中（2秒ごとに更新）", "poll");  // the seconds of POLL_MS
      var poll = function () {
        api("GET", "state").then(function (document) {
          render(document, true);
          setStatus("接続中（2秒ごとに更新）", "poll");
        }).catch(function () { /* shown as gone by watchGone */ });
      };
      poll();
      pollTimer = setInterval(poll, POLL_MS);
    }
    // The stream is tried again after a while, and again after every failed try.
    clearTimeout(streamTimer);
    streamTimer = setTimeout(function () {
      if (token && !streaming) startStream();
    }, STREAM_RETRY_MS);
  }

  function stopPolling() {
    clearInterval(pollTimer);
    pollTimer = 0;
    clearTimeout(streamTimer);
  }

  function watchGone() {
    if (!token || !lastHeard) return;
    if (Date.now() - lastHeard > GONE_MS && !streaming) {
      $("gone").hidden = false;
      document.body.classList.add("offline");
      setStatus("接続できません", "off");
    }
  }

  // ---- drawing ----------------------------------------------------------------------------
  // `inOrder`: the document comes from the stream or a poll, which never go back in time (a
  // restarted program counts its versions from 1 again); a command's answer may have been
  // overtaken by an event and is dropped when it is older than what is shown.
  function render(document, inOrder) {
    if (!document || !document.rows) return;
    if (!inOrder && state && document.version < state.version) return;
    state = document;
    receivedAt = Date.now();
    $("pair").hidden = true;
    $("main").hidden = false;
    lanes.pressed($("stripOn"), $("stripOff"), state.strip.shown);
    lanes.render(state.lanes || []);

    var list = $("rows");
    while (list.children.length > state.rows.length) list.removeChild(list.lastChild);
    state.rows.forEach(function (row, index) {
      var item = list.children[index] || list.appendChild(makeRow());
      fillRow(item, row);
    });
    var cutIn = state.cutIn;
    $("cutin").hidden = !cutIn;
    if (cutIn) $("cutinText").textContent = cutIn.text;
    countDown();
  }

  function makeRow() {
    var item = document.createElement("li");
    var button = document.createElement("button");
    button.type = "button";
    button.className = "row";
    ["number", "text", "minutes", "state"].forEach(function (part) {
      var span = document.createElement("span");
      span.className = part;
      button.appendChild(span);
    });
    button.addEventListener("click", function () { tapRow(button); });
    item.appendChild(button);
    return item;
  }

  function fillRow(item, row) {
    var button = item.firstChild;
    button.dataset.number = row.number;
    button.dataset.kind = row.kind;
    button.dataset.onAir = row.onAir ? "1" : "0";
    button.classList.toggle("on-air", row.onAir);
    button.classList.toggle("mark", row.kind !== "item");
    button.disabled = row.kind !== "item" && row.kind !== "cutin";
    button.querySelector(".number").textContent = row.number;
    button.querySelector(".text").textContent = row.text;
    button.querySelector(".minutes").textContent = row.minutes + "分";
    button.setAttribute("aria-label", row.number + " " + row.text + (row.onAir ? " 表示中" : ""));
  }

  function timeText(seconds) {
    seconds = Math.max(0, seconds);
    var minutes = Math.floor(seconds / 60);
    var rest = seconds % 60;
    return minutes + ":" + (rest < 10 ? "0" : "") + rest;
  }

  // The time left counts down here between the program's answers.
  function secondsLeft(row) {
    if (!row.onAir || row.secondsLeft === null) return null;
    return Math.max(0, row.secondsLeft - Math.floor((Date.now() - receivedAt) / 1000));
  }

  // A caption's time on air: 予定 and when it opens while it waits ("18:00から" today, "12/25
  // 18:00から" another day), 終了 once it is over, the plays left in place of the time left.
  function opensText(opensAt) {
    if (typeof opensAt !== "string" || opensAt.length !== 16) return "";
    var now = new Date();
    var today = now.getFullYear() + "-" + ("0" + (now.getMonth() + 1)).slice(-2) + "-" + ("0" + now.getDate()).slice(-2);
    var time = opensAt.slice(11);
    if (opensAt.slice(0, 10) === today) return time + "から";
    return Number(opensAt.slice(5, 7)) + "/" + Number(opensAt.slice(8, 10)) + " " + time + "から";
  }

  function stateText(row, left) {
    if (row.over) return "終了";
    if (row.waiting) return ("予定 " + opensText(row.opensAt)).trim();
    if (left === null) return "—";
    return "表示中 " + (typeof row.playsLeft === "number" ? "残り" + row.playsLeft + "回" : timeText(left));
  }

  function countDown() {
    if (!state) return;
    var buttons = $("rows").querySelectorAll(".row");
    state.rows.forEach(function (row, index) {
      var left = secondsLeft(row);
      var cell = buttons[index] && buttons[index].querySelector(".state");
      if (cell) cell.textContent = stateText(row, left);
    });
    if (state.cutIn) {
      var left = secondsLeft(state.cutIn);
      $("cutinLeft").textContent = left === null ? "" : timeText(left);
    }
  }

  function tapRow(button) {
    if (button.dataset.kind === "cutin") { command("POST", "endcutin"); return; }
    var path = (button.dataset.onAir === "1" ? "hide/" : "show/") + button.dataset.number;
    button.classList.add("busy");
    command("POST", path).then(function () { button.classList.remove("busy"); });
  }

  function setStatus(text, kind) {
    var status = $("status");
    status.textContent = text;
    status.className = "status " + kind;
  }

  function say(text, error) {
    var message = $("composeMessage");
    message.textContent = text;
    message.classList.toggle("error", !!error);
    message.hidden = false;
    clearTimeout(say.timer);
    say.timer = setTimeout(function () { message.hidden = true; }, 5000);
  }

  // ---- controls -----------------------------------------------------------------------------
  function composed() {
    var text = $("textInput").value;
    var minutes = Number($("minutesInput").value);
    if (!text.trim()) { say("テキストを入力してください", true); return null; }
    if (!(minutes >= 1 && minutes <= 60000 && Math.floor(minutes) === minutes)) {
      say("表示時間は 1〜60000 分の整数にしてください", true);
      return null;
    }
    return { text: text, minutes: minutes };
  }

  function sendComposed(path, done) {
    var body = composed();
    if (!body) return;
    if (path !== "items" && !$("laneChoice").hidden) body.lane = Number($("laneInput").value);
    command("POST", path, body).then(function () { if (state) say(done, false); });
  }

  // Each lane's 表示ON/OFF and the text box's lane choice (lanes.js).
  var lanes = window.KirunnerLanes(document, function (body) { return command("POST", "strip", body); });

  function wire() {
    $("tokenForm").addEventListener("submit", function (event) {
      event.preventDefault();
      token = $("tokenInput").value.trim();
      if (!token) return;
      keepToken(token);
      $("tokenInput").value = "";
      connect();
    });
    $("stripOn").addEventListener("click", function () { command("POST", "strip", { shown: true }); });
    $("stripOff").addEventListener("click", function () { command("POST", "strip", { shown: false }); });
    $("clearNow").addEventListener("click", function () {
      var button = $("clearNow");
      // A second tap within three seconds: a phone in one hand taps by mistake.
      if (!clearArmed) {
        button.textContent = "もう一度タップで消去";
        button.classList.add("armed");
        clearArmed = setTimeout(function () {
          clearArmed = 0;
          button.textContent = "今すぐ消去";
          button.classList.remove("armed");
        }, 3000);
        return;
      }
      clearTimeout(clearArmed);
      clearArmed = 0;
      button.textContent = "今すぐ消去";
      button.classList.remove("armed");
      command("POST", "clearnow");
    });
    $("endCutin").addEventListener("click", function () { command("POST", "endcutin"); });
    $("compose").addEventListener("submit", function (event) {
      event.preventDefault();
      sendComposed("text", "テキストを表示しました");
    });
    $("sendCutin").addEventListener("click", function () { sendComposed("cutin", "割り込みました"); });
    $("addItem").addEventListener("click", function () { sendComposed("items", "一覧に追加しました"); });
    setInterval(function () { countDown(); watchGone(); }, 1000);
  }

  function connect() {
    state = null;
    lastHeard = Date.now();
    api("GET", "state").then(function (document) {
      render(document, true);
      startStream();
    }).catch(function (error) {
      if (error.message !== "401") startPolling();
    });
  }

  wire();
  takeToken();
})();
