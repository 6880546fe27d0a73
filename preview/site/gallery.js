// The gallery page script: sends what the user does to the live screen on the server and swaps
// in the screen it answers with; waits for newer versions of the screen (delayed work, other
// tabs) and shows them without a reload. No build step, no framework.
(() => {
  "use strict";
  const body = document.body;
  const page = body.dataset.page;
  const params = new URLSearchParams(location.search);
  const settings = () =>
    new URLSearchParams({ locale: params.get("locale") || "en_US", appearance: params.get("appearance") || "auto" });
  const screen = document.getElementById("gallery-screen");
  const errorLine = document.getElementById("gallery-error");

  function showError(text) {
    if (!errorLine) return;
    errorLine.textContent = text;
    errorLine.hidden = !text;
  }

  function post(path, fields) {
    return fetch(path + "?" + settings(), {
      method: "POST",
      headers: { "Content-Type": "application/x-www-form-urlencoded" },
      body: new URLSearchParams(fields),
    });
  }

  /// Swaps in a newer screen, keeping the focus and caret of the field being typed in.
  function swap(html, version) {
    if (Number(version) < Number(body.dataset.version)) return;
    const active = document.activeElement;
    const node = active && active.dataset ? active.dataset.node : undefined;
    const caret = node && active.selectionStart !== undefined ? [active.selectionStart, active.selectionEnd] : null;
    // What the user is typing wins over an older answer; it is on its way to the server.
    const typed = node && active.dataset.act === "type" ? active.value : null;
    screen.innerHTML = html;
    body.dataset.version = version;
    if (node) {
      const again = screen.querySelector('[data-node="' + node + '"]');
      if (again) {
        if (typed !== null) again.value = typed;
        again.focus();
        if (caret && again.setSelectionRange) {
          try { again.setSelectionRange(caret[0], caret[1]); } catch (e) { /* not a text input */ }
        }
      }
    }
  }

  function followSwitches(response) {
    const incognito = document.getElementById("gallery-incognito");
    const on = response.headers.get("X-Gallery-Incognito");
    if (incognito && on !== null) incognito.checked = on === "1";
  }

  async function answer(response) {
    followSwitches(response);
    if (response.status === 200) {
      swap(await response.text(), response.headers.get("X-Page-Version"));
      showError("");
    } else if (response.status === 409) {
      await refresh();
    } else if (response.status !== 204) {
      showError(await response.text());
    }
  }

  async function refresh() {
    const response = await fetch("/page/" + page + "/screen?" + settings());
    await answer(response);
  }

  let pending = Promise.resolve();
  /// Actions go one after another, each against the version the last one answered with.
  function act(element, value) {
    pending = pending.then(async () => {
      const response = await post("/page/" + page + "/act", {
        node: element.dataset.node,
        act: element.dataset.act,
        value: value,
        version: body.dataset.version,
      });
      await answer(response);
    }).catch((e) => showError(String(e)));
    return pending;
  }

  async function follow() {
    for (;;) {
      try {
        const query = settings();
        query.set("after", body.dataset.version);
        const response = await fetch("/page/" + page + "/screen?" + query);
        followSwitches(response);
        if (response.status === 200) swap(await response.text(), response.headers.get("X-Page-Version"));
        else if (response.status !== 204) await new Promise((r) => setTimeout(r, 1000));
      } catch (e) {
        // The server is gone or the page is being left; try again shortly.
        await new Promise((r) => setTimeout(r, 1000));
      }
    }
  }

  document.addEventListener("click", (event) => {
    const target = event.target.closest('[data-act="press"], [data-act="dismiss"]');
    if (target && !target.disabled) {
      event.preventDefault();
      act(target, "");
      return;
    }
    if (event.target.id === "gallery-reset")
      pending = pending.then(async () => answer(await post("/page/" + page + "/reset", {})));
  });

  const typing = new Map();
  document.addEventListener("input", (event) => {
    const field = event.target;
    if (field.dataset.act !== "type") return;
    clearTimeout(typing.get(field.dataset.node));
    typing.set(field.dataset.node, setTimeout(() => act(field, field.value), 300));
  });

  document.addEventListener("change", (event) => {
    const target = event.target;
    if (target.id === "gallery-locale" || target.id === "gallery-appearance") {
      params.set(target.name, target.value);
      location.search = params.toString();
    } else if (target.id === "gallery-incognito") {
      pending = pending.then(async () => {
        await post("/settings/incognito", { on: target.checked ? "1" : "0" });
        if (page) await refresh();
      });
    } else if (target.dataset.act === "flip") {
      act(target, "");
    } else if (target.dataset.act === "choose" || target.dataset.act === "pick") {
      act(target, target.value);
    } else if (target.dataset.act === "type") {
      clearTimeout(typing.get(target.dataset.node));
      act(target, target.value);
    }
  });

  if (page) follow();
})();
