// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window: its elements, its window-level variables and all its event handlers.
//
// The class is declared once here; each subsystem's folder defines the handlers it owns:
// start-up, the score labels and the phase machine in game/, the keys, names and badges in
// players/, the bank's loader and the round display in content/, the countdown, the gibberish
// question, the final-round ticker and the score flash in judging/. Captions carry state as well
// as the variables: the phase in lblCheckpoint, the question number in lblr, the round (and in
// the final round the words played) in lblQNumber, the question kind in lblG.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/element.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/timer.h"

namespace game {

class Brivazon;

class FrmGame : public ui::Form {
 public:
  FrmGame(ui::Runtime& runtime, Brivazon& brivazon);

  // Elements, in the order the window holds them.
  ui::TextBox txtGAnswer{*this, "txtGAnswer"};
  ui::TextBox txtInput{*this, "txtInput"};
  ui::Label lbl4{*this, "lbl4"};
  ui::Label lblTopic3{*this, "lblTopic3"};
  ui::Label lbl3{*this, "lbl3"};
  ui::Label lblTopic2{*this, "lblTopic2"};
  ui::Label lblTopic1{*this, "lblTopic1"};
  ui::Label lbl1{*this, "lbl1"};
  ui::Label lbl2{*this, "lbl2"};
  ui::Label lblBrivazon{*this, "lblBrivazon"};
  ui::Label lblCI{*this, "lblCI"};
  ui::Label lblCC{*this, "lblCC"};
  ui::Label lblCG{*this, "lblCG"};
  ui::Label lblCF{*this, "lblCF"};
  ui::Label lblCB{*this, "lblCB"};
  ui::Label lblCH{*this, "lblCH"};
  ui::Label lblCD{*this, "lblCD"};
  ui::Label lblCE{*this, "lblCE"};
  ui::Label lblCA{*this, "lblCA"};
  ui::Label lblG{*this, "lblG"};
  ui::Label lblValue{*this, "lblValue"};
  ui::Label lblFor{*this, "lblFor"};
  ui::Label lblAPlayer{*this, "lblAPlayer"};
  ui::Label lblRound{*this, "lblRound"};
  ui::Label lblCheckpoint{*this, "lblCheckpoint"};
  ui::Label lblr{*this, "lblr"};
  ui::Label lblChoice4{*this, "lblChoice4"};
  ui::Label lblTimer{*this, "lblTimer"};
  ui::Label lblClue3{*this, "lblClue3"};
  ui::Label lblClue2{*this, "lblClue2"};
  ui::Label lblClue1{*this, "lblClue1"};
  ui::Label lblChoice3{*this, "lblChoice3"};
  ui::Label lblChoice2{*this, "lblChoice2"};
  ui::Label lblChoice1{*this, "lblChoice1"};
  ui::Label lblQuestion{*this, "lblQuestion"};
  ui::Label lblName30{*this, "lblName30"};
  ui::Label lblName20{*this, "lblName20"};
  ui::Label lblName10{*this, "lblName10"};
  ui::Label lblName2{*this, "lblName2"};
  ui::Label lblName3{*this, "lblName3"};
  ui::Label lblName1{*this, "lblName1"};
  ui::Label lblP{*this, "lblP"};
  ui::Label lblB{*this, "lblB"};
  ui::Label lblQ{*this, "lblQ"};
  ui::Label lbl3P{*this, "lbl3P"};
  ui::Label lbl2P{*this, "lbl2P"};
  ui::Label lblPNumber{*this, "lblPNumber"};
  ui::Label lblQNumber{*this, "lblQNumber"};
  ui::Label lbl1P{*this, "lbl1P"};

  // Timers, in the order same-instant ticks fire.
  ui::Timer tmrPost{*this, "tmrPost"};
  ui::Timer tmrGAnswer{*this, "tmrGAnswer"};
  ui::Timer tmrMonColor{*this, "tmrMonColor"};
  ui::Timer tmrTimer{*this, "tmrTimer"};
  ui::Timer tmrQList{*this, "tmrQList"};
  ui::Timer tmrQNumber{*this, "tmrQNumber"};
  ui::Timer tmrName1{*this, "tmrName1"};
  ui::Timer tmrName2{*this, "tmrName2"};
  ui::Timer tmrName3{*this, "tmrName3"};
  ui::Timer tmrP1Anim{*this, "tmrP1Anim"};
  ui::Timer tmrP2Anim{*this, "tmrP2Anim"};
  ui::Timer tmrP3Anim{*this, "tmrP3Anim"};

  // Window-level variables.
  int msgResult = 0;
  std::int16_t playerCount = 0;
  std::int16_t curPlayer = 0;
  std::string questionText;
  std::string choice1, choice2, choice3, choice4;
  std::string answerKey;
  std::int16_t finalUsed6 = 0, finalUsed7 = 0, finalUsed8 = 0, finalUsed9 = 0;
  std::int16_t finalShown = 0;
  std::string finalOrder1, finalOrder2, finalOrder3;
  std::int16_t questionId = 0;
  std::string topicTitle;
  std::int16_t presetQ1 = 0, presetQ2 = 0;
  std::int16_t drawQ1 = 0, drawQ2 = 0, drawQ3 = 0, drawQ4 = 0, drawQ5 = 0, drawQ6 = 0, drawQ7 = 0;
  std::int16_t drawQ8 = 0, drawQ9 = 0, drawQ10 = 0, drawQ11 = 0, drawQ12 = 0, drawQ13 = 0;
  std::int16_t drawQ14 = 0;
  std::int16_t finalCategory = 0;
  std::int16_t finalWord = 0;
  std::int16_t regularPoolSize = 0, specialPoolSize = 0, finalCategoryCount = 0;
  std::int16_t topicQ1 = 0, topicQ2 = 0, topicQ3 = 0;
  std::int16_t questionValue = 0;

  std::vector<ui::VariableRef> variables() const override;

  // Window events (game/frm_game.cpp, players/keys.cpp).
  void Form_Load() override;
  void Form_KeyPress(int keyAscii) override;
  void Form_Unload() override;

  // Score labels (game/frm_game.cpp).
  void lblQ_Change();
  void lblB_Change();
  void lblP_Change();

  // Phase machine (game/phase_machine.cpp) and question schedule (game/schedule.cpp).
  void lblCheckpoint_Change();
  void advanceAndDraw();

  // Player count, names and badges (players/).
  void playerCountKey(int keyAscii);
  void txtInput_KeyDown(int keyCode, int shift);
  void lblName10_Change();
  void lblName20_Change();
  void lblName30_Change();
  void tmrName1_Timer();
  void tmrName2_Timer();
  void tmrName3_Timer();
  void tmrP1Anim_Timer();
  void tmrP2Anim_Timer();
  void tmrP3Anim_Timer();

  // Topic, buzz and answer keys (players/keys.cpp) and the final-round buzz
  // (players/final_buzz.cpp).
  void topicKey(int keyAscii);
  void answerKeyPress(int keyAscii);
  void buzzKey(int keyAscii);
  void finalBuzz(int keyAscii);
  // Word n (1..9) of the final round has been found; every word has.
  bool wordFound(int n) const;
  bool allWordsFound() const;

  // Question bank loader (content/loader.cpp) and round display (content/round_display.cpp).
  void tmrQList_Timer();
  void tmrQNumber_Timer();
  void announceResult();

  // Countdown, gibberish question, final-round ticker, score flash (judging/).
  void tmrTimer_Timer();
  void revealAnswer();
  void gibberishTick();
  void txtGAnswer_KeyDown(int keyCode, int shift);
  void tmrGAnswer_Timer();
  void tmrPost_Timer();
  void tmrMonColor_Timer();

  // Seats: 1 left, 2 middle, 3 right.
  ui::Label& scoreLabel(int seat);
  // Moves a seat's score by `amount` from the whole part of its caption, painted in `colour`
  // (green for a gain, red for a loss). The score label's Change handler arms the flash.
  void changeScore(int seat, double amount, ui::Color colour);
  ui::Label& nameTag(int seat);

  // Int(n x r + 1) for a fresh random r: a whole number 1..n.
  std::int16_t draw(int n);

  Brivazon& brivazon() const { return brivazon_; }

  // Writes made by the polling ticks: a write of the value already there changes nothing, so
  // a tick that only rewrites what stands can be proved idle and skipped next time.
  void set(std::int16_t& var, int value);
  void set(std::string& var, std::string_view value);

  // Texts joined into one reused buffer (valid until the next call), so that building a
  // message or a prompt inside a tick does not allocate once the buffer has grown.
  std::string_view join(std::initializer_list<std::string_view> parts);

  // The game's phase, the caption of lblCheckpoint.
  bool phaseIs(std::string_view phase) const { return lblCheckpoint.caption() == phase; }

 private:
  Brivazon& brivazon_;
  std::string joined_;
};

// Colours with a meaning on the game screen.
inline constexpr ui::Color kGreen{0, 255, 0};
inline constexpr ui::Color kRed{255, 0, 0};
inline constexpr ui::Color kYellowChoice{255, 255, 0};
inline constexpr ui::Color kWhiteBox{255, 255, 255};
inline constexpr ui::Color kScoreRest{128, 255, 255};
inline constexpr ui::Color kRound1Colour{255, 192, 128};
inline constexpr ui::Color kRound2Colour{128, 128, 255};
inline constexpr ui::Color kFinalColour{0, 0, 0};

}  // namespace game
