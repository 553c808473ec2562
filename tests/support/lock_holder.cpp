#include "tests/support/lock_holder.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>

#include <sqlite3.h>

#include <stdexcept>

namespace qv::tests {
namespace {

QString shellPath() {
    return QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
}

// Whether a reader of the file is turned away at once.
bool isLocked(const QString& databaseFile) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(databaseFile.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc == SQLITE_BUSY;
}

}  // namespace

bool LockHolder::available() {
    return !shellPath().isEmpty();
}

LockHolder::LockHolder(const QString& databaseFile) {
    shell_.start(shellPath(), {databaseFile});
    if (!shell_.waitForStarted())
        throw std::runtime_error("Cannot start the sqlite3 shell: " +
                                 shell_.errorString().toStdString());
    // The shell waits for more input with the transaction open. It waits in turn while the
    // check below reads the file, or it would give up at once.
    shell_.write(".timeout 10000\nBEGIN EXCLUSIVE;\n");
    shell_.waitForBytesWritten();
    const QDeadlineTimer deadline(10000);
    while (!isLocked(databaseFile)) {
        if (deadline.hasExpired() || shell_.state() != QProcess::Running)
            throw std::runtime_error("The sqlite3 shell did not lock " +
                                     databaseFile.toStdString());
        QThread::msleep(20);
    }
}

LockHolder::~LockHolder() {
    shell_.write("ROLLBACK;\n");
    shell_.waitForBytesWritten();
    shell_.closeWriteChannel();
    if (!shell_.waitForFinished(10000))
        shell_.kill();
}

}  // namespace qv::tests
