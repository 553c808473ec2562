#include "host/view_catalog.h"

#include <array>

namespace qv::host {

std::span<const ViewDefinition> viewDefinitions() {
    static const std::array<ViewDefinition, 8> kViews{{
        {"CS0012",
         "CSOPTFD",
         "Optional Field Values",
         {{1, "OPTFIELD"}, {2, "VALUE"}, {4, "VDESC"}}},
        {"CS0120", {}, "SQL Statement", {}},
        {"IC0210", "ICCATG", "Categories", {{1, "CATEGORY"}, {2, "DESC"}}},
        {"IC0310",
         "ICITEM",
         "Items",
         {{1, "ITEMNO"},
          {3, "DESC"},
          {8, "STOCKUNIT"},
          {11, "CATEGORY"},
          {13, "PICKINGSEQ"},
          {14, "UNITWGT"}}},
        {"IC0370", "ICLOC", "Locations", {{1, "LOCATION"}, {2, "DESC"}}},
        {"IC0810",
         "ICXLOT",
         "Lots",
         {{1, "LOTNUM"}, {2, "ITEMNUM"}, {3, "LOCATION"}, {4, "QTYAVAIL"}}},
        {"IC0812",
         "ICXLOTO",
         "Lot Optional Fields",
         {{1, "ITEMNUM"}, {2, "LOCATION"}, {3, "LOTNUM"}, {4, "OPTFIELD"}, {5, "VALUE"}}},
        {"OE0520",
         "OEORDH",
         "Orders",
         {{1, "ORDUNIQ"},
          {2, "ORDNUMBER"},
          {3, "CUSTOMER"},
          {17, "ORDDATE"},
          {18, "EXPDATE"},
          {40, "BILNAME"},
          {41, "SHPNAME"},
          {46, "REFERENCE"}}},
    }};
    return kViews;
}

const ViewDefinition* findViewDefinition(const QString& id) {
    for (const ViewDefinition& view : viewDefinitions()) {
        if (view.id == id)
            return &view;
    }
    return nullptr;
}

}  // namespace qv::host
