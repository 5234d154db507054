#include "player/help_text.h"

#include <gtest/gtest.h>

namespace textaria::player {
namespace {

TEST(HelpText, ACommandIsDescribedByTheRestOfItsLine) {
    const struct {
        const char* command;
        const char* said;
    } cases[] = {
        {"<Bewerten>", "Den Lückentext bewerten"},
        {"<Hilfe>", "Hilfstext ein-/ausblenden"},
        {"[Dn]", "Zur nachfolgenden Seite"},
        {"[Rep]", "Wiederholung einer Seite"},
        {"<F1>", "Grafik ein-/ausblenden"},  // not the line of <F12>
        {"<F12>", "Taschenrechner einblenden"},
        {"<Strg F6>", "Text und Grafik ausdrucken (auf einer Seite)"},
        {"<Laden>", ""},
        {"<F", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(helpFor(c.command), c.said) << c.command;
}

}  // namespace
}  // namespace textaria::player
