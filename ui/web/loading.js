// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's word while the game loads: "Chargement…" with how much of the game's WebAssembly
// has arrived, counted as it streams in (the rest of the site is small beside it). Only a page
// opened as a file, where browsers do not load the game, says so and how to serve it instead.
/* global Module, wasmBinaryFile */
(function () {
  'use strict';

  var progress = document.getElementById('progress');

  if (location.protocol === 'file:') {
    var advice = document.getElementById('file-advice');
    if (advice) advice.hidden = false;
    if (progress) progress.parentNode.hidden = true;
    return;
  }

  // The response as it streams, counting its bytes against its announced length.
  function counted(response) {
    var total = Number(response.headers.get('Content-Length'));
    if (!progress || !total || !response.body || typeof ReadableStream === 'undefined') {
      return response;
    }
    var reader = response.body.getReader();
    var arrived = 0;
    return new Response(new ReadableStream({
      pull: function (controller) {
        return reader.read().then(function (chunk) {
          if (chunk.done) return controller.close();
          arrived += chunk.value.byteLength;
          progress.value = Math.min(1, arrived / total);
          controller.enqueue(chunk.value);
        });
      },
    }), { headers: { 'Content-Type': 'application/wasm' } });
  }

  // Emscripten asks the page to fetch and instantiate the WebAssembly: done here as it would,
  // compiling while the bytes arrive, with their count on screen.
  Module.instantiateWasm = function (imports, receive) {
    fetch(wasmBinaryFile, { credentials: 'same-origin' }).then(function (response) {
      if (!response.ok) throw new Error(wasmBinaryFile + ': ' + response.status);
      var body = counted(response);
      if (typeof WebAssembly.instantiateStreaming === 'function') {
        return WebAssembly.instantiateStreaming(body, imports);
      }
      return body.arrayBuffer().then(function (bytes) {
        return WebAssembly.instantiate(bytes, imports);
      });
    }).then(function (result) {
      receive(result.instance, result.module);
    }).catch(function (error) {
      console.error('Brivazon: the game could not be loaded:', error);
    });
    return {};
  };
})();
