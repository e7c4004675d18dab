// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Gamepads on the page, read through the browsers' Gamepad API. The page tells the game each
// pad plugged in or unplugged and each button pressed, by its index in the standard mapping;
// the game gives pads their seats and buttons their keys by the rules the desktop follows too.
// A pad without the standard mapping is left alone: its buttons mean nothing known. Browsers
// show a pad to a page only once one of its buttons is pressed there. The pads are looked at
// once a frame while one is connected and never otherwise, so that without a pad nothing of
// the page wakes for them.
/* global BrivazonPage */
(function () {
  'use strict';

  var PLUGGED = -1;
  var UNPLUGGED = -2;
  var down = [];  // by the pad's index: its buttons down at the last look, or null
  var looking = false;

  function connected(pad) {
    return pad && pad.connected && pad.mapping === 'standard';
  }

  // Tells the game the pads that came or went since the last look, and each button that went
  // down since; returns whether any pad is connected.
  function look() {
    var pads = navigator.getGamepads();
    var any = false;
    for (var i = 0; i < Math.max(pads.length, down.length); i++) {
      var pad = i < pads.length && connected(pads[i]) ? pads[i] : null;
      if (!pad) {
        if (down[i]) BrivazonPage.pad(i, UNPLUGGED);
        down[i] = null;
        continue;
      }
      any = true;
      var buttons = pad.buttons;
      // The press that made the browser show the pad is not a press for the game.
      var fresh = !down[i];
      if (fresh) {
        down[i] = new Uint8Array(buttons.length);
        BrivazonPage.pad(i, PLUGGED);
      }
      for (var b = 0; b < buttons.length && b < down[i].length; b++) {
        var pressed = buttons[b].pressed ? 1 : 0;
        if (pressed && !down[i][b] && !fresh) BrivazonPage.pad(i, b);
        down[i][b] = pressed;
      }
    }
    return any;
  }

  function frame() {
    looking = look();
    if (looking) requestAnimationFrame(frame);
  }

  function wake() {
    if (looking) return;
    looking = true;
    requestAnimationFrame(frame);
  }

  if (!navigator.getGamepads) return;
  window.addEventListener('gamepadconnected', wake);
  window.addEventListener('gamepaddisconnected', function () {
    if (!looking) look();
  });
  // A pad this browser already showed to another page may be listed at once.
  if (Array.prototype.some.call(navigator.getGamepads(), connected)) wake();
})();
