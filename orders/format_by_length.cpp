#include "orders/format_by_length.h"

#include <QStringList>

namespace qv::orders {

QString FormatByLength(const QString& Expression, int Length) {
    static const QString kLineBreak = QStringLiteral("\r\n");
    QString result;
    if (Expression.isEmpty())
        return result;
    for (const QString& line : Expression.split(kLineBreak)) {
        if (line.size() <= Length) {
            result += line + kLineBreak;
            continue;
        }
        qsizetype running = 0;
        for (const QString& word : line.split(u' ')) {
            running += word.size() + 1;
            if (running > Length) {
                result += kLineBreak;
                running = word.size() + 1;
            }
            result += word + u' ';
        }
        result += kLineBreak;
    }
    return result;
}

}  // namespace qv::orders
