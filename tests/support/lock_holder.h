#pragma once
// Another process holding an exclusive lock on an SQLite file: the sqlite3 shell inside
// BEGIN EXCLUSIVE, for as long as the object lives. Neither reading nor writing the file
// gets through meanwhile.

#include <QProcess>
#include <QString>

namespace qv::tests {

class LockHolder {
public:
    // Whether the sqlite3 shell is there to hold a lock; tests skip without it.
    static bool available();

    // Returns once the lock is held; throws std::runtime_error when it cannot be taken.
    explicit LockHolder(const QString& databaseFile);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

private:
    QProcess shell_;
};

}  // namespace qv::tests
