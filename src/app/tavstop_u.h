// Only one Textaria per user: a second start hands its arguments to the first, which comes
// to the front, and ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace textaria::app {

// The guard's name: $TEXTARIA_INSTANCE_NAME when set (parallel tests use their own),
// otherwise one per user.
QString instanceName();

class SingleInstanceGuard : public QObject {
    Q_OBJECT

  public:
    explicit SingleInstanceGuard(QString name = instanceName(), QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    // True when this is the first instance; it then listens for later starts. Otherwise the
    // arguments are handed to the first instance (as far as it can be reached) and false is
    // returned: this instance should end at once.
    bool acquire(const QStringList& arguments);

    const QString& name() const { return name_; }

  signals:
    // A later start handed over its arguments (without the program name).
    void anotherStart(const QStringList& arguments);

  private:
    void readConnection();

    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace textaria::app
