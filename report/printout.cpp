#include "report/printout.h"

namespace qv::report {

namespace {

// The number a version text starts with ("16.0.1" is 16); 0 when it starts with none.
double leadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    bool point = false;
    for (; end < trimmed.size(); ++end) {
        const QChar c = trimmed[end];
        if (c == u'.' && !point)
            point = true;
        else if (!c.isDigit())
            break;
    }
    bool ok = false;
    const double value = trimmed.left(end).toDouble(&ok);
    return ok ? value : 0;
}

}  // namespace

bool hasQueryToPrint(const QString& queryText) {
    return queryText.size() >= 10;
}

std::optional<QString> versionRefusal(const QString& version) {
    if (leadingNumber(version) > 14.0)
        return std::nullopt;
    const std::pair<const char16_t*, const char16_t*> refused[] = {
        {u"10.0", u"You are using Excel 2002. - not supported "},
        {u"9.0", u"You are using Excel 2000. - not supported "},
        {u"8.0", u"You are using Excel 97. - not supported"},
        {u"7.0", u"You are using Excel 95. - not supported "}};
    for (const auto& [refusedVersion, message] : refused)
        if (version == QStringView(refusedVersion))
            return QString::fromUtf16(message);
    return std::nullopt;
}

std::optional<QString> manyRecordsWarning(qint64 recordCount) {
    if (recordCount <= 500)
        return std::nullopt;
    // A plain decimal number of up to 15 significant digits: 11.1333333333333, 20.
    return QStringLiteral("Many Records in this Query - This Will Print  ") +
           QString::number(double(recordCount) / 45.0, 'g', 15) + QStringLiteral(" Pages");
}

OrientationMarks orientationMarks(bool checked) {
    if (checked)
        return {QStringLiteral("Portrait"), true, false};
    return {QStringLiteral("Landscape"), false, true};
}

PrintLayout printLayout(bool checked) {
    return checked ? PrintLayout::Narrow : PrintLayout::Wide;
}

}  // namespace qv::report
