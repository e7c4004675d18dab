// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The DOM side of the browser backend, run before the game's WebAssembly starts.
//
// Each window is a 640 x 480 layer of the scene; each label a positioned element whose caption
// goes in as text, never as markup; each text box a real <input>, so that accents, dead keys,
// composition and on-screen keyboards work as in any page. The scene is scaled as a whole to fit
// the viewport. The page's events are queued for the game, which takes them when it wakes
// (see web_platform.h); the game's clock is the page's, stopped while the page is hidden.
/* global Module, HEAP32, HEAPF64, _malloc, stringToUTF8, lengthBytesUTF8,
   addRunDependency, removeRunDependency, BrivazonOffline */
var BrivazonPage = (function () {
  'use strict';

  var WIDTH = 640;
  var HEIGHT = 480;
  // The game's number for each kind of event and key, by name (given by the game at its start).
  var CODE = {};
  var TAP_UNIT = 100;  // a tap's place goes to the game in hundredths of the scene's pixels
  var FINGER = 44;     // the least size of a target, in CSS pixels
  var BUTTON_GAP = 6;  // CSS pixels between the full-screen button and the screen's edges

  var test = globalThis.__brivazonTest || null;  // set only by the browser test
  var forms = [];
  var scene = null;
  var queue = [];
  var current = null;
  var wakeGame = null;
  var timer = null;
  var offset = performance.now();
  var hiddenAt = null;
  var dialogs = [];
  var ended = false;
  var leftFullScreen = -Infinity;  // when the page last left full screen
  var audio = null;
  var measurer = null;
  var keyboardBox = null;  // the <input> the game gave the keyboard, if any
  var hinted = false;      // the buzz zones' hint was shown once
  var lastTap = -1;        // the time stamp of the last finger that landed
  var waker = new MessageChannel();
  waker.port1.onmessage = function () { if (wakeGame) wakeGame(); };
  var stats = { timerCallbacks: 0, beeps: 0, tones: 0, firstPaint: null, journal: [], said: [] };
  var TITLE = document.title;

  function css(rgb, fallback) {
    if (rgb < 0) return fallback;
    return 'rgb(' + (rgb >> 16) + ',' + ((rgb >> 8) & 255) + ',' + (rgb & 255) + ')';
  }

  // A font of the layout: its family list (the bundled subset, then a generic kind) comes from
  // the game, which knows which face draws which.
  function fontOf(family, pixels, weight, italic) {
    return (italic ? 'italic ' : '') + weight + ' ' + pixels + 'px ' + family;
  }

  // What the browser test compares with the runner's transcript, on the game's clock.
  function note(what) {
    if (test) stats.journal.push({ t: now(), what: what });
  }

  // Events for the game, and its wait for them or for its next tick.
  function push(event) {
    if (event.type === 'key') note('key ' + event.kind + ':' + event.code);
    if (event.type === 'ok') note('ok');
    // Fingers that land together reach the game in the order of their events' time stamps.
    var at = queue.length;
    while (event.stamp !== undefined && at > 0 && queue[at - 1].stamp > event.stamp) at--;
    queue.splice(at, 0, event);
    // The other fingers of the same touch come in the same task: the game wakes after them, in
    // a task of its own (a message, which a timer's clamping does not delay).
    if (event.type === 'tap') {
      waker.port2.postMessage(0);
    } else if (wakeGame) {
      wakeGame();
    }
  }

  function wait(ms) {
    return new Promise(function (resolve) {
      if (queue.length) return resolve();
      wakeGame = function () {
        wakeGame = null;
        if (timer !== null) clearTimeout(timer);
        timer = null;
        resolve();
      };
      if (ms >= 0 && hiddenAt === null) {
        timer = setTimeout(function () {
          timer = null;
          stats.timerCallbacks++;
          if (wakeGame) wakeGame();
        }, Math.ceil(ms));
      }
    });
  }

  // The game's clock: the page's, less every moment the page spent hidden.
  function now() {
    return (hiddenAt !== null ? hiddenAt : performance.now()) - offset;
  }

  document.addEventListener('visibilitychange', function () {
    if (document.hidden) {
      if (hiddenAt === null) hiddenAt = performance.now();
      if (timer !== null) clearTimeout(timer);
      timer = null;
    } else if (hiddenAt !== null) {
      offset += performance.now() - hiddenAt;
      hiddenAt = null;
      push({ type: 'wake' });
    }
  });
  if (document.hidden) hiddenAt = performance.now();

  function codes(events, kinds) {
    [events, kinds].forEach(function (names) {
      names.split(' ').forEach(function (name, i) { CODE[name] = i; });
    });
  }

  function takeEvent(out) {
    current = queue.shift() || null;
    if (!current) return 0;
    var i = out >> 2;
    HEAP32[i] = CODE[current.type];
    HEAP32[i + 1] = current.source === undefined ? -1 : current.source;
    HEAP32[i + 2] = typeof current.kind === 'string' ? CODE[current.kind] : current.kind || 0;
    HEAP32[i + 3] = current.code || 0;
    HEAP32[i + 4] = current.shift || 0;
    return 1;
  }

  function eventText() {
    var text = current && current.text ? current.text : '';
    var size = lengthBytesUTF8(text) + 1;
    var p = _malloc(size);
    stringToUTF8(text, p, size);
    return p;
  }

  // The scene scaled uniformly to the visual viewport (what is on screen: a phone's page may
  // be wider, and an on-screen keyboard takes part of it), centred on black. The full-screen
  // button stands at its top right and covers none of the scene: in the margin the scene
  // leaves when that is wide enough, else in a band taken beside or above the scene, whichever
  // leaves the scene larger.
  function fitScene() {
    if (!scene) return;
    var view = window.visualViewport;
    var width = view ? view.width : window.innerWidth;
    var height = view ? view.height : window.innerHeight;
    var left = view ? view.offsetLeft : 0;
    var top = view ? view.offsetTop : 0;
    var button = document.getElementById('fullscreen');
    var room = button && button.offsetWidth ? button.offsetWidth + 2 * BUTTON_GAP : 0;
    // The buzz zones' hint, while it shows, takes a band above the scene, never part of it.
    var hint = document.getElementById('hint');
    var hintRoom = hint && !hint.hidden ? hint.offsetHeight : 0;
    if (hint) {
      hint.style.left = left + 'px';
      hint.style.top = top + 'px';
      hint.style.width = width + 'px';
    }
    top += hintRoom;
    height -= hintRoom;
    var beside = Math.min((width - room) / WIDTH, height / HEIGHT);
    var above = Math.min(width / WIDTH, (height - room) / HEIGHT);
    var scale = Math.max(beside, above, 0.01);
    var x = (width - WIDTH * scale) / 2;
    var y = (height - HEIGHT * scale) / 2;
    if (x < room && y < room) {
      if (beside >= above) x = (width - room - WIDTH * scale) / 2;
      else y = room + (height - room - HEIGHT * scale) / 2;
    }
    scene.style.setProperty('--finger', FINGER / scale + 'px');
    scene.style.transform =
        'translate(' + (left + x) + 'px,' + (top + y) + 'px) scale(' + scale + ')';
    if (button) {
      button.style.left = left + width - BUTTON_GAP - button.offsetWidth + 'px';
      button.style.top = top + BUTTON_GAP + 'px';
    }
  }

  function element(form, index) {
    var f = forms[form];
    return f ? f.elements[index] : null;
  }

  // Whether an element's text shows whole at a size, measured as the page draws it (the game
  // searches the size with the rule every backend shares, and leaves the element at the size
  // it settles on): a label's caption within the room it may use, a disabled box's phrase
  // within the box. A label's text is laid out in its whole box, or `inRoom`, in the room
  // alone (the part of the box on screen, or a seat's share of the window from `roomLeft`
  // pixels left of the box), as a shrunk caption is drawn. 1 fits, 0 does not, -1 cannot be
  // measured (not drawn at the moment).
  function fits(form, index, pixels, inRoom, roomLeft, roomWidth, roomHeight) {
    var e = element(form, index);
    if (!e) return 1;
    var node = e.node;
    fontSize(form, index, pixels, inRoom, roomLeft, roomWidth, roomHeight, 0);
    var text = e.isBox ? node.value : node.textContent;
    if (!text) return 1;
    if (!node.isConnected || node.getClientRects().length === 0) return -1;
    var width = measure(e.family, pixels, e.weight, e.italic, text);
    var slack = 0.01;
    if (e.isBox) {
      var style = getComputedStyle(node);
      var inside =
          node.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      return width <= inside + slack ? 1 : 0;
    }
    var area = inRoom ? roomWidth : parseFloat(node.style.width);
    if (node.classList.contains('wrap') && width > area + slack) {
      // Wrapped at whole words: no word may stick out, nor the last line fall below the room.
      var w = inRoom ? node.clientWidth : Math.min(node.clientWidth, roomWidth);
      var h = inRoom ? node.clientHeight : Math.min(node.clientHeight, roomHeight);
      return node.scrollWidth <= w + 1 && node.scrollHeight <= h + 1 ? 1 : 0;
    }
    var left = (inRoom ? roomLeft : 0) + (e.centred ? (area - width) / 2 : 0);
    return left >= roomLeft - slack && left + width <= roomLeft + roomWidth + slack ? 1 : 0;
  }

  // A label's text at a size, laid out in its whole box or in its room alone. A room within
  // the box keeps the box, its padding keeping the text off the rest (the part off screen); a
  // room reaching past it (a seat's share of the window, the window's width for a centred
  // caption) takes the box's place, colour and all. `cut`: a text too long for its room even at
  // the least size ends in an ellipsis.
  function fontSize(form, index, pixels, inRoom, roomLeft, roomWidth, roomHeight, cut) {
    var e = element(form, index);
    if (!e) return;
    var s = e.node.style;
    s.fontSize = pixels + 'px';
    if (e.isBox) return;
    var width = parseFloat(s.width);
    var moved = inRoom && (roomLeft !== 0 || roomWidth > width);
    s.marginLeft = moved ? roomLeft + 'px' : '';
    s.minWidth = s.maxWidth = moved ? roomWidth + 'px' : '';
    s.paddingRight = inRoom && !moved ? Math.max(0, width - roomWidth) + 'px' : '';
    s.paddingBottom = inRoom ? Math.max(0, parseFloat(s.height) - roomHeight) + 'px' : '';
    s.textOverflow = cut ? 'ellipsis' : '';
  }

  function createForm(id, name, back) {
    var node = document.createElement('div');
    node.className = 'form';
    node.dataset.form = name;
    node.style.backgroundColor = css(back, '#000');
    node.hidden = true;
    scene.appendChild(node);
    forms[id] = { node: node, elements: [] };
  }

  function destroyForm(id) {
    var f = forms[id];
    if (!f) return;
    f.node.remove();
    forms[id] = null;
  }

  function showForm(id) {
    forms.forEach(function (f, i) {
      if (f) f.node.hidden = i !== id;
    });
    var f = forms[id];
    if (f) note('show ' + f.node.dataset.form);
    // The page's word on loading (and on being opened from a file, where the game cannot
    // load) stays until the game shows its first window.
    var loading = document.getElementById('loading');
    if (loading) loading.remove();
    if (stats.firstPaint === null) {
      requestAnimationFrame(function () {
        if (stats.firstPaint === null) stats.firstPaint = performance.now();
      });
    }
  }

  function formBack(id, back) {
    if (forms[id]) forms[id].node.style.backgroundColor = css(back, '#000');
  }

  // A text box comes with the game's id for it (`box`, -1 for a label), which its events carry.
  function createElement(form, index, box, name, family, pixels, weight, italic, centred,
                         autoSize, wrap) {
    var node;
    var isBox = box >= 0;
    if (isBox) {
      node = document.createElement('input');
      node.type = 'text';
      node.autocomplete = 'off';
      node.spellcheck = false;
      node.dataset.box = String(box);
      node.addEventListener('input', function (event) {
        if (!event.isComposing) push({ type: 'text', source: box, text: node.value });
      });
      node.addEventListener('compositionend', function () {
        push({ type: 'text', source: box, text: node.value });
      });
    } else {
      node = document.createElement('div');
      node.className = 'label' + (wrap ? ' wrap' : '') + (autoSize ? ' auto' : '');
      // A screen reader reads the game's own account of the screen instead (see reading).
      node.setAttribute('aria-hidden', 'true');
    }
    node.classList.add(isBox ? 'box' : 'label');
    node.dataset.name = name;
    node.style.font = fontOf(family, pixels, weight, italic);
    node.style.textAlign = centred ? 'center' : 'left';
    forms[form].node.appendChild(node);
    forms[form].elements[index] = { node: node, isBox: isBox, name: name, family: family,
      weight: weight, italic: italic, centred: centred };
  }

  function setText(form, index, text) {
    var e = element(form, index);
    if (!e) return;
    if (e.isBox) {
      if (e.node.value !== text) e.node.value = text;
    } else {
      e.node.textContent = text;
      if (test && e.journalled && (text || e.phased)) {
        e.phased = true;
        note('phase ' + text);
      }
    }
  }

  // The label the game keeps its phase in: journalled for the browser test from its first phase
  // on, the one it holds now included.
  function journalText(form, index) {
    var e = element(form, index);
    if (!e || e.journalled) return;
    e.journalled = true;
    setText(form, index, e.node.textContent);
  }

  // Whether the element changed its size (a moving one keeps the size its text was given).
  function setGeometry(form, index, left, top, width, height) {
    var e = element(form, index);
    if (!e) return 0;
    var s = e.node.style;
    var resized = s.width !== Math.max(0, width) + 'px' || s.height !== Math.max(0, height) + 'px';
    s.left = left + 'px';
    s.top = top + 'px';
    s.width = Math.max(0, width) + 'px';
    s.height = Math.max(0, height) + 'px';
    return resized ? 1 : 0;
  }

  function setColours(form, index, back, fore) {
    var e = element(form, index);
    if (!e) return;
    e.node.style.backgroundColor = css(back, e.isBox ? '#fff' : 'transparent');
    e.node.style.color = css(fore, '#000');
  }

  function setState(form, index, visible, enabled) {
    var e = element(form, index);
    if (!e) return;
    e.node.style.display = visible ? '' : 'none';
    if (e.isBox) e.node.disabled = !enabled;
  }

  function focus(form, index) {
    var e = form >= 0 ? element(form, index) : null;
    keyboardBox = e ? e.node : null;
    if (e) {
      e.node.focus({ preventScroll: true });
    } else if (document.activeElement && document.activeElement.classList.contains('box')) {
      document.activeElement.blur();
    }
  }

  function measure(family, pixels, weight, italic, text) {
    if (!measurer) measurer = document.createElement('canvas').getContext('2d');
    measurer.font = fontOf(family, pixels, weight, italic);
    return measurer.measureText(text).width;
  }

  // What a screen reader finds: the game's account of the screen, one text a line in its
  // order, and the page's title after the screen showing.
  function reading(screen, texts) {
    document.title = screen ? screen + ' – ' + TITLE : TITLE;
    var list = document.getElementById('reading');
    if (!list) return;
    var lines = texts ? texts.split('\n') : [];
    while (list.childNodes.length > lines.length) list.lastChild.remove();
    lines.forEach(function (line, i) {
      var p = list.childNodes[i] || list.appendChild(document.createElement('p'));
      if (p.textContent !== line) p.textContent = line;
    });
  }

  function boxName(form, index, name) {
    var e = element(form, index);
    if (!e || !e.isBox) return;
    if (name) {
      e.node.setAttribute('aria-label', name);
    } else {
      e.node.removeAttribute('aria-label');
    }
  }

  // What the game announces, into a live region: the urgent one cuts short the one before it.
  function announce(text, urgent) {
    var region = document.getElementById(urgent ? 'said-urgent' : 'said');
    if (!region) return;
    if (test) stats.said.push({ text: text, urgent: !!urgent });
    // A region whose text does not change is not read again: emptied first.
    region.textContent = '';
    var line = document.createElement('p');
    line.textContent = text;
    region.appendChild(line);
  }

  // Message boxes: a dialog in the scene; only the one on top shows and hears keys.
  function openDialog(title, text, left, top, width, height) {
    var node = document.createElement('div');
    node.className = 'dialog';
    node.setAttribute('role', 'alertdialog');
    node.setAttribute('aria-modal', 'true');
    var id = 'dialog' + dialogs.length;
    var heading = document.createElement('h2');
    heading.id = id + '-title';
    heading.textContent = title;
    var body = document.createElement('p');
    body.id = id + '-text';
    body.textContent = text;
    var ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    // A finger, a pen or the mouse answers as it lands (see onPointer); a click of its own
    // would land on the next box, come up under it. Clicks without a pointer (a screen reader
    // pressing the button) answer here.
    ok.addEventListener('click', function (event) {
      if (event.detail === 0) answer();
    });
    node.setAttribute('aria-labelledby', heading.id);
    node.setAttribute('aria-describedby', body.id);
    node.append(heading, body, ok);
    placeDialog(node, left, top, width, height);
    if (dialogs.length) dialogs[dialogs.length - 1].node.hidden = true;
    dialogs.push({ node: node, answered: false });
    scene.appendChild(node);
    ok.focus({ preventScroll: true });
    note('msgbox ' + title + '|' + text);
  }

  function placeDialog(node, left, top, width, height) {
    node.style.left = left + 'px';
    node.style.top = top + 'px';
    node.style.width = width + 'px';
    node.style.minHeight = height + 'px';
  }

  // The boxes stand where the window now in front gives them their place.
  function placeDialogs(left, top, width, height) {
    dialogs.forEach(function (d) { placeDialog(d.node, left, top, width, height); });
  }

  function answer() {
    var top = dialogs[dialogs.length - 1];
    if (!top || top.answered) return;
    top.answered = true;
    top.node.hidden = true;
    push({ type: 'ok' });
  }

  function closeDialog() {
    var top = dialogs.pop();
    if (top) top.node.remove();
    var below = dialogs[dialogs.length - 1];
    if (below && !below.answered) {
      below.node.hidden = false;
      below.node.querySelector('button').focus({ preventScroll: true });
    }
  }

  // The warning sound: a short tone. Browsers start sound only after a key or a click, which
  // the first key of a game (the player count) gives.
  function unlockAudio() {
    var Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context) return;
    if (!audio) audio = new Context();
    if (audio.state === 'suspended') audio.resume();
  }

  // A tap the game took as a key: journalled for the browser test as the key would be.
  function tapped(code) {
    note('key char:' + code);
  }

  // The hint on the buzz zones, the first time the page is touched: above the scene, which
  // makes room for it, until the player dismisses it.
  function showHint() {
    var hint = document.getElementById('hint');
    if (hinted || !hint) return;
    hinted = true;
    hint.hidden = false;
    fitScene();
  }

  function hideHint() {
    var hint = document.getElementById('hint');
    if (!hint || hint.hidden) return;
    hint.hidden = true;
    fitScene();
    // Its button took the keyboard from the box being typed in: the box has it again.
    if (keyboardBox) keyboardBox.focus({ preventScroll: true });
  }

  // Taps, clicks and a pen's touches, one event per finger as it lands (a second finger gets
  // no click while the first is down): the place in the scene's pixels goes to the game, which
  // maps it to the key it stands for now. The page's own buttons and the hint keep theirs.
  function onPointer(event) {
    if (ended || !scene) return;
    var target = event.target;
    if (target.closest && target.closest('#fullscreen, #over, #hint')) return;
    if (event.pointerType === 'mouse' && event.button !== 0) return;
    unlockAudio();
    // The place is read in the scene where the finger landed: the hint, shown at the first
    // touch, moves the scene.
    var r = scene.getBoundingClientRect();
    if (event.pointerType !== 'mouse') showHint();
    var onBox = target.classList && target.classList.contains('box');
    // The default (a click's focus change, a long press, a double-tap zoom) is the game's to
    // refuse; a tap on the box with the keyboard keeps it, to place the caret.
    if (!(onBox && target === keyboardBox)) event.preventDefault();
    if (dialogs.length) {
      // Taps are lost while a message is open, but for its OK.
      var ok = target.closest && target.closest('.dialog button');
      if (ok && !ok.closest('.dialog').hidden) answer();
      return;
    }
    if (keyboardBox) {
      // Given inside the tap's own handler, the focus opens a tablet's keyboard.
      if (!keyboardBox.disabled && document.activeElement !== keyboardBox) {
        keyboardBox.focus({ preventScroll: true });
      }
      return;
    }
    var scale = r.width / WIDTH;
    // Fingers of one touch share its time stamp: the game takes them at one instant.
    var together = event.timeStamp === lastTap ? 1 : 0;
    lastTap = event.timeStamp;
    push({ type: 'tap', stamp: event.timeStamp, source: together,
      kind: Math.round(FINGER / scale * TAP_UNIT),
      code: Math.round((event.clientX - r.left) / scale * TAP_UNIT),
      shift: Math.round((event.clientY - r.top) / scale * TAP_UNIT) });
  }

  function beep() {
    stats.beeps++;
    note('beep');
    if (!audio || audio.state !== 'running') return;
    stats.tones++;
    var t = audio.currentTime;
    var tone = audio.createOscillator();
    var gain = audio.createGain();
    tone.frequency.value = 880;
    gain.gain.setValueAtTime(0.2, t);
    gain.gain.exponentialRampToValueAtTime(0.001, t + 0.15);
    tone.connect(gain).connect(audio.destination);
    tone.start(t);
    tone.stop(t + 0.15);
  }

  // The end: the page says so, with the players' final scores (a line for each, its name and
  // its score separated by a tab).
  function end(scores) {
    ended = true;
    note('end');
    if (timer !== null) clearTimeout(timer);
    timer = null;
    dialogs.forEach(function (d) { d.node.remove(); });
    dialogs = [];
    var table = document.getElementById('scores');
    if (table && scores) {
      scores.split('\n').forEach(function (line) {
        var row = table.insertRow();
        line.split('\t').forEach(function (text) { row.insertCell().textContent = text; });
      });
      table.hidden = false;
    }
    var over = document.getElementById('over');
    if (over) {
      over.hidden = false;
      over.querySelector('button').focus();
    }
    if (document.fullscreenElement && document.exitFullscreen) document.exitFullscreen();
  }

  function toggleFullScreen() {
    var stage = document.documentElement;
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (stage.requestFullscreen) {
      stage.requestFullscreen().catch(function () {});
    }
  }

  var MODIFIERS = ['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'CapsLock', 'NumLock',
    'ScrollLock', 'Dead', 'Process', 'Unidentified', 'Compose'];

  function onKey(event) {
    if (ended) return;
    unlockAudio();
    if (event.key === 'Enter' && event.altKey) {
      event.preventDefault();
      if (!event.repeat) toggleFullScreen();
      return;
    }
    // In full screen Escape leaves it and nothing more, as players expect of every program;
    // out of it Escape is the game's. A browser that leaves full screen on its own may still
    // hand the page that Escape, a moment later.
    if (event.key === 'Escape' &&
        (document.fullscreenElement || performance.now() - leftFullScreen < 300)) {
      event.preventDefault();
      if (document.fullscreenElement && !event.repeat) document.exitFullscreen();
      return;
    }
    if (event.isComposing || event.keyCode === 229) return;
    // Shortcuts of the browser stay the browser's (Ctrl+R, F11, ...).
    if (event.ctrlKey || event.metaKey ||
        (event.altKey && !event.getModifierState('AltGraph')) || /^F\d+$/.test(event.key)) {
      return;
    }
    if (dialogs.length) {
      // No key reaches the game while a message is open; Enter, Space and Escape press OK.
      event.preventDefault();
      if (!event.repeat && (event.key === 'Enter' || event.key === ' ' || event.key === 'Escape')) {
        answer();
      }
      return;
    }
    var target = event.target;
    var source = target && target.dataset && target.dataset.box ? Number(target.dataset.box) : -1;
    var kind;
    var code = 0;
    var digit = /^(?:Digit|Numpad)([0-9])$/.exec(event.code || '');
    if (event.key === 'Enter') {
      kind = 'enter';
    } else if (event.key === 'Escape') {
      kind = 'escape';
    } else if (event.key === 'Backspace') {
      kind = 'backspace';
    } else if (digit && source < 0) {
      // The top-row digits on any layout (an AZERTY keyboard types "&" there unshifted).
      kind = 'char';
      code = 48 + Number(digit[1]);
    } else if (Array.from(event.key).length === 1) {
      kind = 'char';
      code = event.key.codePointAt(0);
    } else if (source >= 0 && MODIFIERS.indexOf(event.key) < 0) {
      kind = 'other';
      code = event.keyCode;
    } else {
      return;
    }
    // The window's keys type nowhere; Enter and Escape in a box are its handler's alone.
    if (source < 0 || kind === 'enter' || kind === 'escape') event.preventDefault();
    var shift = (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
    push({ type: 'key', source: source, kind: kind, code: code, shift: shift });
  }

  // Every face the style sheet declares (the bundled subsets), loaded before the game measures
  // its first caption.
  function loadFonts() {
    if (!document.fonts || !document.fonts.forEach) return Promise.resolve();
    var loads = [];
    document.fonts.forEach(function (face) {
      loads.push(face.load().catch(function () {}));
    });
    return Promise.all(loads);
  }

  function start() {
    scene = document.getElementById('scene');
    fitScene();
    window.addEventListener('resize', fitScene);
    if (window.visualViewport) {
      window.visualViewport.addEventListener('resize', fitScene);
      window.visualViewport.addEventListener('scroll', fitScene);
    }
    document.addEventListener('fullscreenchange', function () {
      if (!document.fullscreenElement) leftFullScreen = performance.now();
    });
    document.addEventListener('keydown', onKey, true);
    document.addEventListener('pointerdown', unlockAudio, true);
    document.addEventListener('pointerdown', onPointer);
    // No long-press menu over the game; the page's own panels keep theirs.
    document.addEventListener('contextmenu', function (event) {
      if (!(event.target.closest && event.target.closest('#over, #hint'))) event.preventDefault();
    });
    var hint = document.getElementById('hint');
    if (hint) hint.querySelector('button').addEventListener('click', hideHint);
    var button = document.getElementById('fullscreen');
    if (button) {
      button.addEventListener('click', toggleFullScreen);
      // A click leaves the keyboard where the game put it.
      button.addEventListener('mousedown', function (event) { event.preventDefault(); });
    }
    var again = document.getElementById('again');
    if (again) again.addEventListener('click', BrivazonOffline.newGame);
  }

  function seed() {
    if (test && typeof test.seed === 'number') return test.seed;
    return (Date.now() * 1000 + Math.floor(performance.now() * 1000)) % 4294967296;
  }

  // The draws the browser test fixes, taken as it adds them (as a scenario's `rnd` lines).
  function fixedDraws(out, size) {
    if (!test || !Array.isArray(test.draws) || !test.draws.length) return 0;
    var draws = test.draws.splice(0, size);
    for (var i = 0; i < draws.length; i++) HEAPF64[(out >> 3) + i] = draws[i];
    return draws.length;
  }

  return {
    now: now, wait: wait, codes: codes, takeEvent: takeEvent, eventText: eventText, seed: seed,
    fixedDraws: fixedDraws, createForm: createForm, destroyForm: destroyForm,
    showForm: showForm, formBack: formBack, createElement: createElement, setText: setText,
    setGeometry: setGeometry, fits: fits, fontSize: fontSize, setColours: setColours,
    setState: setState, focus: focus, reading: reading, boxName: boxName, announce: announce,
    measure: measure, openDialog: openDialog, placeDialogs: placeDialogs, closeDialog: closeDialog,
    answer: answer, beep: beep, end: end, tapped: tapped, journalText: journalText,
    // A pad plugged in (button -1), unplugged (-2) or pressed (gamepads.js): the game's to read.
    pad: function (index, button) { push({ type: 'pad', source: index, code: button }); },
    // Whether the next event is a finger that landed with the one before it.
    fingerNext: function () {
      return queue.length && queue[0].type === 'tap' && queue[0].source === 1 ? 1 : 0;
    },
    start: start, loadFonts: loadFonts, stats: stats,
    dialogsOpen: function () { return dialogs.length; },
    // Nothing queued for the game and no answered box still waiting for it: for the tests.
    settled: function () {
      return queue.length === 0 && !dialogs.some(function (d) { return d.answered; });
    },
  };
})();

globalThis.BrivazonPage = BrivazonPage;
Module.preRun = (Module.preRun || []).concat(function () {
  addRunDependency('brivazon-fonts');
  BrivazonPage.start();
  BrivazonPage.loadFonts().then(function () { removeRunDependency('brivazon-fonts'); });
});
