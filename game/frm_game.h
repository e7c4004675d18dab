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

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/inventory.h"
#include "game/phases.h"
#include "game/texts.h"
#include "ui/element.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/timer.h"
#include "ui/variable.h"

namespace game {

class Brivazon;

// The buzz key of each seat (1 left, 2 middle, 3 right) and the player counts, 0..3, in which
// that seat is occupied: one player sits in the middle, two at the left and right.
struct SeatKey {
  char key;
  int seat;
  std::array<bool, 4> inPlay;
};
inline constexpr std::array<SeatKey, 3> kSeatKeys{{
    {'q', 1, {false, false, true, true}},
    {'b', 2, {false, true, false, true}},
    {'p', 3, {false, false, true, true}},
}};
// The seat a key buzzes for, or none.
const SeatKey* seatKey(int keyAscii);

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

  // Window-level variables. Every write goes through the variable, which reports a real change.
  ui::Integer msgResult{*this};
  ui::Integer playerCount{*this};
  ui::Integer curPlayer{*this};
  ui::Text questionText{*this};
  ui::Text choice1{*this}, choice2{*this}, choice3{*this}, choice4{*this};
  ui::Text answerKey{*this};
  ui::Integer finalUsed6{*this}, finalUsed7{*this}, finalUsed8{*this}, finalUsed9{*this};
  ui::Integer finalShown{*this};
  ui::Text finalOrder1{*this}, finalOrder2{*this}, finalOrder3{*this};
  ui::Integer questionId{*this};
  ui::Text topicTitle{*this};
  ui::Integer presetQ1{*this}, presetQ2{*this};
  ui::Integer drawQ1{*this}, drawQ2{*this}, drawQ3{*this}, drawQ4{*this}, drawQ5{*this};
  ui::Integer drawQ6{*this}, drawQ7{*this}, drawQ8{*this}, drawQ9{*this}, drawQ10{*this};
  ui::Integer drawQ11{*this}, drawQ12{*this}, drawQ13{*this}, drawQ14{*this};
  ui::Integer finalCategory{*this};
  ui::Integer finalWord{*this};
  ui::Integer regularPoolSize{*this}, specialPoolSize{*this}, finalCategoryCount{*this};
  ui::Integer topicQ1{*this}, topicQ2{*this}, topicQ3{*this};
  ui::Integer questionValue{*this};

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

  // Texts joined into one reused buffer (valid until the next call), so that building a
  // message or a prompt inside a tick does not allocate once the buffer has grown.
  std::string_view join(std::initializer_list<std::string_view> parts);

  // The game's phase, the caption of lblCheckpoint (the names are in game/phases.h).
  bool phaseIs(std::string_view phase) const { return lblCheckpoint.caption() == phase; }
  void setPhase(std::string_view phase) { lblCheckpoint.setCaption(phase); }

  // The question on screen: its number (lblr), whether it is the final round (question 15) or
  // still before it, and whether it is a gibberish one (ids above 1000).
  double questionNumber() const;
  bool finalRound() const { return questionNumber() == 15; }
  bool beforeFinalRound() const { return questionNumber() < 15; }
  bool isGibberish() const { return questionId > 1000; }

  // The four choices of a question (labels and the texts loaded for them) and the nine French
  // words of the final round, in order.
  std::array<ui::Label*, 4> choiceLabels();
  std::array<const ui::Text*, 4> choiceTexts() const;
  std::array<ui::Label*, 9> wordLabels();
  // The verdicts on an answer, as the message boxes say them.
  static constexpr std::string_view kRightVerdict = text::kRightVerdict;
  static constexpr std::string_view kWrongVerdict = text::kWrongVerdict;
  // The choices' numbers as the verdicts spell them.
  static constexpr std::array<std::string_view, 4> kChoiceWords{text::kChoice1, text::kChoice2,
                                                                text::kChoice3, text::kChoice4};

 private:
  // The named steps of the handlers above.
  void showTopicPrompt();
  void showFinalRound();
  void showQuestion();
  void enterName(int prompt);
  void markWordFound(int n);
  // Draws the next word to play; with none left, marks the round over (lblQNumber 10, which the
  // round display ends the game on) and returns false.
  bool drawNextFinalWord();
  // The countdown ran out: the right choice shown, a silent buzz charged, the next topic.
  void countdownEnds(bool buzzed);
  // A player buzzed and let the time run out: told so, and charged the question's value.
  void chargeSilentBuzz();

  Brivazon& brivazon_;
  std::string joined_;
};

}  // namespace game
