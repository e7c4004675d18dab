// SPDX-FileCopyrightText: 2026 The Brivazon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen inventory as data: names, captions, geometry in twips, colours, fonts, alignment,
// visibility, auto-size and word-wrap of every element, and every timer, of both windows.
#include "game/inventory.h"

#include <array>
#include <optional>

namespace game {

namespace {

using ui::Align;
using ui::Color;
using ui::ElementLayout;
using ui::FontStyle;
using ui::Kind;
using ui::TimerLayout;

constexpr std::optional<Color> kDefault = std::nullopt;  // the system's own colour
constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
constexpr Color kOrange{255, 128, 0};
constexpr Color kClue{255, 255, 128};
constexpr Color kTag{192, 192, 255};
constexpr Color kPanel{255, 224, 192};

constexpr FontStyle kDefaultFont{};
constexpr FontStyle kSans9{"MS Sans Serif", 9.75f};
constexpr FontStyle kSans13{"MS Sans Serif", 13.5f};
constexpr FontStyle kSans24{"MS Sans Serif", 24.0f};
constexpr FontStyle kSans24Bold{"MS Sans Serif", 24.0f, 700};
constexpr FontStyle kHand18{"Lucida Handwriting", 18.0f};
constexpr FontStyle kTimes12Italic{"Times New Roman", 12.0f, 400, true};
constexpr FontStyle kTimes12Bold{"Times New Roman", 12.0f, 700};
constexpr FontStyle kTimes15{"Times New Roman", 15.75f};
constexpr FontStyle kTimes15BoldItalic{"Times New Roman", 15.75f, 700, true};
constexpr FontStyle kArial20{"Arial", 20.25f};

constexpr ElementLayout label(const char* name, const char* caption, float l, float t, float w,
                              float h, std::optional<Color> back, std::optional<Color> fore,
                              FontStyle font, Align align, bool visible, bool autoSize = false,
                              bool wrap = false) {
  return {name, Kind::Label, caption, l, t, w, h, back, fore, font, align, visible, autoSize, wrap};
}

constexpr ElementLayout textBox(const char* name, float l, float t, float w, float h,
                                std::optional<Color> back, FontStyle font, bool visible) {
  return {name, Kind::TextBox, "", l, t, w, h, back, kDefault, font, Align::Left, visible};
}

constexpr auto L = Align::Left;
constexpr auto C = Align::Centre;

constexpr std::array kGameElements{
    textBox("txtGAnswer", 1560, 2640, 6495, 420, kWhite, kSans13, false),
    textBox("txtInput", 3960, 3000, 1695, 495, kDefault, kDefaultFont, true),
    label("lbl4", "4)", 3480, 4800, 615, 615, Color{128, 128, 0}, kWhite, kHand18, C, false),
    label("lblTopic3", "", 4080, 4080, 2655, 615, Color{0, 128, 128}, kWhite, kTimes12Italic, L,
          false, false, true),
    label("lbl3", "3)", 3480, 4080, 615, 615, Color{0, 128, 128}, kWhite, kHand18, C, false),
    label("lblTopic2", "", 4080, 3360, 2655, 615, Color{0, 128, 0}, kWhite, kTimes12Italic, L,
          false, false, true),
    label("lblTopic1", "", 4080, 2640, 2655, 615, Color{128, 0, 0}, kWhite, kTimes12Italic, L,
          false, false, true),
    label("lbl1", "1)", 3480, 2640, 615, 615, Color{128, 0, 0}, kWhite, kHand18, C, false),
    label("lbl2", "2)", 3480, 3360, 615, 615, Color{0, 128, 0}, kWhite, kHand18, C, false),
    label("lblBrivazon", "", 4800, 2760, 195, 540, kBlack, kScoreRest,
          FontStyle{"Lucida Calligraphy", 20.25f, 700}, C, false, true),
    label("lblCI", "", 7800, 5040, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCC", "", 7560, 720, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCG", "", 2400, 4800, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCF", "", 4680, 4320, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCB", "", 4800, 720, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCH", "", 5400, 5640, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCD", "", 2160, 3360, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCE", "", 7560, 3000, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblCA", "", 1440, 840, 75, 345, kBlack, kOrange, kTimes15, L, false, true),
    label("lblG", "0", 7440, 6720, 255, 375, kDefault, kDefault, kDefaultFont, L, false),
    label("lblValue", "0", 5040, 720, 1215, 495, kPanel, Color{0, 0, 192}, kSans24, L, false),
    label("lblFor", "Pour", 3840, 720, 1215, 495, kPanel, kDefault, kSans24, L, false),
    label("lblAPlayer", "", 1740, 1320, 6135, 360, Color{0, 128, 0}, kScoreRest, kSans13, C, false,
          true, true),
    label("lblRound", "Rond", 120, 120, 1335, 495, Color{128, 0, 128}, kWhite,
          FontStyle{"MS Sans Serif", 18.0f, 700, true}, C, false),
    label("lblCheckpoint", "", 6480, 6720, 375, 375, kDefault, kDefault, kDefaultFont, L, false),
    label("lblr", "0", 6960, 6720, 375, 375, kDefault, kDefault, kDefaultFont, L, false),
    label("lblChoice4", "", 4200, 4800, 2655, 615, kYellowChoice, kDefault, kTimes12Bold, L, false,
          false, true),
    label("lblTimer", "0", 8760, 120, 615, 495, kPanel, kDefault, kSans24, C, false),
    label("lblClue3", "Yo", 3360, 5040, 3615, 675, kClue, kDefault, kSans9, C, false, false, true),
    label("lblClue2", "", 3360, 4200, 3615, 675, kClue, kDefault, kSans9, C, false, false, true),
    label("lblClue1", "", 3360, 3360, 3615, 675, kClue, kDefault, kSans9, C, false, false, true),
    label("lblChoice3", "", 4200, 4080, 2655, 615, kYellowChoice, kDefault, kTimes12Bold, L, false,
          false, true),
    label("lblChoice2", "", 4200, 3360, 2655, 615, kYellowChoice, kDefault, kTimes12Bold, L, false,
          false, true),
    label("lblChoice1", "", 4200, 2640, 2655, 615, kYellowChoice, kDefault, kTimes12Bold, L, false,
          false, true),
    label("lblQuestion", "", 1800, 1800, 6015, 735, Color{255, 255, 192}, kDefault,
          FontStyle{"Comic Sans MS", 12.0f}, C, false, false, true),
    label("lblName30", "", 8475, 6120, 105, 360, kTag, kDefault, kTimes15BoldItalic, C, false,
          true),
    label("lblName20", "", 4755, 6120, 105, 360, kTag, kDefault, kTimes15BoldItalic, C, false,
          true),
    label("lblName10", "", 1035, 6120, 105, 360, kTag, kDefault, kTimes15BoldItalic, C, false,
          true),
    label("lblName2", "Joueur 2, tapez votre nom", 120, 2880, 1215, 495, Color{192, 255, 192},
          kDefault, kDefaultFont, C, true),
    label("lblName3", "Joueur 3, tapez votre nom", 8280, 2880, 1215, 495, Color{192, 255, 255},
          kDefault, kDefaultFont, C, true),
    label("lblName1", "Joueur 1, tapez votre nom", 4200, 120, 1215, 495, Color{255, 255, 192},
          kDefault, kDefaultFont, C, true),
    label("lblP", "0", 7680, 6600, 1695, 495, kScoreRest, kDefault, kArial20, C, false),
    label("lblB", "0", 3960, 6600, 1695, 495, kScoreRest, kDefault, kArial20, C, false),
    label("lblQ", "0", 240, 6600, 1695, 495, kScoreRest, kDefault, kArial20, C, false),
    label("lbl3P", "", 5400, 2880, 555, 555, Color{255, 192, 255}, kDefault, kSans24Bold, C, true),
    label("lbl2P", "", 4560, 2880, 555, 555, Color{192, 255, 255}, kDefault, kSans24Bold, C, true),
    label("lblPNumber", "", 2880, 1920, 3855, 855, Color{255, 192, 128}, kDefault, kSans13, C,
          true),
    label("lblQNumber", "0", 1440, 120, 615, 495, Color{128, 0, 128}, kWhite,
          FontStyle{"MS Sans Serif", 18.0f, 700}, L, false),
    label("lbl1P", "", 3720, 2880, 555, 555, Color{255, 192, 192}, kDefault, kSans24Bold, C, true),
};

constexpr std::array kGameTimers{
    TimerLayout{"tmrPost", false, 1500},     TimerLayout{"tmrGAnswer", false, 1000},
    TimerLayout{"tmrMonColor", false, 2000}, TimerLayout{"tmrTimer", false, 1000},
    TimerLayout{"tmrQList", true, 1},        TimerLayout{"tmrQNumber", true, 5},
    TimerLayout{"tmrName1", false, 10},      TimerLayout{"tmrName2", false, 10},
    TimerLayout{"tmrName3", false, 10},      TimerLayout{"tmrP1Anim", false, 10},
    TimerLayout{"tmrP2Anim", false, 10},     TimerLayout{"tmrP3Anim", false, 10},
};

constexpr std::array kBlackElements{
    label("lblWelcome", "Bienvenu à Brivazon!", 120, 2520, 9375, 615, kBlack, Color{0, 255, 255},
          FontStyle{"Lucida Bright", 23.25f, 600}, C, false),
    label("lblQNumber", "0", 4695, 2880, 825, 1605, kBlack, Color{0, 255, 0},
          FontStyle{"Arial", 72.0f}, C, false, true),
    label("lblQLabel", "Question", 3600, 2160, 2325, 555, kBlack, kWhite,
          FontStyle{"MS Sans Serif", 24.0f, 700, true}, C, false, true),
};

constexpr std::array kBlackTimers{
    TimerLayout{"tmrPause", false, 2000},
    TimerLayout{"tmrSlide", true, 10},
};

// A message box stands over the question, below the round, the question number and the seconds
// left: the four choices under it (their verdict colours) and the scores stay in sight.
constexpr ui::Area kMessageArea{1200, 720, 7200, 1860};

}  // namespace

const ui::FormLayout kFrmGame{"frmGame",   kAppTitle, kRound1Colour, kGameElements,
                              kGameTimers, 0,         kMessageArea};
const ui::FormLayout kFrmBlack{"frmBlack",   "", kBlack,      kBlackElements,
                               kBlackTimers, 1,  kMessageArea};

}  // namespace game
