# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The installed page: installable, loading slowly with its progress, played with its server
stopped."""
from .browser import Page
from .server import serve


def offline(site, out):
    """On a server of its own: Chromium finds nothing against installing the page; loading at
    400 kbit/s it says "Chargement…" with its progress, and its advice on files only when opened
    from a file; reloaded with the server stopped, it plays to the first question."""
    server, url = serve(site)
    page = Page(url, {"draws": [0.1, 0.5, 0.9, 0.3, 0.7, 0.2], "seed": 1})
    problems = []
    loading = ("const l = document.getElementById('loading'); const p = "
               "document.getElementById('progress'); return l && [l.innerText, p && p.value];")
    try:
        page.wait_for(lambda: page.js("return !!navigator.serviceWorker.controller"), 10,
                      "the service worker")
        cdp = page.driver.execute_cdp_cmd
        errors = cdp("Page.getInstallabilityErrors", {})["installabilityErrors"]
        errors += cdp("Page.getAppManifest", {})["errors"]
        problems += [f"offline: not installable: {e}" for e in errors]
        cdp("Network.enable", {})
        cdp("Network.setBypassServiceWorker", {"bypass": True})
        cdp("Network.setCacheDisabled", {"cacheDisabled": True})
        cdp("Network.emulateNetworkConditions", {"offline": False, "latency": 50,
                                                  "downloadThroughput": 50000,
                                                  "uploadThroughput": 50000})
        page.driver.get(url)
        seen = page.js(loading)
        page.wait_for(lambda: (page.js(loading) or [0, 0])[1] > 0, 10, "the progress to move")
        if not seen or seen[0].strip() != "Chargement…" or seen[1] >= 1:
            problems.append(f"offline: the page loading over a slow network says {seen}")
        page.driver.get((site.resolve() / "index.html").as_uri())
        if "ouverte comme un fichier" not in (page.js(loading) or [""])[0]:
            problems.append(f"offline: a page opened from a file says {page.js(loading)}")
        # The installed page's second start, as a player's: no slow network, caches on.
        cdp("Network.emulateNetworkConditions", {"offline": False, "latency": 0,
                                                  "downloadThroughput": -1,
                                                  "uploadThroughput": -1})
        cdp("Network.setCacheDisabled", {"cacheDisabled": False})
        cdp("Network.setBypassServiceWorker", {"bypass": False})
        server.shutdown()
        server.server_close()
        page.driver.get(url)
        page.wait_shown("the first screen with the server stopped")
        paint = page.js("return BrivazonPage.stats.firstPaint")
        page.one_player("Ana")
        page.wait_phase("CTopic1", "the topics")
        page.press("1")
        page.wait_phase("Question", "the first question with the server stopped")
        page.shot(out, "offline-question")
        print(f"offline: installable; loading said {seen[0].strip()!r}; played to the first "
              f"question with the server stopped, its first paint {paint:.0f} ms after the "
              f"reload")
    except AssertionError as failure:
        problems.append(f"offline: {failure}")
    finally:
        page.close()
        server.server_close()
    return problems
