// The lesson linter's messages for authors, kept together for review. "{}" marks where
// texts::fillIn puts a value. Each says what is wrong and what to do.
#pragma once

namespace textaria::lesson::check_texts {

// Pages and titles.
inline constexpr const char* kEmptyLesson = "the lesson text is empty";
inline constexpr const char* kTextBeforeFirstTitle =
    "the text before the first title line is never shown; move it below a title line or "
    "delete it";
inline constexpr const char* kNoPages =
    "the lesson has only one title line, so it has no page to show; give every page its own "
    "title line and end the lesson with a closing title line such as #00";
inline constexpr const char* kNoClosingTitle =
    "the text after the last title line \"#{}\" is never shown; end the lesson with a closing "
    "title line such as #00";
inline constexpr const char* kHashInLine =
    "this \"#\" in the middle of a line begins a new page titled \"{}\"; use \"#\" only at the "
    "start of a title line";
inline constexpr const char* kEmptyPage =
    "page {} is empty; write its text below the title line or delete the title line";
inline constexpr const char* kTitleNoNumber =
    "the title \"{}\" does not begin with a two-digit page number, so the list page cannot "
    "open it; begin it with {}, as in \"#{}, ...\"";
inline constexpr const char* kTitleNumberTwice =
    "the title number {} is used twice (also on line {}); the list page opens page {} for "
    "both; number the titles in page order";
inline constexpr const char* kTitleNumberElsewhere =
    "the title \"{}\" is page {}, but a click on it in the list page opens page {}; number the "
    "titles in page order";
inline constexpr const char* kTitleNumberNoPage =
    "the title \"{}\" is page {}, but the lesson has no page {}, so a click on it in the list "
    "page opens nothing; number the titles in page order";

// Option lines.
inline constexpr const char* kTextAsOptionLine =
    "the line \"{}\" is one of the page's last two lines and contains \"{}\", so it is read as "
    "an option line and not shown; move it up or end the page with two empty lines";
inline constexpr const char* kUnknownOptions =
    "\"{}\" in the option line are no options; options are @ @@ $ § & ~ % %% * | / // ?3 ?5 ?7";

// Gaps; the player's own message is quoted so the author recognises it.
inline constexpr const char* kTooManyGaps =
    "page {} has {} gaps, but at most 20 are allowed: the player shows \"{}\" and no answer "
    "fields; split the page in two";
inline constexpr const char* kOpenWithoutClose =
    "this \"[\" has no \"]\": the player shows \"{}\" and no answer fields on page {}; close the "
    "gap with \"]\"";
inline constexpr const char* kCloseWithoutOpen =
    "this \"]\" has no \"[\" before it: the player shows \"{}\" and no answer fields on page {}; "
    "add the \"[\" or delete the \"]\"";

// Questionnaires.
inline constexpr const char* kQuestionLineMissing =
    "questionnaire page ({}) without its question line; write the question on a line beginning "
    "with \"?F\", as in \"?F01: ...\", followed by a line \"~\"";
inline constexpr const char* kAnswerGapMissing =
    "questionnaire page ({}) without an answer gap, so the learner's answer has nowhere to go; "
    "add one such as \"Antwort: [ 0 ]\"";
inline constexpr const char* kTestStuck = "; in the test the pages after it can never be reached";
inline constexpr const char* kTestStuckByGapError =
    "questionnaire page ({}) without answer fields because of its gap error: in the test the "
    "pages after it can never be reached";

// Files. The fixes depend on where the lesson lies.
inline constexpr const char* kFixLoose = "put it beside the lesson text";
inline constexpr const char* kFixArchive = "pack it into the archive";
inline constexpr const char* kFixSkipped =
    "the archive holds {}, but pictures whose names contain \"titel\" or \"backgraph\" are "
    "never unpacked; rename it and pack again";
inline constexpr const char* kTitlePictureMissing =
    "the picture {} of the title line is missing; {}";
inline constexpr const char* kTitleSoundMissing = "the sound {} of the title line is missing; {}";
inline constexpr const char* kTitleFileMissing = "the file {} of the title line is missing; {}";
inline constexpr const char* kPictureLinkMissing =
    "the link \"{{}}\" finds no {}, so a click on it does nothing; {}";
inline constexpr const char* kSlideShowMissing =
    "the slide show \"{{{}}}\" finds no first picture {}, so a click on it does nothing; {}";
inline constexpr const char* kExternalLinkMissing =
    "the link \"<<{}>>\" names a file that is missing; {}";
inline constexpr const char* kScriptFileMissing =
    "page {} has the option \"@\", but its script file {} is missing; {}";
inline constexpr const char* kScriptSectionMissing =
    "page {} has the option \"@\", but the script file {} has no section for it: page {}'s "
    "script lies between the file's lines number {} and {} that hold \"#\"";
inline constexpr const char* kScriptDecimals =
    "the \"dez\" line of page {}'s script in {} needs a digit four characters after the \"d\", "
    "as in dez=2; the player stops preparing the page with \"{}\"";
inline constexpr const char* kScriptLineUnreadable =
    "page {}'s script fails at line {} of {}: \"{}\" is no command, keyword, assignment or "
    "formula; the player shows the page without its values and without answer fields";
inline constexpr const char* kScriptRunaway =
    "page {}'s script in {} does not end: it still runs after {} executed lines (last at line "
    "{}: \"{}\"); the player stops it and shows the page without its values and without "
    "answer fields";
inline constexpr const char* kRegionTableMissing =
    "page {} is an image click task (\"/\"), but search.txt is missing; {}";
inline constexpr const char* kRegionSectionMissing =
    "search.txt has no regions for page {}: they belong between the lines \"#{}\" and \"#{}\"";
inline constexpr const char* kRegionLineBad =
    "the region \"{}\" of page {} in search.txt is not x1,y1,x2,y2,number";
inline constexpr const char* kRegionNoPicture =
    "page {} is an image click task (\"/\") without a picture; name the picture after \";\" in "
    "the title line";
inline constexpr const char* kMenuProjectMissing =
    "the menu names {}, but the archive does not hold it; pack {} into the archive";

// Archives.
inline constexpr const char* kNoLessonText =
    "the archive holds no {}, so the player finds no lesson text in it (it looks for the "
    "archive's name with .rtf); {}";
inline constexpr const char* kRenameOne = "rename {} to {} and pack again";
inline constexpr const char* kRenameOfSeveral = "rename the lesson text ({}) to {} and pack again";
inline constexpr const char* kAddLessonText = "add the lesson text as {} and pack again";
inline constexpr const char* kMemberRefused =
    "the member \"{}\" is never unpacked ({}); rename it and pack again";
inline constexpr const char* kMemberSkipped =
    "the member {} is never unpacked: pictures whose names contain \"titel\" or \"backgraph\" "
    "are left out; rename it if the lesson shows it";
inline constexpr const char* kArchiveDamaged =
    "the archive is damaged and unpacks only in part ({}); pack it again";

}  // namespace textaria::lesson::check_texts
