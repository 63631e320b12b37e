// The lanes on the phone remote: while the show holds more than one lane, each lane's 表示ON/OFF
// in place of the one pair, and a lane choice for the text box (kept while the lane still exists).
// Loaded before app.js, which calls it with the page and how to send a strip command.
window.KirunnerLanes = function (document, sendStrip) {
  "use strict";

  function pressed(on, off, shown) {
    on.classList.toggle("active", shown);
    off.classList.toggle("active", !shown);
    on.setAttribute("aria-pressed", String(shown));
    off.setAttribute("aria-pressed", String(!shown));
  }

  function laneLabel(lane) { return lane.name || ("レーン" + lane.number); }

  function renderLanes(lanes) {
    var several = lanes.length > 1;
    document.querySelector(".controls .strip").hidden = several;
    document.getElementById("lanes").hidden = !several;
    document.getElementById("laneChoice").hidden = !several;
    var box = document.getElementById("lanes");
    var choice = document.getElementById("laneInput");
    var chosen = choice.value;
    if (!several) { box.textContent = ""; choice.textContent = ""; return; }
    while (box.children.length > lanes.length) box.removeChild(box.lastChild);
    while (choice.options.length > lanes.length) choice.remove(choice.options.length - 1);
    lanes.forEach(function (lane, index) {
      var group = box.children[index] || box.appendChild(makeLane());
      group.dataset.lane = lane.number;
      group.querySelector(".name").textContent = laneLabel(lane);
      group.setAttribute("aria-label", laneLabel(lane) + "の表示");
      var buttons = group.querySelectorAll("button");
      pressed(buttons[0], buttons[1], lane.shown);
      var option = choice.options[index] || choice.appendChild(document.createElement("option"));
      option.value = String(lane.number);
      option.textContent = laneLabel(lane);
    });
    choice.value = chosen && choice.querySelector('option[value="' + chosen + '"]') ? chosen : "1";
  }

  function makeLane() {
    var group = document.createElement("div");
    group.className = "lane strip";
    group.setAttribute("role", "group");
    var name = document.createElement("span");
    name.className = "name";
    group.appendChild(name);
    [["表示ON", true], ["表示OFF", false]].forEach(function (part) {
      var button = document.createElement("button");
      button.type = "button";
      button.textContent = part[0];
      button.addEventListener("click", function () {
        sendStrip({ shown: part[1], lane: Number(group.dataset.lane) });
      });
      group.appendChild(button);
    });
    return group;
  }

  return { render: renderLanes, pressed: pressed };
};
