#include "app/application.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLineEdit>

#include "calc/ui/tavkal_u.h"
#include "player/lesson_player.h"
#include "player/ui/panel4.h"
#include "player/ui/tavsound1_u.h"
#include "player/ui/tform1.h"
#include "script/ui/input_u.h"
#include "script/ui/select_u.h"
#include "script/ui/tedit_u.h"

namespace textaria::app {

Application::Application(const std::string& programPath, const StartupOptions& options) {
    state_.startup.programPath = programPath;
    state_.startup.parameters = options.parameters;
    state_.startup.openFile = options.openFile;
    scriptFile_ = options.scriptFile;
}

// The windows go before the state they refer to; the main window last, as it empties the
// work folder and ends the viewers.
Application::~Application() {
    if (lessonPlayer_) {
        lessonPlayer_->setInputDialogs(nullptr);
        lessonPlayer_->setScriptDrawing(nullptr);
    }
    inputDialogs_.reset();
    form28_.reset();
    form27_.reset();
    form2_.reset();
    form30_.reset();
    form13_.reset();
    form1_.reset();
}

bool Application::createWindows() {
    form1_ = std::make_unique<player::TForm1>(state_.startup, state_.dialogs, state_.programs);
    lessonPlayer_ = std::make_unique<player::LessonPlayer>(state_.startup, *form1_, state_.dialogs);
    form1_->attach(*lessonPlayer_);
    state_.dialogs.setParent(form1_.get());
    connect(form1_.get(), &player::TForm1::closed, this, &Application::finished);
    form13_ = std::make_unique<calc::TForm13>(state_.variables);
    connect(form1_.get(), &player::TForm1::calculatorReset, this,
            [this] { form13_->calculator().setResetOnOpen(true); });
    connect(
        form1_.get(), &player::TForm1::calculatorRequested, this,
        [this](QLineEdit* field, bool clearVariables) {
            if (clearVariables) form13_->calculator().clearSavedVariables();
            form13_->exec();
            if (field)
                field->setText(QString::fromStdString(form13_->calculator().calculatorResult()));
        });
    form30_ = std::make_unique<player::TForm30>();
    form30_->setPrograms(&state_.programs);
    form30_->setDialogs(&state_.dialogs);
    if (form1_->Panel4) form1_->Panel4->setRecorderWindow(form30_.get());
    form2_ = std::make_unique<script::TForm2>(state_.dialogs, state_.fonts, state_.variables);
    if (!form2_->startedUp()) return false;
    form2_->onCalculator = [this] { form13_->exec(); };
    // F10 in the lesson window changes the script graphics' text size, as it does here.
    lessonPlayer_->setScriptDrawing(&form2_->drawing());
    connect(form1_.get(), &player::TForm1::scriptEditorRequested, this,
            [this] { showScriptEditorModally(); });
    form27_ = std::make_unique<script::TForm27>();
    form28_ = std::make_unique<script::TForm28>();
    inputDialogs_ = std::make_unique<script::QtInputDialogs>(*form27_, *form28_);
    lessonPlayer_->setInputDialogs(inputDialogs_.get());
    form2_->setInputDialogs(inputDialogs_.get());
    form27_->calculator = {[this] { form13_->exec(); },
                           [this] { return form13_->calculator().calculatorResult(); }};
    return true;
}

void Application::showScriptEditorModally() {
    if (form2_->isVisible()) {
        form2_->raise();
        form2_->activateWindow();
        return;
    }
    form2_->setWindowModality(Qt::ApplicationModal);
    form2_->showMaximized();
    while (form2_->isVisible()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    form2_->setWindowModality(Qt::NonModal);
}

void Application::show() {
    if (form1_) form1_->show();
    if (form2_ && !scriptFile_.empty() && form2_->openScript(scriptFile_)) form2_->showMaximized();
}

void Application::anotherStart(const QStringList& arguments) {
    if (!form1_) return;
    std::vector<std::string> list;
    for (const QString& a : arguments) list.push_back(a.toStdString());
    const auto options = parseStartupOptions(list);
    if (!options.openFile.empty()) form1_->requestOpen(options.openFile);
    form1_->setWindowState((form1_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    form1_->show();
    form1_->raise();
    form1_->activateWindow();
}

}  // namespace textaria::app
