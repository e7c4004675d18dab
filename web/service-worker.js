// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The site's service worker: the installed page plays with no network. It keeps the site's
// own files, and nothing of any game, in a cache of its version, and answers the page from
// there. The build writes the file list below, each file with the hash of its content: a
// changed file is a changed worker, which the browser fetches as a new version. That version
// fetches every file again past the browser's HTTP cache, each checked against its hash, and
// waits: it never takes over a page in the middle of a game. It takes over once no page of
// the site is open, or when the one page open starts a new game from its end; the caches of
// older versions are deleted then. Requests for part of a file (a Range header) go to the
// network, as do requests for anything not on the list.
'use strict';

const SITE = { version: '', files: {} };

const PREFIX = 'brivazon ' + new URL('./', self.location).pathname + ' ';
const CACHE = PREFIX + SITE.version;
const BASE = new URL('./', self.location).href;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => Promise.all(
    Object.entries(SITE.files).map(([path, integrity]) =>
      fetch(new Request(path, { cache: 'reload', integrity })).then((response) => {
        if (!response.ok) throw new Error(`${path}: ${response.status}`);
        return cache.put(path, response);
      })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith(PREFIX) && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

// A page at the end of its game asks to start the next one on the new version: granted when
// it is the only page of the site open (no other game is played).
self.addEventListener('message', (event) => {
  if (event.data !== 'new game' || !event.ports[0]) return;
  event.waitUntil(self.clients.matchAll({ type: 'window', includeUncontrolled: true })
    .then((pages) => {
      const alone = pages.filter((page) => page.url.startsWith(BASE)).length <= 1;
      event.ports[0].postMessage(alone);
      if (alone) return self.skipWaiting();
    }));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || request.headers.has('Range')) return;
  if (!request.url.startsWith(BASE)) return;
  let path = request.url.slice(BASE.length).replace(/[?#].*$/, '');
  // The site's address itself is its page.
  if (path === '' && request.mode === 'navigate') path = 'index.html';
  if (!Object.prototype.hasOwnProperty.call(SITE.files, path)) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(path))
    .then((response) => response || fetch(request)));
});
