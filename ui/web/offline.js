// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page installed and played offline: it registers the site's service worker (sw.js,
// written when the site is built), which keeps the site's own files in the browser's cache and
// answers from there. A new version of the site waits until no game is being played: the page
// lets it take over only when a player starts a new game from the end and no other page of
// the site is open; otherwise it takes over once they are all closed.
var BrivazonOffline = (function () {
  'use strict';

  var workers = location.protocol === 'file:' ? null : navigator.serviceWorker;

  if (workers) {
    window.addEventListener('load', function () {
      // The worker's own script is always asked of the server, so that a new version is seen.
      workers.register('sw.js', { updateViaCache: 'none' }).catch(function (error) {
        console.warn('Brivazon: the page will not play offline:', error);
      });
    });
  }

  function newGame() {
    if (!workers) return location.reload();
    workers.getRegistration().then(function (registration) {
      var waiting = registration && registration.waiting;
      if (!waiting) return location.reload();
      var channel = new MessageChannel();
      channel.port1.onmessage = function (event) {
        // Taken over: the new version answers the reload; refused: the page reloads as it is.
        if (event.data) workers.addEventListener('controllerchange', function () { location.reload(); });
        else location.reload();
      };
      waiting.postMessage('new game', [channel.port2]);
    }).catch(function () { location.reload(); });
  }

  return { newGame: newGame };
})();
