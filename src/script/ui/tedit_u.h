// The script editor window. Making it sets up the data tree (tavconfig.txt) and installs the
// line-drawing font.
#pragma once

#include <QMainWindow>
#include <string>

#include "lesson/folders.h"

namespace textaria::platform {
class UserDialogs;
class FontRegistry;
}  // namespace textaria::platform

namespace textaria::script {

class TForm2 : public QMainWindow {
    Q_OBJECT

  public:
    TForm2(platform::UserDialogs& dialogs, platform::FontRegistry& fonts,
           QWidget* parent = nullptr);

    // False when the data tree could not be set up; the message has been shown and the
    // program must end.
    bool startedUp() const { return dataRoot_.ok; }
    const std::string& dataRoot() const { return dataRoot_.DataRoot; }
    // The family of the registered line-drawing font; empty when none could be installed.
    const std::string& lineDrawFamily() const { return lineDrawFamily_; }

  private:
    void FormCreate();

    platform::UserDialogs& dialogs_;
    platform::FontRegistry& fonts_;
    lesson::DataRootSetup dataRoot_;
    std::string lineDrawFamily_;
};

// Where the line-drawing font is taken from: a free font with box-drawing and math glyphs.
std::string lineDrawFontSource();

}  // namespace textaria::script
