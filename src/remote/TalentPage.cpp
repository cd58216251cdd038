#include "remote/TalentPage.h"

namespace {

// Positions are in output pixels ("rows") throughout; the page scales the
// output's width to its own. The lines arrive already wrapped: the browser
// never wraps them again, and narrows a line its font makes too wide.
constexpr std::string_view kTalentPage = R"HTML(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1, viewport-fit=cover">
<title>Cuecraft talent view</title>
<style>
html, body { margin:0; height:100%; overflow:hidden; background:#000; }
#stage { position:fixed; inset:0; overflow:hidden; }
#stage.mirror { transform:scaleX(-1); }
#text { position:absolute; left:0; top:0; transform-origin:0 0; will-change:transform; }
.line { position:absolute; left:0; white-space:pre; overflow:visible; }
.line > span { display:inline-block; white-space:pre; }
#lost { position:fixed; right:10px; top:10px; padding:6px 12px; border-radius:8px;
  background:#7a1010; color:#fff; font:16px system-ui, sans-serif; display:none; z-index:2; }
#lost.shown { display:block; }
#mirrorSwitch { position:fixed; left:10px; bottom:10px; min-width:48px; min-height:48px; z-index:2;
  opacity:0.35; background:#222; color:#fff; border:1px solid #555; border-radius:10px;
  font:14px system-ui, sans-serif; }
#mirrorSwitch[aria-pressed="true"] { opacity:0.7; }
</style>
</head>
<body>
<div id="stage"><div id="text" role="document" aria-label="Script"></div></div>
<div id="lost" role="status" aria-live="polite">Prompter connection lost</div>
<button id="mirrorSwitch" aria-pressed="false" aria-label="Mirror on this screen">Mirror</button>
<script>
"use strict";
if (location.search) history.replaceState(null, "", "/prompter");
const $ = (id) => document.getElementById(id);
let script = null, rep = null, shown = 0, settling = true, lastFrame = 0;
let extraMs = 0, hold = null, stoppedAt = 0, retry = 500, anchor = 0, frameMs = 16.7;
let deviceMirror = localStorage.getItem("talentMirror") === "1";

// Where the program stands at `now`: its last reading moved on at its pace,
// one row every stepMs plus what each step costs beyond its wait, as the
// readings show it; that cost carries over to the next speed.
function pace() {
  if (!rep) return 1;
  const step = Math.max(rep.stepMs, 1);
  return step + Math.max(-0.2 * step, Math.min(step, extraMs));
}
// A direction takes effect at the next line: the rest of the line being
// walked goes on the way it began, at the new pace.
function target(now) {
  if (!rep) return 0;
  if (hold !== null) return hold;
  if (!rep.playing) return rep.neverPlayed ? previewRows() : rep.rows;
  if (!rep.running) return rep.rows;
  const steps = Math.max(now - rep.t, 0) / pace();
  if (rep.lineDir === rep.dir || !script) return rep.rows + rep.dir * steps;
  const rest = lineRest();
  if (steps <= rest) return rep.rows + rep.lineDir * steps;
  return rep.rows + rep.lineDir * rest + rep.dir * (steps - rest);
}
// Before Play: the script from the caret's line, from the top.
function previewRows() { return script ? visibleRows() : 0; }
function scale() { return script ? window.innerWidth / script.outputWidth : 1; }
function visibleRows() { return window.innerHeight / scale(); }

// Rows left of the line being walked, from the last reading.
function lineRest() {
  const p = script.pitch;
  return rep.lineDir > 0 ? Math.ceil(rep.rows / p) * p - rep.rows
                         : rep.rows - Math.floor(rep.rows / p) * p;
}

// The direction of the line being walked at `now`, as the page models it.
function lineDirAt(now) {
  if (rep.lineDir === rep.dir || !rep.running) return rep.lineDir;
  const rest = lineRest();
  return Math.max(now - rep.t, 0) / pace() < rest ? rep.lineDir : rep.dir;
}

function report(p) {
  const now = performance.now();
  const next = { rows: p.rows, t: now - p.age, stepMs: p.stepMs, running: p.running,
    playing: p.playing, dir: p.backward ? -1 : 1, neverPlayed: false };
  if (!p.playing && (!rep || rep.neverPlayed) && p.rows === 0) next.neverPlayed = true;
  // At a line's edge the next line takes the new direction; inside one the
  // line keeps the direction it had.
  const edge = !script || p.rows % script.pitch === 0 || !rep || !rep.playing;
  next.lineDir = edge ? next.dir : lineDirAt(now);
  const same = rep && rep.running && next.running && rep.dir === next.dir &&
    rep.lineDir === rep.dir && next.lineDir === next.dir &&
    rep.stepMs === next.stepMs && rep.playing === next.playing;
  if (same && next.rows !== rep.rows) {
    const seen = (next.t - rep.t) / ((next.rows - rep.rows) * next.dir);
    if (seen > 0) extraMs = extraMs * 0.7 + (seen - Math.max(next.stepMs, 1)) * 0.3;
  } else if (!same) {
    settling = true;
  }
  if (rep && rep.playing && !p.playing) stoppedAt = now;
  hold = null; // the program speaks again
  rep = next;
  mirror(p.mirror);
}

function frame(now) {
  const dt = lastFrame ? Math.min(now - lastFrame, 100) : 16;
  frameMs += (Math.max(4, Math.min(dt, 50)) - frameMs) * 0.1;
  // A frame stays current until the next: drawn for the middle of that time,
  // it is as far ahead of the program at its start as behind at its end.
  const t = target(now + frameMs / 2);
  // The model's own move over this frame; a new reading's jump is error,
  // to be eased into, not a move to make at once.
  const natural = lastFrame ? t - target(lastFrame + frameMs / 2) : 0;
  lastFrame = now;
  const err = t - (shown + natural);
  if (Math.abs(err) > 3 * (script ? script.pitch : 40)) {
    shown = t; // a new playback, a seek: no point gliding
  } else if (settling || natural === 0) {
    shown += natural + err * (1 - Math.exp(-dt / 35));
    if (Math.abs(err) < 0.5) settling = false;
  } else {
    // At a steady speed the correction stays a share of the frame's own
    // move: never a step back, and no frame moves twice another. The share
    // grows with the error, from a third to nine tenths.
    const off = Math.abs(err) / (script ? script.pitch : 40);
    const limit = Math.abs(natural) * Math.min(0.9, 0.3 + 4 * Math.max(0, off - 0.05));
    shown += natural + Math.max(-limit, Math.min(limit, err * (1 - Math.exp(-dt / 150))));
  }
  place();
  requestAnimationFrame(frame);
}

function place() {
  if (!script) return;
  const s = scale();
  // Stopped, the rows count from the line the playback began with, though
  // the caret has moved on since.
  if (!rep || rep.playing || rep.neverPlayed) anchor = script.first;
  const y = visibleRows() - shown - anchor * script.pitch;
  $("text").style.transform = "scale(" + s + ") translateY(" + y + "px)";
  $("text").dataset.rows = shown.toFixed(2);
}

function mirror(programMirror) {
  if (programMirror !== undefined) mirror.program = programMirror;
  $("stage").classList.toggle("mirror", !!mirror.program !== deviceMirror);
  $("mirrorSwitch").setAttribute("aria-pressed", deviceMirror ? "true" : "false");
}

function build(s) {
  // After a stop the page holds where the playback stopped; once the
  // operator moves the caret it shows the script from there, as Play would.
  const moved = script && (s.first !== script.first || s.lines.length !== script.lines.length);
  if (moved && rep && !rep.playing && !rep.neverPlayed && performance.now() - stoppedAt >= 1500) {
    rep.neverPlayed = true;
    settling = true;
  }
  script = s;
  document.body.style.background = s.background;
  const text = $("text");
  text.style.width = s.outputWidth + "px";
  text.style.color = s.color;
  text.style.fontFamily = '"' + s.face.replace(/["\\]/g, "") + '", sans-serif';
  text.style.fontSize = s.fontPx + "px";
  text.style.fontWeight = s.bold ? "bold" : "normal";
  text.style.fontStyle = s.italic ? "italic" : "normal";
  text.style.textDecoration = s.underline ? "underline" : "none";
  const part = document.createDocumentFragment();
  s.lines.forEach((line, i) => {
    const div = document.createElement("div");
    div.className = "line";
    div.dataset.line = String(i + 1);
    div.style.top = i * s.pitch + "px";
    div.style.width = s.outputWidth + "px";
    div.style.height = s.pitch + "px";
    div.style.lineHeight = (s.pitch + 1) + "px";
    div.style.textAlign = s.align;
    div.dir = s.rtl ? "rtl" : "ltr";
    const span = document.createElement("span");
    span.textContent = line;
    div.appendChild(span);
    part.appendChild(div);
  });
  text.replaceChildren(part);
  fit();
  mirror(s.mirror);
  place();
}

// A line the device's font makes wider than the output is narrowed.
function fit() {
  if (!script) return;
  const origin = script.align === "center" ? "50% 0" : script.align === "right" ? "100% 0" : "0 0";
  for (const span of $("text").querySelectorAll(".line > span")) {
    span.style.transform = "";
    const w = span.offsetWidth;
    if (w > script.outputWidth) {
      span.style.transformOrigin = origin;
      span.style.transform = "scaleX(" + (script.outputWidth / w) + ")";
    }
  }
}

function connect() {
  const ws = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host +
    "/api/live?view=prompter");
  ws.onopen = () => { retry = 500; $("lost").classList.remove("shown"); };
  ws.onmessage = (e) => {
    let m;
    try { m = JSON.parse(e.data); } catch (err) { return; }
    if (m.type === "script") build(m);
    else if (m.type === "position") report(m);
  };
  ws.onclose = () => {
    // Hold what is on screen until the program answers again.
    if (rep) { hold = shown; settling = true; }
    $("lost").classList.add("shown");
    fetch("/api/state", { credentials: "same-origin" })
      .then((r) => { if (r.status === 401) location.replace("/"); }).catch(() => {});
    setTimeout(connect, retry);
    retry = Math.min(retry * 2, 4000);
  };
}

let wakeLock = null;
async function stayAwake() {
  try {
    if ("wakeLock" in navigator && document.visibilityState === "visible" && !wakeLock) {
      wakeLock = await navigator.wakeLock.request("screen");
      wakeLock.addEventListener("release", () => { wakeLock = null; });
    }
  } catch (err) { wakeLock = null; }
}

$("mirrorSwitch").addEventListener("click", (e) => {
  e.stopPropagation();
  deviceMirror = !deviceMirror;
  localStorage.setItem("talentMirror", deviceMirror ? "1" : "0");
  mirror();
});
document.addEventListener("click", () => {
  const root = document.documentElement;
  if (!document.fullscreenElement && root.requestFullscreen) root.requestFullscreen().catch(() => {});
  stayAwake();
});
document.addEventListener("visibilitychange", stayAwake);
window.addEventListener("resize", place);
if (document.fonts && document.fonts.ready) document.fonts.ready.then(fit);
// For tests and the bench: the position drawn, in output rows.
window.talentRows = () => shown;
mirror(false);
stayAwake();
connect();
requestAnimationFrame(frame);
</script>
</body>
</html>
)HTML";

} // namespace

std::string_view TalentPageHtml() { return kTalentPage; }
