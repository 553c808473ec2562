// The lot search statement. Input lines: the eight criteria texts as typed. Whatever they hold,
// the statement has the shape of one built from harmless texts of the same lengths: typed text
// only ever stands inside string literals. And it is run: the single-SELECT guard and the
// SQLite dialect layer take it.
#include "search/lot_query.h"
#include "tests/fuzz/fuzz_support.h"

using qv::search::LotSearchCriteria;
using qv::tests::harmlessText;

namespace {

LotSearchCriteria harmlessCriteria(const LotSearchCriteria& c) {
    // The one-letter customer code C is searched for exactly, not as a LIKE.
    const bool exactCustomer = c.CustomerCode.toUpper() == u"C";
    return {
        harmlessText(c.Location),    harmlessText(c.ItemNumber),
        harmlessText(c.LotNumber),   harmlessText(c.Grade),
        harmlessText(c.ProductCode), exactCustomer ? c.CustomerCode : harmlessText(c.CustomerCode),
        harmlessText(c.Category),    harmlessText(c.PalletStatus)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList t = qv::tests::typedTexts(data, size, 8);
    const auto criteria =
        LotSearchCriteria::fromControlTexts(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7]);
    qv::tests::requireSafeStatement(qv::search::buildLotStatement(criteria),
                                    qv::search::buildLotStatement(harmlessCriteria(criteria)));
    return 0;
}
