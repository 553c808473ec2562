#include "tests/support/lock_holder.h"

#include <QStandardPaths>

#include <stdexcept>

namespace qv::tests {

bool LockHolder::available() {
    return !QStandardPaths::findExecutable("sqlite3").isEmpty();
}

LockHolder::LockHolder(const QString& databaseFile) {
    shell_.start(QStandardPaths::findExecutable("sqlite3"), {databaseFile});
    // The shell waits for a lock another connection holds, stops at the first error and keeps
    // the transaction open while it waits for more input: the line comes once the lock is held.
    shell_.write(".bail on\n.timeout 10000\nBEGIN EXCLUSIVE;\nSELECT 'locked';\n");
    while (!shell_.canReadLine()) {
        if (!shell_.waitForReadyRead(10000))
            throw std::runtime_error("The sqlite3 shell did not lock " +
                                     databaseFile.toStdString() + ": " +
                                     shell_.errorString().toStdString());
    }
}

LockHolder::~LockHolder() {
    shell_.write("ROLLBACK;\n");
    shell_.closeWriteChannel();
    if (!shell_.waitForFinished(10000))
        shell_.kill();
}

}  // namespace qv::tests
