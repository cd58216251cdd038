#include "remote/RemotePage.h"

#include <string>

namespace {

// What both pages begin with.
constexpr std::string_view kHead = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1, viewport-fit=cover">
<meta name="color-scheme" content="dark">
<title>Cuecraft Remote</title>
)html";

constexpr std::string_view kRemotePage = R"html(<style>
:root { --bg:#000; --panel:#15171c; --text:#e8e8e8; --dim:#9aa0a6; --accent:#f5a623; --go:#2e7d32; --stop:#b71c1c; }
* { box-sizing:border-box; }
html, body { margin:0; background:var(--bg); color:var(--text); font:18px/1.35 system-ui, sans-serif; }
body { min-height:100vh; display:flex; flex-direction:column; padding:env(safe-area-inset-top) 12px 12px; gap:12px; }
header { display:flex; flex-wrap:wrap; align-items:baseline; gap:4px 16px; padding-top:10px; }
#state { font-size:1.6rem; font-weight:700; }
#state.playing { color:#7bd88f; } #state.paused { color:var(--accent); } #state.offline { color:#ff6b6b; }
#script { color:var(--dim); overflow:hidden; text-overflow:ellipsis; white-space:nowrap; max-width:100%; }
.figures { display:flex; flex-wrap:wrap; gap:4px 20px; font-size:1.1rem; }
.figures span:empty { display:none; }
progress { width:100%; height:14px; accent-color:var(--accent); }
#message { min-height:1.4em; color:var(--accent); }
main { flex:1; display:grid; gap:10px; grid-template-columns:repeat(2, 1fr); align-content:start; }
button { min-height:64px; min-width:48px; font:inherit; font-size:1.25rem; font-weight:600; color:var(--text);
  background:var(--panel); border:2px solid #333a44; border-radius:14px; touch-action:manipulation;
  user-select:none; -webkit-user-select:none; -webkit-touch-callout:none; }
button:active, button.held { background:#2a2f38; border-color:var(--accent); }
button:focus-visible { outline:3px solid var(--accent); outline-offset:2px; }
button:disabled { opacity:.45; }
#play { background:var(--go); } #play.stop { background:var(--stop); }
#play, #pause { min-height:88px; font-size:1.5rem; }
body.offline main, body.offline .figures, body.offline progress, body.offline #script { opacity:.4; }
body.offline #play { background:var(--panel); }
@media (min-width:700px) { main { grid-template-columns:repeat(4, 1fr); } }
@media (orientation:portrait) and (max-width:699px) {
  main { grid-auto-rows:minmax(64px, 1fr); align-content:stretch; } /* down to the thumbs */
}
@media (orientation:landscape) and (max-height:500px) {
  body { flex-direction:row; } header { flex-direction:column; width:38%; }
  main { grid-template-columns:repeat(4, 1fr); } button, #play, #pause { min-height:56px; }
}
</style>
</head>
<body class="offline">
<header aria-live="polite">
  <div id="state" class="offline" role="status">Not connected, retrying</div>
  <div id="script" aria-label="Script"></div>
  <div class="figures">
    <span id="direction"></span>
    <span id="delay"></span>
    <span id="line"></span>
  </div>
  <progress id="progress" max="1" value="0" aria-label="Progress through the script"></progress>
  <div id="message"></div>
</header>
<main>
  <button id="play" aria-label="Play">Play</button>
  <button id="pause" aria-label="Pause">Pause</button>
  <button id="faster" aria-label="Faster">Faster</button>
  <button id="slower" aria-label="Slower">Slower</button>
  <button id="faster4" aria-label="Much faster">Much faster</button>
  <button id="slower4" aria-label="Much slower">Much slower</button>
  <button id="back" aria-label="Back, runs backward while held">&#9664; Back</button>
  <button id="forward" aria-label="Forward">Forward &#9654;</button>
</main>
<script>
"use strict";
if (location.search) history.replaceState(null, "", "/");
const $ = (id) => document.getElementById(id);
let socket = null, state = null, retry = 500, aliveTimer = 0, backHeld = false;

function connect() {
  const ws = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/api/live");
  ws.onopen = () => { socket = ws; retry = 500; };
  ws.onmessage = (e) => { try { show(JSON.parse(e.data)); } catch (err) {} };
  ws.onclose = () => {
    if (socket === ws) socket = null;
    offline();
    // A key that no longer holds (a new one was made): back to the key field.
    fetch("/api/state", { credentials: "same-origin" })
      .then((r) => { if (r.status === 401) location.replace("/"); }).catch(() => {});
    setTimeout(connect, retry);
    retry = Math.min(retry * 2, 4000);
  };
}

function offline() {
  state = null;
  $("state").textContent = "Not connected, retrying";
  $("state").className = "offline";
  document.body.classList.add("offline"); // what it still shows is no longer live
}

function note(text) {
  $("message").textContent = text;
  setTimeout(() => { if ($("message").textContent === text) $("message").textContent = ""; }, 3000);
}

function show(s) {
  if (s.error) { note(s.error); return; }
  if (s.result === "not applicable" || s.result === "busy") {
    note(s.reason || "Not possible now");
  }
  state = s;
  document.body.classList.remove("offline");
  const st = $("state");
  st.textContent = !s.playing ? "Stopped" : s.paused ? "Paused" : "Playing";
  st.className = !s.playing ? "stopped" : s.paused ? "paused" : "playing";
  $("script").textContent = s.script || "";
  $("direction").textContent = s.playing ? (s.direction === "backward" ? "Backward" : "Forward") : "";
  const speed = Math.round(1000 / Math.max(s.delay, 1));
  $("delay").textContent = "Delay " + s.delay + " (" + speed + " px/s)";
  $("line").textContent = "Line " + s.line + " of " + s.lines;
  $("progress").value = s.lines > 0 ? Math.min(s.line / s.lines, 1) : 0;
  const play = $("play");
  play.textContent = s.playing ? "Stop" : "Play";
  play.classList.toggle("stop", s.playing);
  play.setAttribute("aria-label", s.playing ? "Stop" : "Play");
  const pause = $("pause");
  pause.textContent = s.paused ? "Resume" : "Pause";
  pause.setAttribute("aria-label", s.paused ? "Resume" : "Pause");
}

function send(command) {
  if (socket && socket.readyState === WebSocket.OPEN) {
    socket.send(JSON.stringify({ command }));
    return;
  }
  fetch("/api/" + command, { method: "POST", credentials: "same-origin" })
    .then((r) => r.json()).then(show).catch(() => {});
}

function playStop() { send(state && state.playing ? "stop" : "play"); }
function pauseResume() { send(state && state.paused ? "resume" : "pause"); }

// Back runs backward while held; the socket hears from us while it does, so
// a phone that dies mid-hold lets the prompter pause.
function backDown() {
  if (backHeld) return;
  backHeld = true;
  $("back").classList.add("held");
  send("backward");
  aliveTimer = setInterval(() => send("alive"), 250);
}
function backUp() {
  if (!backHeld) return;
  backHeld = false;
  $("back").classList.remove("held");
  clearInterval(aliveTimer);
  send("pause");
}

$("play").onclick = playStop;
$("pause").onclick = pauseResume;
for (const id of ["faster", "slower", "faster4", "slower4", "forward"]) $(id).onclick = () => send(id);
const back = $("back");
back.addEventListener("pointerdown", (e) => { e.preventDefault(); back.setPointerCapture(e.pointerId); backDown(); });
for (const ev of ["pointerup", "pointercancel", "lostpointercapture"]) back.addEventListener(ev, backUp);
back.addEventListener("contextmenu", (e) => e.preventDefault());
back.addEventListener("keydown", (e) => { if ((e.key === "Enter" || e.key === " ") && !e.repeat) { e.preventDefault(); backDown(); } });
back.addEventListener("keyup", (e) => { if (e.key === "Enter" || e.key === " ") { e.preventDefault(); backUp(); } });
window.addEventListener("blur", backUp);

const keys = {
  PageUp: () => send("faster4"), PageDown: () => send("slower4"),
  ArrowUp: () => send("faster"), ArrowDown: () => send("slower"),
  ArrowRight: () => send("forward"), ArrowLeft: backDown,
  " ": pauseResume, Escape: () => send("stop"),
};
document.addEventListener("keydown", (e) => {
  if (e.target === back && (e.key === "Enter" || e.key === " ")) return;
  const act = keys[e.key];
  if (!act) return;
  e.preventDefault();
  if (!e.repeat) act();
});
document.addEventListener("keyup", (e) => { if (e.key === "ArrowLeft") { e.preventDefault(); backUp(); } });

connect();
</script>
</body>
</html>
)html";

constexpr std::string_view kKeyPage = R"html(<style>
body { margin:0; min-height:100vh; display:flex; align-items:center; justify-content:center;
  background:#000; color:#e8e8e8; font:18px/1.4 system-ui, sans-serif; }
form { display:flex; flex-direction:column; gap:14px; padding:20px; width:min(92vw, 420px); }
input, button { min-height:56px; font:inherit; border-radius:12px; padding:0 14px; }
input { background:#15171c; color:#e8e8e8; border:2px solid #333a44; }
button { background:#2e7d32; color:#fff; border:0; font-weight:600; }
</style>
</head>
<body>
<form method="get" action="/">
  <label for="key">Access key, as the prompter's Remote Control window shows it</label>
  <input id="key" name="key" autocomplete="off" autocapitalize="off" spellcheck="false" required
         aria-label="Access key">
  <button id="pair" type="submit" aria-label="Pair this device">Pair</button>
</form>
</body>
</html>
)html";

} // namespace

std::string_view RemotePageHtml() {
    static const std::string page = std::string(kHead) + std::string(kRemotePage);
    return page;
}

std::string_view KeyPageHtml() {
    static const std::string page = std::string(kHead) + std::string(kKeyPage);
    return page;
}
