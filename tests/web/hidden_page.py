# SPDX-FileCopyrightText: 2026 The Brivazon developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page hidden behind another tab: its game pauses and goes on from where it stopped."""
import time

from .browser import page_check


@page_check("hidden page", [0.1, 0.5, 0.9, 0.3, 0.7])
def hidden_page(page, out, problems):
    """Another tab in front hides the page: its game pauses (its clock stops, no timer fires,
    no burst of late ticks when it is shown again) and goes on from where it stopped."""
    page.one_player("Zoé")
    # The welcome card slides on a 10 ms timer: hidden in the middle of it.
    time.sleep(0.3)
    game_tab = page.driver.current_window_handle
    before = page.js("return [BrivazonPage.now(), BrivazonPage.stats.timerCallbacks]")
    wall = time.monotonic()
    page.driver.switch_to.new_window("tab")
    time.sleep(3)
    page.driver.switch_to.window(game_tab)
    after = page.js("return [BrivazonPage.now(), BrivazonPage.stats.timerCallbacks]")
    hidden = (time.monotonic() - wall) * 1000
    moved, fired = after[0] - before[0], after[1] - before[1]
    # Between the two readings the page is shown for a moment too (switching tabs takes
    # time): the clock may move by that much, and the 10 ms slide ticks only with it (a
    # browser timer may wake a moment early and be armed again: two callbacks a tick).
    if moved > hidden - 2500 or fired > moved / 5 + 15:
        problems.append(f"hidden page: its clock moved {moved:.0f} ms and {fired} timer "
                        f"callbacks ran in {hidden:.0f} ms, 3000 of them hidden")
    page.wait_phase("CTopic1", "the game to go on to the topics after the page is shown again")
    print(f"hidden page: its clock moved {moved:.0f} ms in {hidden:.0f} ms, 3000 of them "
          f"hidden; the game went on")
