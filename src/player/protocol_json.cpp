#include "player/protocol_json.h"

#include "calc/numeric_number.h"
#include "platform/codepage.h"
#include "player/test_protocol.h"

namespace textaria::player {

namespace {

class JsonOut {
  public:
    void open(char bracket) {
        out_ += bracket;
        first_ = true;
        ++depth_;
    }
    void close(char bracket) {
        --depth_;
        newline();
        out_ += bracket;
        first_ = false;
    }
    // Starts the next member of an object ("key": ) or element of an array (key empty).
    JsonOut& key(std::string_view name = {}) {
        if (!first_) out_ += ',';
        first_ = false;
        newline();
        if (!name.empty()) out_ += jsonString(name) + ": ";
        return *this;
    }
    void raw(std::string_view text) { out_ += text; }
    void text(std::string_view s) { out_ += jsonString(s); }
    void number(int v) { out_ += std::to_string(v); }
    std::string take() { return std::move(out_) + "\n"; }

  private:
    void newline() {
        out_ += '\n';
        out_.append(static_cast<std::size_t>(depth_) * 2, ' ');
    }
    std::string out_;
    bool first_ = true;
    int depth_ = 0;
};

void writeTextArray(JsonOut& j, const std::vector<std::string>& items) {
    j.open('[');
    for (const auto& s : items) j.key().text(s);
    j.close(']');
}

void writeQuestionnaire(JsonOut& j, const ProtocolRecord::Questionnaire& q) {
    j.open('{');
    j.key("levels").number(q.levels);
    j.key("form").text(q.form);
    j.key("score").number(q.score);
    j.key("maximum").number(q.maximum);
    j.key("questions").open('[');
    for (const auto& question : q.questions) {
        j.key().open('{');
        j.key("page").number(question.page);
        j.key("question").text(question.question);
        j.key("answer").text(question.answer);
        if (question.value)
            j.key("value").number(*question.value);
        else
            j.key("value").raw("null");
        j.close('}');
    }
    j.close(']');
    j.key("factors").open('[');
    for (const auto& f : q.factors) {
        j.key().open('{');
        j.key("letter").text(f.letter);
        if (!f.name.empty()) j.key("name").text(f.name);
        j.key("count").number(f.count);
        j.key("sum").number(f.sum);
        j.key("maximum").number(f.maximum);
        if (f.z) {
            j.key("z").raw(calc::formatFixedTrimmed(*f.z, 0, 2));
            j.key("band").text(f.band);
        }
        j.close('}');
    }
    j.close(']');
    j.close('}');
}

}  // namespace

std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        // Re-encoding keeps the output valid UTF-8 whatever the input (bad bytes become U+FFFD).
        const char32_t c = platform::nextUtf8(text, i);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 15];
                } else {
                    platform::appendUtf8(out, c);
                }
        }
    }
    return out + "\"";
}

std::string protocolJson(const ProtocolRecord& r) {
    JsonOut j;
    j.open('{');
    j.key("lesson").text(r.lesson);
    j.key("person").text(r.person);
    j.key("date").text(r.date);
    j.key("time").text(r.time);
    j.key("status").text(r.complete ? "complete" : "aborted");
    j.key("totalCorrect").number(r.totalCorrect);
    j.key("totalValues").number(r.totalValues);
    j.key("percent").raw(totalPercentText(r.totalCorrect, r.totalValues));
    j.key("pages").open('[');
    for (const auto& page : r.pages) {
        j.key().open('{');
        j.key("number").number(page.number);
        j.key("title").text(page.title);
        j.key("result").text(page.resultLine);
        j.key("answers");
        writeTextArray(j, page.answers);
        j.close('}');
    }
    j.close(']');
    if (r.questionnaire) {
        j.key("questionnaire");
        writeQuestionnaire(j, *r.questionnaire);
    }
    j.close('}');
    return j.take();
}

}  // namespace textaria::player
