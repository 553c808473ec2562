#include "host/view_catalog.h"

#include <array>

namespace qv::host {

const ViewDefinition* findViewDefinition(const QString& id) {
    static const std::array<ViewDefinition, 8> views{{
        {QStringLiteral("CS0012"), QStringLiteral("CSOPTFD"),
         QStringLiteral("Optional Field Values")},
        {QStringLiteral("CS0120"), QString(), QStringLiteral("SQL Statement")},
        {QStringLiteral("IC0210"), QStringLiteral("ICCATG"), QStringLiteral("Categories")},
        {QStringLiteral("IC0310"), QStringLiteral("ICITEM"), QStringLiteral("Items")},
        {QStringLiteral("IC0370"), QStringLiteral("ICLOC"), QStringLiteral("Locations")},
        {QStringLiteral("IC0810"), QStringLiteral("ICXLOT"), QStringLiteral("Lots")},
        {QStringLiteral("IC0812"), QStringLiteral("ICXLOTO"),
         QStringLiteral("Lot Optional Fields")},
        {QStringLiteral("OE0520"), QStringLiteral("OEORDH"), QStringLiteral("Orders")},
    }};
    for (const ViewDefinition& view : views) {
        if (view.id == id)
            return &view;
    }
    return nullptr;
}

}  // namespace qv::host
