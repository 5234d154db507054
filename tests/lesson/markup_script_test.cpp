#include "lesson/markup_script.h"

#include <gtest/gtest.h>

#include "lesson/markup_targets.h"

namespace textaria::lesson {
namespace {

TEST(MarkupScript, SectionsLieBetweenHashLines) {
    const std::string file = "# Seite 1\r\na=1\r\n#\r\nb=2\r\nc=3\r\n##\r\n#\nd=4\n#";
    struct Case {
        int page;
        bool found;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {1, true, {"a=1"}}, {2, true, {"b=2", "c=3"}},
        {3, true, {}},      {4, true, {"d=4"}},
        {5, false, {}},     {0, false, {}},
    };
    for (const Case& c : cases) {
        const ScriptSection s = scriptSection(file, c.page);
        EXPECT_EQ(s.found, c.found) << c.page;
        EXPECT_EQ(s.lines, c.lines) << c.page;
    }
}

TEST(MarkupScript, DezSetsTheDecimals) {
    struct Case {
        std::string section;
        std::optional<int> decimals;
        std::string error;
    };
    const Case cases[] = {
        {"x=1", std::nullopt, ""},
        {"dez=5", 5, ""},
        {"dez 0\r\ndez=3", 3, ""},  // the last one counts
        {"  dez=2 dez=7", 2, ""},   // the first "dez" of a line
        {"Dez=4", std::nullopt, ""},
        {"dez=x", std::nullopt, "'x' ist kein gültiger Integerwert"},
        {"dez", std::nullopt, "'' ist kein gültiger Integerwert"},
    };
    for (const Case& c : cases) {
        const ScriptSection s = scriptSection("#\r\n" + c.section + "\r\n#", 1);
        EXPECT_EQ(s.decimals, c.decimals) << c.section;
        EXPECT_EQ(s.error, c.error) << c.section;
    }
}

TEST(MarkupTargets, Links) {
    const auto slides = findSlideShowLink("Bilder: {{ Tiere.JPG }} ansehen");
    ASSERT_TRUE(slides);
    EXPECT_EQ(slides->base, "tiere");
    EXPECT_FALSE(findPictureLink("{{tiere}}"));

    const auto pic = findPictureLink("Der {hafen.jpg} im Bild");
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->picture, "hafen.jpg");
    EXPECT_EQ(pic->sound, "hafen.mp3");
    EXPECT_FALSE(pic->other);
    EXPECT_TRUE(findPictureLink("{film.mp4}")->other);
    EXPECT_FALSE(findPictureLink("{offen"));

    EXPECT_EQ(findExternalLink("Siehe << info.pdf >>"), "info.pdf");
    EXPECT_FALSE(findExternalLink("<<bild.jpg>>"));
}

TEST(MarkupTargets, WordLists) {
    using V = std::vector<std::string>;
    EXPECT_EQ(findWordList("((Haus, Baum, grüner Hund))"), (V{"Haus", "Baum", "grüner Hund"}));
    EXPECT_EQ(findWordList("Wähle: (( a ,b,"), (V{"a", "b"}));  // continues on the next line
    EXPECT_EQ(findWordList(" c, d ))"), (V{"c", "d"}));
    EXPECT_FALSE(findWordList("(a, b)"));
}

}  // namespace
}  // namespace textaria::lesson
