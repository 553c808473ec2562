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
    ModelChecker(const ModelChecker&) = delete;
    ModelChecker& operator=(const ModelChecker&) = delete;

    // The tester's complaints so far, one text each.
    const QStringList& findings() const { return findings_; }

private:
    // Routes the tester's messages to findings_ while it lives; made before the tester, whose
    // first checks run as it is built.
    class Capture {
    public:
        explicit Capture(QStringList& findings);
        ~Capture();
        Capture(const Capture&) = delete;
        Capture& operator=(const Capture&) = delete;
    };

    QStringList findings_;
    Capture capture_{findings_};
    QAbstractItemModelTester tester_;
};

}  // namespace qv::tests
