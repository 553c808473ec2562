#include "tests/support/model_checker.h"

#include <cstring>

namespace qv::tests {

namespace {

QStringList* capturedFindings = nullptr;
QtMessageHandler previousHandler = nullptr;

void collectTesterMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool fromTester = context.category && std::strcmp(context.category, "qt.modeltest") == 0;
    if (fromTester && type != QtDebugMsg && capturedFindings) {
        *capturedFindings << text;
        return;
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

}  // namespace

ModelChecker::Capture::Capture(QStringList& findings) {
    capturedFindings = &findings;
    previousHandler = qInstallMessageHandler(collectTesterMessages);
}

ModelChecker::Capture::~Capture() {
    qInstallMessageHandler(previousHandler);
    capturedFindings = nullptr;
}

ModelChecker::ModelChecker(QAbstractItemModel* model)
    : tester_(model, QAbstractItemModelTester::FailureReportingMode::Warning) {}

}  // namespace qv::tests
