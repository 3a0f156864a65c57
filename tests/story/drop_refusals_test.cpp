// Putting down what is not carried is refused, and changes nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/game_harness.h"

namespace {

std::string AnswerTo(const GameHarness& h, const std::string& line) {
  const auto& lines = h.Lines();
  const auto at = std::find(lines.begin(), lines.end(), ">" + line);
  return (at == lines.end() || at + 1 == lines.end()) ? "" : *(at + 1);
}

TEST(DropRefusals, WhatIsNotCarriedCannotBePutDown) {
  GameHarness h;
  h.StartUp();
  for (const char* line : {"lege korb hin", "stelle korb hin", "lege kuchen hin"}) h.frontend.Line(line);
  h.Play();
  EXPECT_EQ(AnswerTo(h, "stelle korb hin"), "Du besitzt den Korb nicht.");
  EXPECT_EQ(AnswerTo(h, "lege kuchen hin"), "Du hast den Korb und damit auch den Kuchen bereits hingelegt.");
  EXPECT_EQ(h.session().basket_carried, 0);
  EXPECT_EQ(h.session().basket_room, 1);
}

TEST(DropRefusals, CakeAndWineStayInTheCarriedBasket) {
  GameHarness h;
  h.StartUp();
  h.frontend.Line("lege wein hin");
  h.Play();
  EXPECT_EQ(AnswerTo(h, "lege wein hin"), "Dazu müsstest du den Korb hinlegen.");
  EXPECT_EQ(h.session().basket_carried, 1);
}

}  // namespace
