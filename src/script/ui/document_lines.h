// The script text of the editor as the runner sees it: one line per block of the document.
#pragma once

#include "script/script_lines.h"

class QPlainTextEdit;

namespace textaria::script {

class DocumentLines final : public ScriptLines {
  public:
    explicit DocumentLines(QPlainTextEdit& editor) : editor_(editor) {}

    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    void replaceLine(std::size_t index, std::string_view text) override;
    void insertLine(std::size_t index, std::string_view text) override;
    void removeLine(std::size_t index) override;
    std::size_t caretLine() const override;
    void setCaretLine(std::size_t index) override;

  private:
    QPlainTextEdit& editor_;
};

}  // namespace textaria::script
