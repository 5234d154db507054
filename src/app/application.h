// The desktop program: its state, owned for the whole run, and its windows, made in their
// fixed order and handed that state.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

#include "app/external_programs.h"
#include "app/startup_options.h"
#include "calc/eval_u.h"
#include "lesson/startup_facts.h"
#include "platform/ui/external_viewer.h"
#include "platform/ui/font_registry.h"
#include "platform/ui/qt_user_dialogs.h"

namespace textaria::calc {
class TForm13;
}
namespace textaria::player {
class LessonPlayer;
class TForm1;
class TForm30;
}  // namespace textaria::player
namespace textaria::script {
class QtInputDialogs;
class TForm2;
class TForm27;
class TForm28;
}  // namespace textaria::script

namespace textaria::app {

// Everything the windows share. Declared before the windows, so it outlives them.
struct ApplicationState {
    calc::FormulaVariables variables;
    lesson::StartupState startup;
    platform::QtUserDialogs dialogs;
    platform::ExternalViewer viewer;
    platform::VolumeControl volume;
    DesktopPrograms programs{viewer, volume};
    platform::FontRegistry fonts;
};

class Application : public QObject {
    Q_OBJECT

  public:
    Application(const std::string& programPath, const StartupOptions& options);
    ~Application() override;

    // Makes the windows in their order. False when start-up must end (the message has been
    // shown).
    bool createWindows();
    // Shows the main window.
    void show();
    // A later start of the program handed over its arguments.
    void anotherStart(const QStringList& arguments);

    ApplicationState& state() { return state_; }
    player::TForm1* Form1() const { return form1_.get(); }
    player::LessonPlayer* lessonPlayer() const { return lessonPlayer_.get(); }
    calc::TForm13* Form13() const { return form13_.get(); }
    player::TForm30* Form30() const { return form30_.get(); }
    script::TForm2* Form2() const { return form2_.get(); }
    script::TForm27* Form27() const { return form27_.get(); }
    script::TForm28* Form28() const { return form28_.get(); }

  signals:
    // The main window has closed; the program ends.
    void finished();

  private:
    // Ctrl F1 in the lesson window: the script editor until it is closed.
    void showScriptEditorModally();

    ApplicationState state_;
    // The lesson player outlives the main window that shows it.
    std::unique_ptr<player::LessonPlayer> lessonPlayer_;
    std::string scriptFile_;  // opened in the script editor when the program shows
    std::unique_ptr<player::TForm1> form1_;
    std::unique_ptr<calc::TForm13> form13_;
    std::unique_ptr<player::TForm30> form30_;
    std::unique_ptr<script::TForm2> form2_;
    std::unique_ptr<script::TForm27> form27_;
    std::unique_ptr<script::TForm28> form28_;
    // The selection box of questionnaire pages, asked by the lesson player.
    std::unique_ptr<script::QtInputDialogs> inputDialogs_;
};

}  // namespace textaria::app
