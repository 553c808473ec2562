#include "tests/support/model_checker.h"

#include <cstring>

namespace qv::tests {
namespace {

QStringList* capturedFindings = nullptr;
QtMessageHandler previousHandler = nullptr;

void collectTesterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtDebugMsg && context.category &&
        std::strcmp(context.category, "qt.modeltest") == 0)
        *capturedFindings << text;
    else if (previousHandler)
        previousHandler(type, context, text);
}

QtMessageHandler capture(QStringList& findings) {
    capturedFindings = &findings;
    return previousHandler = qInstallMessageHandler(collectTesterMessages);
}

}  // namespace

ModelChecker::ModelChecker(QAbstractItemModel* model)
    : previous_(capture(findings_)),
      tester_(model, QAbstractItemModelTester::FailureReportingMode::Warning) {}

ModelChecker::~ModelChecker() {
    qInstallMessageHandler(previous_);
}

}  // namespace qv::tests
