"use strict";
// The guests' page: search, sign up for a song, see the queue and take one's
// own songs back; the host's controls behind the PIN. The state comes over
// a WebSocket whenever it changes.

const lang = document.documentElement.lang === "ru" ? "ru" : "en";
const T = TEXTS[lang];
const $ = (id) => document.getElementById(id);
const say = (key, args = {}) => (T[key] || key).replace(/\{(\w+)\}/g, (_, k) => args[k]);

let guest = JSON.parse(localStorage.getItem("lyrova-guest") || "null");
let pin = sessionStorage.getItem("lyrova-pin") || "";
let state = { queue: [], singers: [], playing: null };
let search = { by: "title", q: "", page: 0 };

function show(message) {
  $("message").textContent = message;
}

async function call(method, path, body, extra = {}) {
  const headers = { ...extra };
  if (guest) headers["X-Lyrova-Token"] = guest.token;
  if (body !== undefined) headers["Content-Type"] = "application/json";
  const response = await fetch(path, { method, headers, body: body === undefined ? undefined : JSON.stringify(body) });
  const text = await response.text();
  const data = text ? JSON.parse(text) : {};
  if (!response.ok) {
    const wait = response.headers.get("Retry-After");
    throw new Error(say(data.error || "failed", { n: wait }));
  }
  return data;
}

async function ensureGuest() {
  if (guest) return;
  guest = await call("POST", "/api/guest");
  localStorage.setItem("lyrova-guest", JSON.stringify(guest));
}

function item(parts, buttons = []) {
  const li = document.createElement("li");
  for (const [cls, text] of parts) {
    const span = document.createElement("span");
    span.className = cls;
    span.textContent = text;
    li.append(span);
  }
  for (const [label, action] of buttons) {
    const b = document.createElement("button");
    b.type = "button";
    b.textContent = label;
    b.addEventListener("click", () => action().catch((e) => show(e.message)));
    li.append(b);
  }
  return li;
}

async function runSearch() {
  const query = new URLSearchParams({ by: search.by, q: search.q, page: search.page });
  const data = await call("GET", "/api/search?" + query);
  $("found").textContent = data.total ? say("found", { n: data.total }) : say("none");
  $("results").replaceChildren(
    ...data.songs.map((s) =>
      item([["code", String(s.code).padStart(4, "0")], ["title", s.title], ["artist", s.singer]],
           [[say("add"), () => addSong(s)]])));
  $("prev").hidden = data.page === 0;
  $("next").hidden = (data.page + 1) * data.pageSize >= data.total;
}

async function addSong(song) {
  const name = $("name").value.trim();
  localStorage.setItem("lyrova-name", name);
  await ensureGuest();
  await call("POST", "/api/queue", { code: song.code, singer: name });
  show(say("added", { title: song.title }));
}

function host(action, body) {
  return call("POST", "/api/host/" + action, body, { "X-Lyrova-Pin": pin });
}

function render() {
  const p = state.playing;
  $("playing").textContent = p ? say(p.paused ? "paused" : "nowPlaying", p) : say("nothing");
  const mine = guest ? guest.guest : null;
  const rows = state.queue.map((e, i) => {
    const buttons = [];
    if (e.guest && e.guest === mine) buttons.push([say("takeBack"), () => call("DELETE", "/api/queue/" + e.id)]);
    if (pin) buttons.push([say("remove"), () => host("remove", { id: e.id })]);
    const li = item([["place", String(i + 1)], ["singer", e.singer], ["title", e.title], ["round", say("round", { n: e.round })]],
                    buttons);
    if (e.guest && e.guest === mine) li.classList.add("mine");
    return li;
  });
  if (!rows.length) rows.push(item([["note", say("empty")]]));
  $("queue").replaceChildren(...rows);
  const first = state.queue.findIndex((e) => e.guest && e.guest === mine);
  $("place").textContent = first < 0 ? say("noPlace") : say("yourPlace", { n: first + 1 });
  $("singers").replaceChildren(
    ...state.singers.map((s, i) =>
      item([["singer", s.name], ["note", s.held ? say("held") : ""]],
           [[say("up"), () => host("move", { singer: s.name, to: Math.max(0, i - 1) })],
            [say(s.held ? "release" : "hold"), () => host("hold", { singer: s.name, held: !s.held })]])));
}

function listen() {
  const socket = new WebSocket((location.protocol === "https:" ? "wss://" : "ws://") + location.host + "/ws");
  socket.onopen = () => ($("offline").hidden = true);
  socket.onmessage = (event) => {
    state = JSON.parse(event.data);
    render();
  };
  socket.onclose = () => {
    $("offline").hidden = false;
    setTimeout(listen, 2000);
  };
}

function start() {
  for (const el of document.querySelectorAll("[data-text]")) el.textContent = say(el.dataset.text);
  $("name").value = localStorage.getItem("lyrova-name") || "";
  $("searchForm").addEventListener("submit", (event) => {
    event.preventDefault();
    search = { by: $("by").value, q: $("query").value, page: 0 };
    runSearch().catch((e) => show(e.message));
  });
  $("prev").addEventListener("click", () => { search.page -= 1; runSearch().catch((e) => show(e.message)); });
  $("next").addEventListener("click", () => { search.page += 1; runSearch().catch((e) => show(e.message)); });
  $("pinForm").addEventListener("submit", (event) => {
    event.preventDefault();
    pin = $("pin").value.trim();
    host("check").then(() => {
      sessionStorage.setItem("lyrova-pin", pin);
      $("hostControls").hidden = false;
      $("pinForm").hidden = true;
      render();
    }).catch((e) => { pin = ""; show(e.message); });
  });
  for (const b of document.querySelectorAll("[data-action]")) {
    b.addEventListener("click", () => {
      const body = b.dataset.by ? { by: Number(b.dataset.by) } : undefined;
      host(b.dataset.action, body).catch((e) => show(e.message));
    });
  }
  if (pin) {
    $("hostControls").hidden = false;
    $("pinForm").hidden = true;
  }
  render();
  listen();
}

start();
