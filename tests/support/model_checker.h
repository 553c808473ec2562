#pragma once
// QAbstractItemModelTester over a model for as long as the checker lives, with what the tester
// finds wrong collected rather than printed: a test changes the model (fills, sorts, resets
// it), then expects no findings. One checker at a time.

#include <QAbstractItemModelTester>
#include <QStringList>

namespace qv::tests {

class ModelChecker {
public:
    explicit ModelChecker(QAbstractItemModel* model);
    ~ModelChecker();
    ModelChecker(const ModelChecker&) = delete;
    ModelChecker& operator=(const ModelChecker&) = delete;

    // The tester's complaints so far, one text each.
    const QStringList& findings() const { return findings_; }

private:
    QStringList findings_;
    // Routes the tester's messages to findings_; installed before the tester, whose first
    // checks run as it is built.
    QtMessageHandler previous_;
    QAbstractItemModelTester tester_;
};

}  // namespace qv::tests
