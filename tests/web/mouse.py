# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A game opened by the mouse alone but for the name."""
from .browser import page_check


@page_check("mouse", [0.1, 0.5, 0.9, 0.3, 0.7])
def mouse_opening(page, out, problems):
    """A game opened by the mouse alone but for the name: the count, a topic, a buzz in the
    seat's zone, an answer and its OK are clicks; a click elsewhere gives the name box back
    the keyboard."""
    def click(selector, phase):
        page.click(page.centre(selector))
        page.wait_phase(phase, f"the phase {phase} after a click on {selector}")

    click("[data-name=lbl1P]", "Name")
    page.wait_for(lambda: page.js("return document.activeElement.tagName === 'INPUT'"), 2,
                  "the name box")
    page.js("document.activeElement.blur()")
    page.click(page.centre("#scene"))
    if not page.js("return document.activeElement.tagName === 'INPUT'"):
        problems.append("mouse: a click did not give the name box the keyboard again")
    page.type("Ana")
    page.press("ENTER")
    page.wait_phase("CTopic1", "the topics")
    for name, phase in [("lbl1", "Question"), ("lblB", "Answer"), ("lblChoice1", "Answer")]:
        click(f"[data-form=frmGame] [data-name={name}]", phase)
    page.wait_for(lambda: page.dialogs() > 0, 2, "the verdict after a click on a choice")
    page.shot(out, "mouse-verdict")
    while page.dialogs():
        page.click(page.centre(".dialog:not([hidden]) button"))
        page.settle()
    page.wait_phase("CTopic", "the next topic after the verdict's OK clicked")
    print("mouse: the count, a topic, a buzz in the zone, an answer and its OK by clicks")
