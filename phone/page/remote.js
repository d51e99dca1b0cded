// The phone remote page. Its pairing code comes in the address's fragment (never sent over the
// network); every message it sends carries a counter that only rises and the HMAC-SHA256 of
// the message under the code, so the program can tell this page from anybody else.
"use strict";
(() => {
  const stateView = document.getElementById("state");
  const keyView = document.getElementById("answer-key");
  const code = location.hash.slice(1).toLowerCase();
  const STATES = {
    "connecting": "Connecting\u2026",
    "paired": "Connected",
    "disconnected": "Connection lost \u2013 reconnecting\u2026",
    "refused": "Not paired: scan the QR code shown on the chart's control window",
    "no-code": "No pairing code: scan the QR code shown on the chart's control window",
  };
  function show(state) {
    stateView.dataset.state = state;
    stateView.textContent = STATES[state];
    document.body.classList.toggle("stale", state !== "paired");
  }
  if (!/^[0-9a-f]{32}$/.test(code)) {
    show("no-code");
    return;
  }
  const key = Sha256.bytesOfHex(code);

  // The page's own name and its last counter outlive a reload: a page that reloads keeps its
  // pairing, and its counter never falls back.
  const store = (() => {
    try { localStorage.setItem("lenvari-probe", "1"); return localStorage; } catch (e) { return null; }
  })();
  const memory = {};
  const get = (name) => (store ? store.getItem(name) : memory[name]) || "";
  const put = (name, value) => { if (store) store.setItem(name, value); else memory[name] = value; };
  let phone = get("lenvari-phone-" + code);
  if (!/^[0-9a-f]{32}$/.test(phone)) {
    phone = Sha256.hex(crypto.getRandomValues(new Uint8Array(16)));
    put("lenvari-phone-" + code, phone);
  }
  let counter = Number(get("lenvari-counter-" + code)) || 0;

  function sign(input) {
    counter = Math.max(counter + 1, Date.now());
    put("lenvari-counter-" + code, String(counter));
    const body = phone + " " + counter + " " + (input === "" ? "-" : Sha256.hex(Sha256.ascii(input)));
    return body + " " + Sha256.hex(Sha256.hmac(key, Sha256.ascii(body)));
  }

  function showKey(message) {
    keyView.textContent = "";
    const line = (text, cls) => {
      const div = document.createElement("div");
      if (cls) div.className = cls;
      div.textContent = text;
      keyView.appendChild(div);
    };
    if (message.caption) line(message.caption, "caption");
    if (message.heading) line(message.heading, "heading");
    for (const row of message.rows) line(row, "row");
    keyView.dataset.frame = String(message.frame);
  }

  let socket = null;
  let retry = 500;
  function connect() {
    show("connecting");
    socket = new WebSocket("ws://" + location.host + "/ws");
    socket.onopen = () => { retry = 500; socket.send(sign("")); };
    socket.onmessage = (event) => {
      let message;
      try { message = JSON.parse(event.data); } catch (e) { return; }
      if (message.t === "paired") show("paired");
      else if (message.t === "refused") show("refused");
      else if (message.t === "key") showKey(message);
    };
    socket.onclose = () => {
      socket = null;
      // A refused page stays refused: trying again would only be refused again.
      if (stateView.dataset.state === "refused") return;
      show("disconnected");
      setTimeout(connect, retry);
      retry = Math.min(retry * 2, 5000);
    };
  }

  for (const button of document.querySelectorAll("button[data-input]")) {
    button.addEventListener("click", () => {
      if (!socket || socket.readyState !== WebSocket.OPEN) return;
      socket.send(sign(button.dataset.input));
      button.classList.add("sent");
      setTimeout(() => button.classList.remove("sent"), 150);
    });
  }
  connect();
})();
