// The lesson linter: each case is a lesson text with the files beside it and the findings
// expected, as "PAGE:LINE:e|w:words of the message".
#include "lesson/lesson_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive_test_support.h"
#include "lesson/archive.h"

namespace textaria::lesson {
namespace {

using testing::ScratchFolder;
using testing::writeFile;

struct CheckCase {
    const char* name;
    std::string text;  // "|" stands for CR LF
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> expected;
    int nestedArchives = 0;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

std::string crlf(std::string text) {
    std::string out;
    for (char c : text) out += c == '|' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::vector<std::string> run(const CheckCase& c, const ScratchFolder& folder) {
    for (const auto& [name, content] : c.files) writeFile(folder / name, crlf(content));
    const std::string text = crlf(c.text);
    CheckedLesson lesson{text, folder.path(), "kurs", false, c.nestedArchives, {}};
    std::vector<std::string> out;
    for (const CheckFinding& f : checkLessonText(lesson))
        out.push_back(std::to_string(f.page) + ":" + std::to_string(f.line) + ":" +
                      (f.severity == CheckSeverity::Error ? "e:" : "w:") + f.message);
    return out;
}

class LessonCheckTable : public ::testing::TestWithParam<CheckCase> {};

TEST_P(LessonCheckTable, FindsWhatTheAuthorMustFix) {
    const CheckCase& c = GetParam();
    ScratchFolder folder;
    const std::vector<std::string> found = run(c, folder);
    ASSERT_EQ(found.size(), c.expected.size()) << ::testing::PrintToString(found);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const std::string& want = c.expected[i];
        const std::size_t prefix = want.find(':', want.find(':', want.find(':') + 1) + 1) + 1;
        EXPECT_EQ(found[i].substr(0, prefix), want.substr(0, prefix)) << found[i];
        EXPECT_NE(found[i].find(want.substr(prefix)), std::string::npos) << found[i];
    }
}

const std::string kClean =
    "#01, Hafen;hafen.jpg, hafen.mp3|Das [Schiff] liegt im [Hafen].|{{tiere}}|{Haus.JPG}|"
    "<<info.pdf>>|§ $|#02, Rechnen|3 + 0,5 = [3.5]|%|#00|";

INSTANTIATE_TEST_SUITE_P(
    Lessons, LessonCheckTable,
    ::testing::Values(
        CheckCase{"clean",
                  kClean,
                  {{"Hafen.jpg", "j"},
                   {"hafen.mp3", "m"},
                   {"tiere1.jpg", "j"},
                   {"haus.jpg", "j"},
                   {"info.pdf", "p"}},
                  {}},
        CheckCase{"files_missing",
                  kClean,
                  {},
                  {"1:1:e:picture hafen.jpg of the title line is missing", "1:1:e:sound hafen.mp3",
                   "1:3:e:slide show \"{{tiere}}\" finds no first picture tiere1.jpg",
                   "1:4:e:link \"{Haus.JPG}\" finds no Haus.JPG", "1:5:e:\"<<info.pdf>>\""}},
        CheckCase{"link_to_other_file",
                  "#01 A|{film.avi}|#02 B|{ton.mp3}|#00",
                  {{"film.avi", "v"}},
                  {"2:4:e:finds no ton.mp3"}},
        CheckCase{
            "gap_errors",
            "#01 A|[1] [2] [3] [4] [5] [6] [7] [8] [9] [10]|[11] [12] [13] [14] [15] [16] [17] "
            "[18] [19] [20]|[21]|#02 B|Eine [Lücke] und eine] falsche.|#03 C|[offen und "
            "[zu]|#04 D|µ [frei|#00",
            {},
            {"1:4:e:21 gaps", "2:6:e:this \"]\" has no \"[\"", "3:8:e:this \"[\" has no \"]\""}},
        // The option line "$" is cut out above the last line; the line count must not slip.
        CheckCase{"gap_line_after_removed_option_line",
                  "#01 A|Text|$|[offen|#00",
                  {},
                  {"1:4:e:this \"[\" has no \"]\""}},
        CheckCase{
            "text_outside_pages",
            "Vorwort|#01 A|Text|#02 Ende|Nachwort",
            {},
            {"0:1:e:before the first title line", "2:4:w:after the last title line \"#02 Ende\""}},
        CheckCase{"one_title_only", "#01 A|Text|", {}, {"1:1:e:only one title line"}},
        CheckCase{"titles",
                  "#Einleitung|a|#02 B|b|#02 C|c|#09 D|d|#04 E|e|#00",
                  {},
                  {"1:1:w:\"Einleitung\" does not begin with a two-digit page number, so the list "
                   "page cannot open it; begin it with 01",
                   "3:5:w:number 02 is used twice (also on line 3)", "4:7:w:no page 09",
                   "5:9:w:opens page 4"}},
        // In a test every click on the list starts at page 1: only missing numbers and
        // numbers used twice are reported.
        CheckCase{"titles_in_test_mode", "#01 _A|a|#03 B|b|#03 C|c|#00", {}, {"3:5:w:used twice"}},
        CheckCase{
            "hash_inside_line",
            "#01 A|Nummer #5 im Text|#02 B #03 C|x|#00",
            {},
            {"2:2:w:begins a new page titled \"5 im Text\"", "2:2:w:\"5 im Text\" does not begin",
             "2:2:w:page 2 is empty",  // "#5 im Text" took the rest of its line as a title
             "4:3:w:titled \"03 C\"", "3:3:w:opens page 2", "4:3:w:opens page 3"}},
        CheckCase{"option_lines",
                  "#01 A|Text [a]|Wie alt bist du?|#02 B|Text|?4 $|#03 C|[x]|$ §|#00",
                  {},
                  {"1:3:w:the line \"Wie alt bist du?\"", "2:6:w:\"?4\" in the option line"}},
        CheckCase{"option_line_with_words_and_signs",
                  "#01 A|Text [a]|Gern?~ Antwort: [ 0 ]|#02 B|Text|$\xC2\xA0§|#00",
                  {},
                  {"1:3:w:contains \"~\", so it is read as an option line"}},
        CheckCase{
            "questionnaire",
            "#01 _Info|Willkommen|#02 F01|?F01: Gern?|~|Antwort: [ 0 ]|?5|#03 F02|Frage "
            "ohne Zeile [ 0 ]|?5|#04 F03|?F03: Noch?|~|?3|#05 F04|?F04: Ja?|~|Antwort: [ 0|?3|"
            "#00",
            {},
            {"3:10:e:(?5) without its question line",
             "4:14:e:(?3) without an answer gap, so the learner's answer has nowhere to go; "
             "add one such as \"Antwort: [ 0 ]\"; in the test the pages after it can never be "
             "reached",
             "5:18:e:this \"[\" has no \"]\"",
             "5:19:e:(?3) without answer fields because of its gap error"}},
        CheckCase{"page_scripts",
                  "#01 A|Wert .x = [.x]|@|#02 B|[.y]|@|#03 C|[.z]|@ %|#00",
                  {{"kurs_m.txt", "#|x=1|#|dez=a|#|"}},
                  {"2:6:e:in kurs_m.txt needs a digit", "3:9:e:has no section for it"}},
        CheckCase{
            "page_script_file_missing", "#01 A|[.x]|@|#00", {}, {"1:3:e:kurs_m.txt is missing"}},
        CheckCase{
            "image_regions",
            "#01 A;karte.jpg|[1]|/|#02 B;karte.jpg|[1]|//|#03 C|[1]|/|#04 D;karte.jpg|[1]|/|#00",
            {{"karte.jpg", "j"}, {"search.txt", "#1|1,2,3,4,1|#2|1,2,x,4,1|#3|#4|#5"}},
            {"2:6:e:region \"1,2,x,4,1\" of page 2", "3:9:e:without a picture",
             "3:9:e:no regions for page 3", "4:12:e:no regions for page 4"}},
        CheckCase{"image_regions_without_table",
                  "#01 A;k.jpg|[1]|/|#00",
                  {{"k.jpg", "j"}},
                  {"1:3:e:search.txt is missing"}},
        CheckCase{"menu",
                  "Bitte wählen:|kurs1.rsd Tiere|KURS2.RSD Zahlen|",
                  {{"kurs1.rsd", "a"}},
                  {"0:3:e:names kurs2.rsd"},
                  1},
        CheckCase{"single_text",
                  "Ein [Haus] und [noch eins.|{bild.jpg}|$ ?5",
                  {},
                  {"1:1:e:this \"[\" has no \"]\"", "1:2:e:finds no bild.jpg"}},
        CheckCase{"single_text_empty", " | ", {}, {"1:1:w:empty"}}),
    [](const ::testing::TestParamInfo<CheckCase>& param) { return std::string(param.param.name); });

// Archives: checked as the player unpacks them, then their text.
TEST(LessonCheckArchive, ReportsTheLessonTextNameAndSkippedMembers) {
    ScratchFolder folder;
    writeFile(folder / "meine.rtf", "{\\rtf1 #01 A;titelbild.jpg\\par Text\\par #00}");
    writeFile(folder / "titelbild.jpg", "j");
    ASSERT_EQ(writeArchive(folder / "tiere.rsd", {{"meine.rtf", folder / "meine.rtf", ""},
                                                  {"titelbild.jpg", folder / "titelbild.jpg", ""}}),
              "");
    std::filesystem::create_directory(folder / "work1");
    const LessonCheckReport wrong = checkLessonFile(folder / "tiere.rsd", folder / "work1");
    ASSERT_EQ(wrong.findings.size(), 2u);
    EXPECT_EQ(formatFinding("tiere.rsd", wrong.findings[1]),
              "tiere.rsd:0:0: error: the archive holds no tiere.rtf, so the player finds no lesson "
              "text in it (it looks for the archive's name with .rtf); rename meine.rtf to "
              "tiere.rtf and pack again");

    std::filesystem::copy_file(folder / "tiere.rsd", folder / "meine.rsd");
    std::filesystem::create_directory(folder / "work2");
    const LessonCheckReport right = checkLessonFile(folder / "meine.rsd", folder / "work2");
    ASSERT_EQ(right.findings.size(), 2u);
    EXPECT_EQ(formatFinding("m", right.findings[0]),
              "m:0:0: warning: the member titelbild.jpg is never unpacked: pictures whose names "
              "contain \"titel\" or \"backgraph\" are left out; rename it if the lesson shows it");
    EXPECT_EQ(right.findings[1].line, 1);
    EXPECT_NE(right.findings[1].message.find("the archive holds titelbild.jpg, but"),
              std::string::npos);
    EXPECT_TRUE(right.hasErrors());
}

TEST(LessonCheckArchive, ReportsRefusedMembersAndDamage) {
    ScratchFolder folder;
    testing::RawArchive archive;
    archive.member(0, "kurs.rtf", "#01 A\r\n{../boese.jpg}\r\nText\r\nText\r\n#00\r\n");
    archive.member(1, "../boese.jpg", "j");
    archive.record(2, "rest.jpg", 10, 1'000'000'000);
    archive.save(folder / "kurs.rsd");
    std::filesystem::create_directory(folder / "work");
    const LessonCheckReport report = checkLessonFile(folder / "kurs.rsd", folder / "work");
    std::vector<std::string> lines;
    for (const CheckFinding& f : report.findings) lines.push_back(formatFinding("k", f));
    ASSERT_EQ(lines.size(), 3u) << ::testing::PrintToString(lines);
    EXPECT_EQ(lines[0].rfind("k:0:0: error: the member \"../boese.jpg\" is never unpacked (", 0),
              0u);
    EXPECT_EQ(lines[1].rfind("k:0:0: error: the archive is damaged", 0), 0u);
    EXPECT_EQ(lines[2].rfind("k:1:2: error: the link \"{../boese.jpg}\"", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder / "boese.jpg"));
}

TEST(LessonCheckArchive, UnreadableArchiveIsNoFinding) {
    ScratchFolder folder;
    writeFile(folder / "kurz.rsd", "zu kurz");
    const LessonCheckReport report = checkLessonFile(folder / "kurz.rsd", folder.path());
    EXPECT_TRUE(report.findings.empty());
    EXPECT_NE(report.unreadable.find("kurz.rsd"), std::string::npos);
    EXPECT_TRUE(report.hasErrors());
}

}  // namespace
}  // namespace textaria::lesson
