// The drill-down statements. Input: a value from a list cell. Each summary's statement and the
// item description's have the shape they have for a harmless value, and are run.
#include "drilldown/summary_queries.h"
#include "tests/fuzz/fuzz_support.h"

using qv::drilldown::Summary;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString value = qv::tests::typedText(data, size);
    const QString harmless = qv::tests::harmlessText(value);
    for (const Summary summary : {Summary::Grade, Summary::Item, Summary::CustCode,
                                  Summary::ProdCode, Summary::PalletStatus, Summary::Location})
        qv::tests::requireSafeStatement(qv::drilldown::summaryStatement(summary, value),
                                        qv::drilldown::summaryStatement(summary, harmless));
    qv::tests::requireSafeStatement(qv::drilldown::itemDescStatement(value),
                                    qv::drilldown::itemDescStatement(harmless));
    return 0;
}
