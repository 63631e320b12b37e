// The overlay: one lane drawn as its strip draws it, for a browser source (OBS, vMix, CasparCG).
// Each caption is drawn once into canvases of its own; each animation frame copies only the part
// in view onto the page's one canvas at a whole-pixel position, so a frame costs a few drawImage
// calls and no layout. The motion steps by the lane's speed over the host's frame rate, never by
// the time a late frame took, so that a steady host sees a steady step.
(function () {
  "use strict";

  var kPieceWidth = 4096;           // a caption wider than this is drawn in several canvases
  var kMaxSlot = 64 * 4096;        // the widest caption drawn (memory stays bounded)
  var kAwayMs = 1000;               // a gap this long is time away (hidden tab): resynchronise
  var kRates = [24, 25, 29.97, 30, 48, 50, 59.94, 60, 72, 75, 90, 100, 120, 144, 165, 240];
  var kFonts = '"MS PGothic", "IPAPGothic", "Noto Sans CJK JP", "Hiragino Sans", "Meiryo", sans-serif';

  var params = new URLSearchParams(location.search);
  function number(name, low, high) {
    var value = Number(params.get(name));
    return params.get(name) !== null && isFinite(value) && value >= low && value <= high ? value : 0;
  }
  var lane = Math.floor(number("lane", 1, 4)) || 1;
  var askedWidth = Math.floor(number("w", 1, 16384));
  var askedHeight = Math.floor(number("h", 1, 4096));
  var rateHint = number("fps", 1, 1000);
  var matte = params.get("matte") === "1";
  var background = /^[0-9a-fA-F]{6}$/.test(params.get("bg") || "") ? "#" + params.get("bg") : "";
  var meta = document.querySelector('meta[name="kirunner-view"]');
  var view = meta && meta.content !== "{{VIEW}}" ? meta.content : "";
  if (!view) view = params.get("view") || "";

  var canvas = document.getElementById("overlay");
  var context = canvas.getContext("2d");
  var width = 0, height = 0;
  var look = null, shown = true, lastEntry = null;
  var captions = [];                // {text, start, width, pieces: [{canvas, x}]}, in track pixels
  var offset = 0;                   // track pixels moved so far (whole pixels)
  var carry = 0;                    // the fraction of a pixel owed to the next frame
  var frames = 0, lastTime = null;
  var intervals = [], rate = rateHint || 60;

  function resize() {
    var w = askedWidth || (look && look.width) || window.innerWidth || 1280;
    var h = askedHeight || (look && look.height) || window.innerHeight || 60;
    if (w === width && h === height) return;
    width = canvas.width = w;
    height = canvas.height = h;
    canvas.style.width = w + "px";
    canvas.style.height = h + "px";
  }

  function fontOf(look) {
    var face = String(look.font || "").replace(/["\\\u0000-\u001f]/g, "");
    var size = Math.max(1, Math.min(1000, Number(look.size) || 16));
    var weight = Math.max(1, Math.min(1000, Number(look.weight) || 400));
    return (look.italic ? "italic " : "") + weight + " " + size + "px " + (face ? '"' + face + '", ' : "") + kFonts;
  }

  // The text drawn in the look's colours: a shadow one pixel down and right, or an outline of one
  // pixel all round.
  function drawText(target, text, x, y) {
    var around = look.outline ? [[-1, -1], [0, -1], [1, -1], [-1, 0], [1, 0], [-1, 1], [0, 1], [1, 1]] : [[1, 1]];
    target.fillStyle = look.shadow;
    for (var i = 0; i < around.length; i++) target.fillText(text, x + around[i][0], y + around[i][1]);
    target.fillStyle = look.color;
    target.fillText(text, x, y);
  }

  // A caption in its slot: the separator first when it follows the one before, then its text;
  // squeezed across when the browser's font is wider than the strip's slot.
  function makeCaption(entry, start) {
    var font = fontOf(look);
    context.font = font;
    var separator = entry.follows && look.separator ? look.separator : "";
    var sepWidth = separator ? context.measureText(separator).width : 0;
    var natural = sepWidth + context.measureText(entry.text).width + 2;
    var slot = Math.min(kMaxSlot, Math.floor(Number(entry.width) || 0) || Math.ceil(natural));
    var squeeze = natural > slot ? slot / natural : 1;
    var pieces = [];
    for (var x = 0; x < slot; x += kPieceWidth) {
      var piece = document.createElement("canvas");
      piece.width = Math.min(kPieceWidth, slot - x);
      piece.height = height;
      var ink = piece.getContext("2d");
      ink.font = font;
      ink.textBaseline = "middle";
      ink.setTransform(squeeze, 0, 0, 1, -x, 0);
      if (separator) drawText(ink, separator, 0, height / 2);
      drawText(ink, entry.text, sepWidth, height / 2);
      pieces.push({ canvas: piece, x: x });
    }
    return { text: entry.text, start: start, width: slot, pieces: pieces };
  }

  function follow(doc) {
    if (!doc || doc.lane !== lane || !doc.look) return;
    var first = lastEntry === null;
    look = doc.look;
    shown = doc.shown !== false;
    resize();
    var entry = doc.caption;
    if (!entry || entry.entry === lastEntry) return;
    lastEntry = entry.entry;
    if (entry.fromBlank) captions = [];
    // A page opened while its lane stands still has nothing to show yet.
    if (!entry.text || (first && !doc.rolling)) return;
    var previous = captions[captions.length - 1];
    var start = offset + width;
    if (previous && previous.start + previous.width > start) start = previous.start + previous.width;
    captions.push(makeCaption(entry, start));
  }

  function listen() {
    var address = "/api/overlay?lane=" + lane + (view ? "&view=" + encodeURIComponent(view) : "");
    var source = new EventSource(address);
    source.addEventListener("overlay", function (event) {
      try { follow(JSON.parse(event.data)); } catch (error) { /* a broken document changes nothing */ }
    });
    source.onerror = function () {
      // The browser tries again by itself unless the answer was final (401, 404): then we do, slowly.
      if (source.readyState === EventSource.CLOSED) setTimeout(listen, 5000);
    };
  }

  // The host's frame rate: the hint, or the median of recent frame intervals, taken as the
  // nearest common rate when it is within 3 % of it (a loaded host's timestamps wander); a
  // rate within 0.3 % of the one in use keeps it, so that the step does not flip between 59.94 and 60.
  function measure(interval) {
    if (rateHint || interval <= 0) return;
    intervals.push(interval);
    if (intervals.length > 61) intervals.shift();
    if (intervals.length < 15 || frames % 30 !== 0) return;
    var sorted = intervals.slice().sort(function (a, b) { return a - b; });
    var measured = 1000 / sorted[sorted.length >> 1];
    if (Math.abs(measured - rate) <= rate * 0.003) return;   // 59.94 or 60: keep the one in use
    var nearest = kRates.reduce(function (best, common) {
      return Math.abs(measured - common) < Math.abs(measured - best) ? common : best;
    });
    rate = Math.abs(measured - nearest) <= nearest * 0.03 ? nearest : measured;
  }

  function advance(time) {
    var speed = look ? Math.max(0, Number(look.speed) || 0) : 0;
    var elapsed = lastTime === null ? 0 : time - lastTime;
    lastTime = time;
    if (elapsed >= kAwayMs) {
      carry += speed * elapsed / 1000;
    } else {
      measure(elapsed);
      var step = speed / rate;
      if (Math.abs(step - Math.round(step)) < 1e-9) step = Math.round(step);
      carry += step;
    }
    var whole = Math.floor(carry);
    carry -= whole;
    offset += whole;
    while (captions.length && captions[0].start + captions[0].width <= offset) captions.shift();
  }

  function draw() {
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.globalCompositeOperation = "source-over";
    context.globalAlpha = 1;
    context.clearRect(0, 0, width, height);
    if (background && !matte) {
      context.fillStyle = background;
      context.fillRect(0, 0, width, height);
    }
    var onPage = shown && captions.length && captions[0].start < offset + width;
    if (onPage) {
      if (look.band) {
        context.globalAlpha = Math.max(0, Math.min(100, Number(look.bandOpacity))) / 100;
        context.fillStyle = look.bandColor;
        context.fillRect(0, 0, width, height);
        context.globalAlpha = 1;
      }
      for (var i = 0; i < captions.length && captions[i].start < offset + width; i++) {
        var caption = captions[i];
        for (var j = 0; j < caption.pieces.length; j++) {
          var piece = caption.pieces[j];
          var x = caption.start + piece.x - offset;
          var from = Math.max(0, -x), to = Math.min(piece.canvas.width, width - x), tall = piece.canvas.height;
          if (to > from) context.drawImage(piece.canvas, from, 0, to - from, tall, x + from, 0, to - from, tall);
        }
      }
    }
    if (matte) {
      // The key: white as much as the picture covers, over opaque black.
      context.globalCompositeOperation = "source-in";
      context.fillStyle = "#ffffff";
      context.fillRect(0, 0, width, height);
      context.globalCompositeOperation = "destination-over";
      context.fillStyle = "#000000";
      context.fillRect(0, 0, width, height);
    }
  }

  function frame(time) {
    requestAnimationFrame(frame);
    advance(time);
    draw();
    frames++;
  }

  // Read-only, for tests and measurements: how far the picture has moved, how many frames were
  // drawn, the frame rate and speed in use, the last entry followed, and the texts of the captions
  // in view.
  window.kirunnerOverlay = Object.freeze({
    offset: function () { return offset; },
    frames: function () { return frames; },
    rate: function () { return rate; },
    speed: function () { return look ? Number(look.speed) || 0 : 0; },
    entry: function () { return lastEntry; },
    texts: function () {
      return captions.filter(function (c) { return c.start < offset + width; }).map(function (c) { return c.text; });
    },
  });
  resize();
  listen();
  requestAnimationFrame(frame);
})();
