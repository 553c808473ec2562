#include "platform/quoting.h"

namespace qv::platform {

QString doubleQuotes(const QString& text, QChar quote) {
    return QString(text).replace(quote, QString(2, quote));
}

}  // namespace qv::platform
