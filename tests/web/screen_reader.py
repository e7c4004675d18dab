# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page as a screen reader reads it, from Chromium's accessibility tree."""
from .browser import page_check


@page_check("screen reader", [0.1, 0.5, 0.9, 0.3, 0.7])
def screen_reader(page, out, problems):
    """What a screen reader gets from the page, read from Chromium's accessibility tree: a
    French page titled after the screen showing, the screen's texts in the game's order and
    nothing off screen, the name box named by its prompt, each message as a modal dialog named
    by its title with its text, the scores named by their players, and the game's
    announcements (the topics with their keys, the question with its amount and choices) in a
    live region."""

    def tree():
        nodes = page.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        props = {n["nodeId"]: {p["name"]: p["value"].get("value")
                               for p in n.get("properties", [])} for n in nodes}
        parent = {n["nodeId"]: n.get("parentId") for n in nodes}
        seen = []
        for n in nodes:
            if n.get("ignored"):
                continue
            # A text is announced when an element around it is a live region.
            live, up = None, n["nodeId"]
            while up is not None and not live:
                live, up = props.get(up, {}).get("live"), parent.get(up)
            seen.append({"role": n.get("role", {}).get("value"),
                         "name": n.get("name", {}).get("value", ""),
                         "description": n.get("description", {}).get("value", ""),
                         "live": live, "modal": props[n["nodeId"]].get("modal")})
        return seen

    def expect(what, found):
        if not found:
            problems.append(f"screen reader: {what}")

    def caption(name):
        return page.js(f"return document.querySelector('[data-form=frmGame] "
                       f"[data-name={name}]').textContent")

    def read():
        """The texts read in the page's order, outside the live regions."""
        return [n["name"] for n in tree() if n["role"] == "StaticText" and not n["live"]]

    def in_order(texts, wanted):
        at = 0
        for w in wanted:
            if w not in texts[at:]:
                return False
            at = texts.index(w, at) + 1
        return True

    def announced(*wanted):
        return [n["name"] for n in tree() if n["live"] == "polite" and n["role"] == "StaticText"
                and all(w in n["name"] for w in wanted)]

    expect("the page is not in French", page.js("return document.documentElement.lang") == "fr")
    expect("the count question is not read",
           "Comment de joueurs est-ce que nous avons ajourd-hui?" in read())
    page.press("1")
    page.settle()
    page.wait_for(lambda: any(n["role"] == "textbox" and n["name"] == "Joueur 1, tapez votre nom"
                              for n in tree()), 2, "the name box named by its prompt")
    expect("the prompts off screen are read",
           not any(t.startswith(("Joueur 2", "Joueur 3")) for t in read()))
    expect("the title does not follow the screen",
           page.js("return document.title").startswith("Noms des joueurs"))
    page.press("ENTER")
    page.settle()
    page.wait_for(lambda: page.dialogs() > 0, 2, "the missing-name message")
    nodes = tree()
    dialog = [n for n in nodes if n["role"] == "alertdialog"]
    expect("the message is not a modal dialog named by its title with its text",
           dialog and dialog[0]["name"] == "Pas de nom!" and dialog[0]["modal"]
           and dialog[0]["description"].startswith("Pas de nom?"))
    expect("the game behind the message is still read",
           not any(n["role"] == "textbox" for n in nodes))
    page.press("ENTER")
    page.settle()
    page.wait_phase("CTopic1", "the topics")
    topics = [f"{k}) {caption(f'lblTopic{k}')}" for k in (1, 2, 3)]
    page.wait_for(lambda: announced(*topics), 2, f"the topics {topics} announced")
    page.shot(out, "screen-reader-topics")
    page.press("1")
    page.wait_for(lambda: page.js("return document.title").startswith("Question"), 10,
                  "the question's title")
    page.settle()
    asked = [caption("lblQuestion"), "Pour " + caption("lblValue")] + \
        [f"{k}) {caption(f'lblChoice{k}')}" for k in (1, 2, 3, 4)]
    page.wait_for(lambda: announced(*asked), 2, f"the question announced: {asked}")
    texts = read()
    expect(f"the question is not read in the game's order {asked}: {texts}",
           in_order(texts, asked))
    player = caption("lblName20")
    expect(f"the score is not named by its player: {texts}",
           f"{player}: {caption('lblB')}" in texts)
    print("screen reader: a French page titled after its screen, its texts in the game's order, "
          "the name box by its prompt, messages as dialogs, topics and the question announced")
