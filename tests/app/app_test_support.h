// Shared helpers of the desktop program's tests: a private temporary folder per test, put in
// place of the system's, so the work folder and the data tree land inside it.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

namespace textaria::testing {

class PrivateTempFolder {
  public:
    PrivateTempFolder() : oldTmp_(qgetenv("TMPDIR")), hadTmp_(qEnvironmentVariableIsSet("TMPDIR")) {
        qputenv("TMPDIR", dir_.path().toUtf8());
    }
    ~PrivateTempFolder() {
        if (hadTmp_)
            qputenv("TMPDIR", oldTmp_);
        else
            qunsetenv("TMPDIR");
    }
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.filePath(relative); }

  private:
    QTemporaryDir dir_;
    QByteArray oldTmp_;
    bool hadTmp_;
};

inline QString readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace textaria::testing
