// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser checks set in the page before it loads, for the checks only (tests/web's
// Page reads this file): functions that read the page as a player sees it, and a watch for
// texts cut off.

// The texts of the window in front that the page does not show whole (a label's words outside
// its label or off the scene, a disabled box's phrase past its box), measured by the browser's
// own layout of the text, not the way the page chose its size.
globalThis.__brivazonCutTexts = function (stillOnly) {
  const scene = document.getElementById('scene').getBoundingClientRect();
  const slack = scene.width / 640;
  const form = [...document.querySelectorAll('.form')].find(f => !f.hidden);
  const cut = [];
  globalThis.__brivazonMoved = false;
  for (const node of form ? form.children : []) {
    if (node.style.display === 'none') continue;
    const place = node.style.left + ',' + node.style.top;
    const still = node.__place === place;
    node.__place = place;
    if (!still) globalThis.__brivazonMoved = true;
    if (stillOnly && !still) continue;
    const box = node.getBoundingClientRect();
    if (box.left < scene.left || box.left >= scene.right || box.top >= scene.bottom) continue;
    if (node.tagName === 'INPUT') {
      if (node.disabled && node.scrollWidth > node.clientWidth + 1)
        cut.push(`${node.dataset.name}: ${JSON.stringify(node.value)}`);
      continue;
    }
    if (!node.textContent) continue;
    // A name too long for its seat even at the least size ends in an ellipsis, on purpose.
    if (/^lblName\d0$/.test(node.dataset.name) && node.style.fontSize === '12px' &&
        node.style.textOverflow === 'ellipsis') continue;
    // Word by word: the blank where a line wraps may hang past the edge unseen.
    const right = Math.min(box.right, scene.right);
    const bottom = Math.min(box.bottom, scene.bottom);
    const words = [];
    for (const m of node.textContent.matchAll(/\S+/g)) {
      const range = document.createRange();
      range.setStart(node.firstChild, m.index);
      range.setEnd(node.firstChild, m.index + m[0].length);
      // A word lies on one line: its widest box (WebKit adds an empty one where the blank
      // before it wrapped, at the end of the line above).
      const boxes = [...range.getClientRects()];
      words.push(boxes.length ? boxes.reduce((a, b) => b.width > a.width ? b : a)
                              : range.getBoundingClientRect());
    }
    const lines = new Set(words.map(r => Math.round(r.top))).size;
    if (words.some(r => r.left < box.left - slack || r.right > right + slack ||
                        (lines > 1 && r.bottom > bottom + slack)))
      cut.push(`${node.dataset.name}: ${JSON.stringify(node.textContent)}`);
  }
  return cut;
};

// A watch that looks after every change of the page and keeps each text it ever found cut
// while its element stood still (a card sliding in from the edge is read once it stops), in
// __brivazonCutSeen.
globalThis.__brivazonWatchCuts = function () {
  globalThis.__brivazonCutSeen = [];
  let pending = false;
  function look() {
    pending = false;
    if (!document.getElementById('scene')) return;
    for (const c of __brivazonCutTexts(true))
      if (!__brivazonCutSeen.includes(c)) __brivazonCutSeen.push(c);
    // Once more after things stop moving.
    if (__brivazonMoved) setTimeout(function () {
      if (!pending) { pending = true; requestAnimationFrame(look); }
    }, 120);
  }
  new MutationObserver(function () {
    if (!pending) { pending = true; requestAnimationFrame(look); }
  }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
};

// The game window's elements as the page shows them, by name, to hold against a dump.
globalThis.__brivazonElements = function () {
  const form = document.querySelector('.form[data-form="frmGame"]');
  const rows = {};
  for (const node of form.children) {
    const s = getComputedStyle(node);
    rows[node.dataset.name] = {
      text: node.tagName === 'INPUT' ? node.value : node.textContent,
      visible: node.style.display === 'none' ? '0' : '1',
      back: s.backgroundColor, auto: node.classList.contains('auto'),
      left: node.style.left, top: node.style.top, width: node.style.width,
      height: node.style.height};
  }
  return rows;
};

// Where the scene and the full-screen button stand, and what of the page is on screen (the
// visual viewport, in the page's coordinates).
globalThis.__brivazonLayout = function () {
  const box = id => { const r = document.getElementById(id).getBoundingClientRect();
                      return [r.left, r.top, r.right, r.bottom]; };
  const v = visualViewport;
  return {scene: box('scene'), button: box('fullscreen'), page: [innerWidth, innerHeight],
          view: [v.offsetLeft, v.offsetTop, v.offsetLeft + v.width, v.offsetTop + v.height],
          full: !!document.fullscreenElement, finger: parseFloat(getComputedStyle(
            document.getElementById('scene')).getPropertyValue('--finger')) *
            document.getElementById('scene').getBoundingClientRect().width / 640,
          keys: BrivazonPage.stats.journal.filter(e => e.what.startsWith('key ')).length};
};

// The players' names shown beyond their seats: each seat in play, left to right, has its share
// of the scene (a third with three, a half with two, all of it with one), and its name tag,
// colour and text, stays within it.
globalThis.__brivazonNamesBeyondSeats = function () {
  const scene = document.getElementById('scene').getBoundingClientRect();
  const scale = scene.width / 640;
  const tags = ['lblName10', 'lblName20', 'lblName30']
    .map(n => document.querySelector(`[data-form=frmGame] [data-name=${n}]`))
    .filter(t => t.getClientRects().length && t.textContent);
  return tags.filter((t, k) => {
    const r = t.getBoundingClientRect();
    const left = (r.left - scene.left) / scale;
    const right = Math.min(640, (r.right - scene.left) / scale);
    return left < 640 * k / tags.length - 0.5 || right > 640 * (k + 1) / tags.length + 0.5;
  }).map(t => `${t.dataset.name}: ${JSON.stringify(t.textContent)}`);
};
