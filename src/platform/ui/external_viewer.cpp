#include "platform/ui/external_viewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace textaria::platform {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

constexpr int kGraceMilliseconds = 1500;

}  // namespace

ExternalProcess::ExternalProcess() = default;

ExternalProcess::~ExternalProcess() { end(); }

bool ExternalProcess::start(const ProgramCommand& command, const std::string& workingFolder) {
    end();
    process_ = std::make_unique<QProcess>();
    QStringList arguments;
    for (const auto& a : command.arguments) arguments << qt(a);
    if (!workingFolder.empty()) process_->setWorkingDirectory(qt(workingFolder));
    // The viewer's own output would only clutter ours.
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->start(qt(command.program), arguments);
    if (!process_->waitForStarted(5000)) {
        process_.reset();
        return false;
    }
    return true;
}

bool ExternalProcess::isRunning() const {
    return process_ && process_->state() != QProcess::NotRunning;
}

qint64 ExternalProcess::processId() const { return process_ ? process_->processId() : 0; }

void ExternalProcess::end() {
    if (!process_) return;
    if (process_->state() != QProcess::NotRunning) {
        process_->terminate();
        if (!process_->waitForFinished(kGraceMilliseconds)) {
            process_->kill();
            process_->waitForFinished(kGraceMilliseconds);
        }
    }
    process_.reset();
}

ExternalViewer::ExternalViewer(XdgEnvironment xdg) : xdg_(std::move(xdg)) {}

ExternalViewer::~ExternalViewer() { end(); }

std::string ExternalViewer::open(const std::string& file, int fallback) {
    if (const auto command = findViewerCommand(file, xdg_)) return open(*command);
    viewer_ = std::to_string(fallback);
    lastStarted_ = false;
    QDesktopServices::openUrl(QUrl::fromLocalFile(qt(file)));
    return viewer_;
}

std::string ExternalViewer::open(const ProgramCommand& command) {
    auto process = std::make_unique<ExternalProcess>();
    viewer_ = command.program;
    lastStarted_ = process->start(command);
    if (lastStarted_) processes_.push_back(std::move(process));
    return viewer_;
}

void ExternalViewer::end() {
    for (auto& process : processes_) process->end();
    processes_.clear();
    viewer_.clear();
}

std::size_t ExternalViewer::runningCount() const {
    std::size_t count = 0;
    for (const auto& process : processes_)
        if (process->isRunning()) ++count;
    return count;
}

VolumeControl::VolumeControl(std::string program) : program_(std::move(program)) {}

bool VolumeControl::toggle() {
    if (process_.isRunning()) {
        process_.end();
        return true;
    }
    if (program_.empty()) return false;
    return process_.start({program_, {}});
}

void VolumeControl::end() { process_.end(); }

}  // namespace textaria::platform
