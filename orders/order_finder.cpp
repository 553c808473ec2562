#include "orders/order_finder.h"

#include "host/finder.h"
#include "platform/formats.h"
#include "platform/quoting.h"

#include <QRegularExpression>

#include <utility>

namespace qv::orders {

namespace {

constexpr int kFinderSetting = 3;
constexpr int kDaysBack = 30;

}  // namespace

QString customerForCategory(const QString& categoryText) {
    static const std::pair<QChar, const char*> kCustomers[] = {
        {u'A', "29720"}, {u'B', "10927"}, {u'C', "12239"}, {u'D', "12240"}, {u'E', "29710"},
        {u'F', "12400"}, {u'G', "12241"}, {u'H', "29660"}, {u'I', "10930"}, {u'J', "29650"},
        {u'N', "12243"}, {u'O', "10000"}, {u'S', "16100"}, {u'T', "12300"}, {u'V', "29640"},
        {u'W', "29700"}, {u'Y', "29680"}};
    if (categoryText.isEmpty())
        return {};
    for (const auto& [letter, customer] : kCustomers) {
        if (categoryText.front() == letter)
            return QString::fromLatin1(customer);
    }
    return {};
}

int orderDateLimit(QDate today) {
    const QDate limit = today.addDays(-kDaysBack);
    return limit.year() * 10000 + limit.month() * 100 + limit.day();
}

QString orderFinderFilter(const QString& orderValue, int dateLimit, const QString& customer) {
    QString filter = QStringLiteral("(ORDNUMBER LIKE \"%") +
                     platform::doubleQuotes(orderValue, u'"') +
                     QStringLiteral("%\") AND (ORDDATE > ") + QString::number(dateLimit) +
                     QStringLiteral(") AND (NUMSHPMENT =0) ");
    if (customer.trimmed().size() > 4)
        filter += QStringLiteral("AND (CUSTOMER LIKE \"%") +
                  platform::doubleQuotes(customer, u'"') + QStringLiteral("%\") ");
    return filter;
}

QStringList showOrderFinder(host::HostSession* session, const QString& orderValue,
                            const QString& filter, QWidget* parent) {
    // Shown and searched: number, customer, bill-to and ship-to names, reference, order
    // and expected dates. Returned: the number, then the uniquifier.
    static const QList<int> kShownFields = {2, 3, 40, 41, 46, 17, 18};
    static const QList<int> kReturnedFields = {2, 1};
    host::LookupFinder finder;
    finder.setSession(session);
    finder.setViewId(QStringLiteral("OE0520"));
    finder.setFilter(filter);
    finder.setSetting(kFinderSetting);
    finder.setInitialValue(orderValue.trimmed());
    finder.setFieldLists(kShownFields, kShownFields, kReturnedFields);
    finder.show(parent);
    return finder.returnedValues();
}

qint32 orderUniquifier(const QString& returned) {
    static const QRegularExpression kLeadingNumber(
        QStringLiteral(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)))"));
    const QRegularExpressionMatch match = kLeadingNumber.match(returned);
    const double number = match.hasMatch() ? match.captured(1).toDouble() : 0;
    return platform::addRounded(0, number, "order uniquifier");
}

}  // namespace qv::orders
