// The order header statement. Input: an order number as typed. The statement has the shape it
// has for a harmless number, and is run.
#include "orders/order_header.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString orderNumber = qv::tests::typedText(data, size);
    qv::tests::requireSafeStatement(
        qv::orders::orderHeaderStatement(orderNumber),
        qv::orders::orderHeaderStatement(qv::tests::harmlessText(orderNumber)));
    return 0;
}
