// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks: how many times faster than real time the headless game plays whole scripted
// games, and what one tick of each timer costs (time and heap allocations).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "content/frm_black.h"
#include "game/brivazon.h"
#include "game/frm_game.h"
#include "sim/driver.h"
#include "ui/headless/headless_platform.h"

namespace {
std::atomic<std::uint64_t> allocations{0};
}

void* operator new(std::size_t n) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A whole two-player game: names, fourteen questions left to run out (every box answered with
// OK), then the final round to its result. About seventeen minutes of play.
std::vector<sim::Step> wholeGame() {
  std::vector<sim::Step> s{"start",    "key 2",    "wait 300",  "type Ana", "key ENTER",
                           "wait 300", "type Bob", "key ENTER", "wait 2600"};
  for (int q = 1; q <= 14; ++q) {
    for (const char* line : {"key 1", "wait 7000", "wait 60000", "ok"})
      s.emplace_back(line);
  }
  for (const char* line : {"key 1", "wait 7000", "wait 9000", "key q", "wait 20000", "key p",
                           "wait 100000", "ok", "ok"})
    s.emplace_back(line);
  return s;
}

void BM_WholeGame(benchmark::State& state) {
  NullBuffer buffer;
  std::ostream sink(&buffer);
  const auto script = wholeGame();
  std::int64_t played = 0;
  for (auto _ : state) {
    sim::Driver driver(sink, sim::Options{static_cast<std::uint32_t>(state.iterations() + 1)});
    std::ostringstream errors;
    driver.run(script, errors);
    if (!driver.ended()) state.SkipWithError("the scripted game did not end");
    played += driver.now();
  }
  state.counters["game_minutes"] = benchmark::Counter(static_cast<double>(played) / 60000.0 /
                                                      static_cast<double>(state.iterations()));
  // Virtual milliseconds per wall millisecond: how many times faster than real time.
  state.counters["x_real_time"] =
      benchmark::Counter(static_cast<double>(played) / 1000.0, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond);

// A game brought to a given point, for timing single ticks.
struct Table {
  ui::headless::Headless backend{7};
  game::Brivazon brivazon{backend.runtime()};
  game::FrmGame& g() { return brivazon.frmGame(); }
  explicit Table(int players = 2) {
    brivazon.start();
    ui::Runtime& rt = backend.runtime();
    rt.keyPress(ui::Key::character(static_cast<char32_t>(U'0' + players)));
    for (int p = 0; p < players; ++p) {
      backend.advance(300);
      rt.keyPress(ui::Key::character(U'A'));
      rt.keyPress(ui::Key::enter());
    }
    backend.advance(3000);  // the welcome card, then the first topic choice
  }
};

template <class Tick>
void tickBench(benchmark::State& state, Table& table, Tick tick) {
  for (int i = 0; i < 100; ++i)
    tick();  // warm up: buffers reach their size
  const std::uint64_t before = allocations.load();
  for (auto _ : state)
    tick();
  state.counters["allocs_per_tick"] = benchmark::Counter(
      static_cast<double>(allocations.load() - before) / static_cast<double>(state.iterations()));
  (void)table;
}

void BM_Tick_tmrQList(benchmark::State& state) {
  Table t;
  tickBench(state, t, [&] { t.g().tmrQList_Timer(); });
}
BENCHMARK(BM_Tick_tmrQList);

void BM_Tick_tmrQNumber(benchmark::State& state) {
  Table t;
  tickBench(state, t, [&] { t.g().tmrQNumber_Timer(); });
}
BENCHMARK(BM_Tick_tmrQNumber);

void BM_Tick_tmrMonColor(benchmark::State& state) {
  Table t;
  tickBench(state, t, [&] {
    t.g().lblQ.setBackColor(game::kGreen);
    t.g().tmrMonColor_Timer();
  });
}
BENCHMARK(BM_Tick_tmrMonColor);

void BM_Tick_tmrTimer_countdown(benchmark::State& state) {
  Table t;
  t.backend.runtime().keyPress(ui::Key::character(U'1'));
  t.backend.advance(5000);  // the card hands over: the question is on screen
  tickBench(state, t, [&] {
    t.g().tmrTimer_Timer();
    if (t.g().lblTimer.caption() == "2") t.g().lblTimer.setCaption("15");
  });
}
BENCHMARK(BM_Tick_tmrTimer_countdown);

void BM_Tick_tmrSlide(benchmark::State& state) {
  Table t;
  t.backend.runtime().keyPress(ui::Key::character(U'1'));
  t.brivazon.frmBlack();
  content::FrmBlack& card = *content::loadedFrmBlack(t.brivazon);
  tickBench(state, t, [&] {
    card.tmrSlide_Timer();
    if (card.lblQNumber.left() <= 4300) {
      card.lblQLabel.setTop(-600);
      card.lblQNumber.setLeft(9750);
    }
  });
}
BENCHMARK(BM_Tick_tmrSlide);

void BM_Tick_tmrPost(benchmark::State& state) {
  Table t;
  t.g().finalWord = 1;
  tickBench(state, t, [&] {
    t.g().tmrPost_Timer();
    t.g().lblQNumber.setCaption("0");
  });
}
BENCHMARK(BM_Tick_tmrPost);

void BM_Tick_badges_and_prompts(benchmark::State& state) {
  Table t;
  tickBench(state, t, [&] {
    t.g().lbl2P.setTop(2880);
    t.g().lbl2P.setHeight(555);
    t.g().tmrP2Anim_Timer();
    t.g().lblName1.setTop(-500);
    t.g().tmrName1_Timer();
  });
}
BENCHMARK(BM_Tick_badges_and_prompts);

// The scheduler at the topic choice: both polling timers idle, proved so and skipped.
void BM_IdleSecondAtTopicChoice(benchmark::State& state) {
  Table t;
  for (auto _ : state)
    t.backend.advance(1000);
}
BENCHMARK(BM_IdleSecondAtTopicChoice);

}  // namespace

BENCHMARK_MAIN();
