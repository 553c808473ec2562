#include "data/demo_content.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qv::data {
namespace {

// splitmix64: small, fast, and the same sequence on every platform and standard library.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    template <class T>
    const T& pick(const std::vector<T>& values) {
        return values[static_cast<std::size_t>(below(static_cast<int>(values.size())))];
    }

private:
    std::uint64_t state_;
};

int yyyymmdd(const QDate& date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

struct Category {
    QString code;
    QString desc;
    QString product;
    QString packUnit;  // the unit of the category's packed item
    double packWeight;
};

// Codes start with the letters that pick a customer in the order finder; K and P pick none.
// GX has no description on purpose: the category list then shows "GX - ".
const std::vector<Category>& categories() {
    static const std::vector<Category> kList = {
        {"A", "Apples", "Apples", "EA", 12},
        {"AX", "Apple Products", "Apple Pulp", "EA", 20},
        {"B", "Beans", "Green Beans", "EA", 10},
        {"BX", "Beans Bulk", "Broad Beans", "BAG", 25},
        {"C", "Carrots", "Carrots", "EA", 10},
        {"CX", "Carrot Products", "Carrot Dice", "EA", 12},
        {"D", "Dairy", "Butter", "EA", 25},
        {"E", "Eggs", "Egg Pulp", "EA", 15},
        {"F", "Fish", "Hake Fillets", "EA", 10},
        {"G", "Grain", "Barley", "BAG", 40},
        {"GX", "", "Rolled Oats", "BAG", 25},
        {"H", "Herbs", "Parsley", "EA", 2},
        {"I", "Ice Cream", "Vanilla Ice Cream", "EA", 8},
        {"J", "Juice", "Orange Juice", "L", 1.04},
        {"N", "Nuts", "Almonds", "EA", 10},
        {"O", "Oils", "Canola Oil", "L", 0.92},
        {"S", "Sugar", "Raw Sugar", "BAG", 50},
        {"T", "Tomatoes", "Diced Tomatoes", "EA", 18},
        {"V", "Vegetables", "Mixed Vegetables", "EA", 10},
        {"W", "Wheat", "Wheat Flour", "BAG", 25},
        {"Y", "Yoghurt", "Natural Yoghurt", "EA", 6},
        {"K", "Kitchen Supplies", "Nitrile Gloves", "EA", 1},
        {"P", "Packaging", "Cartons", "EA", 0.5},
    };
    return kList;
}

struct Location {
    QString code;
    QString desc;
    int inactive;
};

const std::vector<Location>& locations() {
    static const std::vector<Location> kList = {
        {"WH1", "Main Warehouse", 0}, {"WH2", "North Warehouse", 0},
        {"COLD", "Cold Store", 0},    {"FRZ1", "Freezer One", 0},
        {"DOCK", "Dispatch Dock", 0}, {"OLD", "Old Store (closed)", 1},
    };
    return kList;
}

// The pallet statuses the program treats as a hold, and ordinary ones.
const std::vector<QString> kHoldCodes = {
    "AGED", "DUMP", "QTD",  "DON", "INSP", "LBEL", "REG",  "REG1", "REJ",  "SCRN", "SELH", "SORT",
    "TOTE", "VISU", "AGAR", "GAR", "HOLD", "LAB",  "LIST", "MIP",  "SHLD", "WREV", "GOVT", "UNGR"};
const std::vector<QString> kFreeCodes = {"OK", "RDY", "PICK", "NEW", "REL", "STD"};

const std::vector<QString> kGrades = {"A", "A+", "B", "C", "NA", "NC", "SS"};

struct Code {
    QString code;
    QString desc;
};

// Exactly "C" matters: the lot search treats it apart from codes that merely contain a C.
const std::vector<Code> kCustomerCodes = {
    {"C", "Coastal Foods"},       {"CX", "Coastal Export"},    {"ALDI", "Aldi Stores"},
    {"WOOL", "Woolworths"},       {"MCC", "McCain Contract"},  {"IGA", "IGA Retail"},
    {"SPAR", "Spar Group"},       {"BC", "Brisvale Contract"}, {"EXP", "Export General"},
    {"FCC", "Food Co-operative"},
};

const std::vector<Code> kWarehouseCodes = {
    {"BNE", "Brisbane"}, {"SYD", "Sydney"}, {"MEL", "Melbourne"}, {"PER", "Perth"}};

struct Customer {
    QString number;
    QString name;
    QString street;
    QString city;
    QString state;
    QString zip;
};

// The customers the order finder picks by category letter, and two it never picks.
const std::vector<Customer>& customers() {
    static const std::vector<Customer> kList = {
        {"29720", "Apex Produce Pty Ltd", "12 Market St", "Rocklea", "QLD", "4106"},
        {"10927", "Bayside Grocers", "4 Esplanade", "Wynnum", "QLD", "4178"},
        {"12239", "Coastal Foods Ltd", "88 Ocean Pde", "Coolangatta", "QLD", "4225"},
        {"12240", "Darling Downs Dairy", "3 Creamery Rd", "Toowoomba", "QLD", "4350"},
        {"29710", "Eastern Eggs", "21 Farm Lane", "Gatton", "QLD", "4343"},
        {"12400", "Fresh Fish Co", "1 Wharf St", "Hamilton", "QLD", "4007"},
        {"12241", "Golden Grain Mills", "70 Silo Ave", "Dalby", "QLD", "4405"},
        {"29660", "Hillside Herbs", "9 Ridge Rd", "Maleny", "QLD", "4552"},
        {"10930", "Icy Treats", "15 Polar Way", "Eagle Farm", "QLD", "4009"},
        {"29650", "Juicy Fruit Traders", "33 Orchard St", "Stanthorpe", "QLD", "4380"},
        {"12243", "Nutty Delights", "2 Kernel Ct", "Bundaberg", "QLD", "4670"},
        {"10000", "Oilseed Processors", "50 Press St", "Pinkenba", "QLD", "4008"},
        {"16100", "Sweet Sugar Co", "6 Cane Rd", "Mackay", "QLD", "4740"},
        {"12300", "Tomato Growers Co-op", "18 Vine St", "Bowen", "QLD", "4805"},
        {"29640", "Valley Vegetables", "41 Creek Rd", "Lockyer", "QLD", "4344"},
        {"29700", "Western Wheat", "5 Harvest Dr", "Roma", "QLD", "4455"},
        {"29680", "Yarra Yoghurt", "27 Culture St", "Richmond", "VIC", "3121"},
        {"CASH01", "Cash Sales", "Counter Sales", "Brisbane", "QLD", "4000"},
        {"99999", "Staff Purchases", "Head Office", "Brisbane", "QLD", "4000"},
    };
    return kList;
}

// Order comments: short, longer than the 50-character panel line, several lines, one word
// too long for any line, runs of blanks.
const std::vector<QString> kComments = {
    "",
    "Deliver before 10am",
    "Please call the receiving dock on arrival; the gate closes at 3pm sharp on Fridays.",
    "Pallets wrapped\r\nNo mixed pallets\r\nInvoice with goods",
    "Standing order: repeat weekly until further notice from the purchasing officer, "
    "who confirms quantities by email every Monday morning.",
    "Reference:ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJKLMNOPQRSTUV",
    "Fragile    stack no more than    two high",
    "Line one of the instructions\r\n"
    "Second line, which is much longer than fifty characters and needs wrapping",
};

struct Item {
    QString itemNo;
    QString desc;
    QString unit;
    int shelfDays;
    double unitWeight;
    QString pallet;  // cases per pallet
};

class DemoWriter {
public:
    DemoWriter(CompanyWriter& writer, const DemoOptions& options)
        : w_(writer), options_(options), random_(options.seed) {}

    void run() {
        writeCodes();
        writeItems();
        writeOrderNumbers();
        writeLots();
        writeOrders();
    }

private:
    void writeCodes() {
        for (const Category& c : categories())
            w_.category(c.code, c.desc);
        for (const Location& l : locations())
            w_.location(l.code, l.desc, l.inactive);
        for (const QString& code : kHoldCodes)
            w_.optionValue(palletStatus_, code, "On hold: " + code);
        for (const QString& code : kFreeCodes)
            w_.optionValue(palletStatus_, code, "Free to use: " + code);
        for (const Code& c : kCustomerCodes)
            w_.optionValue(custCode_, c.code, c.desc);
        for (const QString& grade : kGrades)
            w_.optionValue(grade_, grade, "Grade " + grade);
        for (int i = 0; i < kProductCodeCount; ++i)
            w_.optionValue(prodCode_, productCode(i), "Production line " + QString::number(i));
        for (const Code& c : kWarehouseCodes)
            w_.optionValue(whsCode_, c.code, c.desc);
    }

    // Per category: a bulk item and a sliced item kept in KG, and a packed item in the
    // category's own unit.
    void writeItems() {
        for (const Category& c : categories()) {
            const int base = 100 + random_.below(800);
            addItem(c, c.code + QString::number(base), c.product + " Bulk", "KG", 1);
            addItem(c, c.code + QString::number(base + 1), c.product + " Sliced 10kg", "KG", 1);
            addItem(c, c.code + QString::number(base + 2), c.product + " Pack", c.packUnit,
                    c.packWeight);
        }
    }

    void addItem(const Category& c, const QString& itemNo, const QString& desc, const QString& unit,
                 double unitWeight) {
        const QString pallet = QString::number(random_.between(2, 12) * 10);
        w_.item({.itemNo = itemNo,
                 .desc = desc,
                 .stockUnit = unit,
                 .category = c.code,
                 .unitWeight = unitWeight,
                 .weightUnit = "KG",
                 .pickingSeq = pallet});
        items_.push_back({itemNo, desc, unit, random_.between(30, 730), unitWeight, pallet});
    }

    int orderCount() const { return std::clamp(options_.lots / 20, 40, 5000); }

    void writeOrderNumbers() {
        for (int i = 0; i < orderCount(); ++i)
            orderNumbers_.push_back(QString("ORD%1").arg(i + 1, 6, 10, QChar('0')));
    }

    static constexpr int kProductCodeCount = 40;
    static QString productCode(int i) { return QString("P%1").arg(101 + i); }

    // Each lot's item and location are drawn first; the lots are then written grouped by
    // item and location with rising lot numbers, so the table and all three indexes fill
    // front to back. Random order would make a 1,000,000-lot company take minutes.
    void writeLots() {
        const auto& locs = locations();
        const std::size_t locCount = locs.size();
        std::vector<int> counts(items_.size() * locCount);
        for (int i = 0; i < options_.lots; ++i) {
            const std::size_t item =
                static_cast<std::size_t>(random_.below(static_cast<int>(items_.size())));
            // A few lots lie at the inactive location, the last one.
            const std::size_t loc =
                random_.percent(2)
                    ? locCount - 1
                    : static_cast<std::size_t>(random_.below(static_cast<int>(locCount) - 1));
            ++counts[item * locCount + loc];
        }
        int i = 0;
        for (const std::size_t item : keyOrder(items_, &Item::itemNo))
            for (const std::size_t loc : keyOrder(locs, &Location::code))
                for (int k = 0; k < counts[item * locCount + loc]; ++k, ++i)
                    writeLot(i, items_[item], locs[loc].code);
    }

    // Indexes of values in the order of their key (plain codes: letters, digits).
    template <class T>
    static std::vector<std::size_t> keyOrder(const std::vector<T>& values, QString T::*key) {
        std::vector<std::size_t> order(values.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return values[a].*key < values[b].*key; });
        return order;
    }

    struct LotPlan {
        int qtyLevel = 1;
        bool datesKnown = true;
        int onQuart = 0;
        bool quarantineDated = false;
        QString palletStatus;  // empty: the lot has none
        QString grade;
        QString custCode;
    };

    LotPlan randomPlan() {
        LotPlan plan;
        if (random_.percent(10)) {
            plan.qtyLevel = 0;
            plan.datesKnown = random_.percent(50);
        }
        if (random_.percent(4)) {
            plan.onQuart = 1;
            plan.quarantineDated = random_.percent(75);
        }
        const int status = random_.below(100);
        if (status < 15)
            plan.palletStatus = random_.pick(kHoldCodes);
        else if (status < 80)
            plan.palletStatus = random_.pick(kFreeCodes);
        if (random_.percent(90))
            plan.grade = random_.pick(kGrades);
        if (random_.percent(70))
            plan.custCode = random_.pick(kCustomerCodes).code;
        return plan;
    }

    // The first lots cover every hold state whatever the seed: each hold code on a free
    // lot, a hold code and a free code in quarantine with and without a date, a lot with no
    // optional values, a level-0 lot without dates, and the customer code C.
    void applyCoverage(int i, LotPlan& plan) {
        const int holds = static_cast<int>(kHoldCodes.size());
        if (i < holds) {
            plan.qtyLevel = 1;
            plan.datesKnown = true;
            plan.onQuart = 0;
            plan.palletStatus = kHoldCodes[static_cast<std::size_t>(i)];
            return;
        }
        switch (i - holds) {
            case 0:
                plan = withQuarantine(plan, "HOLD", true);
                break;
            case 1:
                plan = withQuarantine(plan, "OK", false);
                break;
            case 2:
                plan.qtyLevel = 1;
                plan.datesKnown = true;
                plan.onQuart = 0;
                plan.palletStatus.clear();
                plan.grade.clear();
                plan.custCode.clear();
                break;
            case 3:
                plan.qtyLevel = 0;
                plan.datesKnown = false;
                break;
            case 4:
                plan.qtyLevel = 1;
                plan.custCode = "C";
                break;
            default:
                break;
        }
    }

    static LotPlan withQuarantine(LotPlan plan, const QString& status, bool dated) {
        plan.qtyLevel = 1;
        plan.datesKnown = true;
        plan.onQuart = 1;
        plan.quarantineDated = dated;
        plan.palletStatus = status;
        return plan;
    }

    double quantity(const QString& unit) {
        if (unit == "KG")
            return (5000 + random_.below(15000000)) / 10000.0;  // four decimals
        return random_.between(1, 400);
    }

    // Lot numbers: a twelve-digit count and a three-character suffix the lot finder strips.
    // Fifteen characters, the full column, so the suffix goes whether values come padded.
    void writeLot(int i, const Item& item, const QString& location) {
        LotPlan plan = randomPlan();
        applyCoverage(i, plan);
        const QString lotNum = QString("%1-%2")
                                   .arg(i + 1, 12, 10, QChar('0'))
                                   .arg(random_.between(1, 3), 2, 10, QChar('0'));
        const QDate day = options_.today.addDays(-random_.between(1, 720));
        const bool dated = plan.datesKnown;  // only level-0 lots may lack dates
        const int quarantineDay =
            std::min(random_.between(0, 60), static_cast<int>(day.daysTo(options_.today)));
        w_.lot({.lotNum = lotNum,
                .itemNum = item.itemNo,
                .location = location,
                .qtyAvail = quantity(item.unit),
                .qtyLevel = plan.qtyLevel,
                .stockDate = dated ? yyyymmdd(day) : 0,
                .expiryDate = dated ? yyyymmdd(day.addDays(item.shelfDays)) : 0,
                .onQuart = plan.onQuart,
                .onQuartDate = plan.quarantineDated ? yyyymmdd(day.addDays(quarantineDay)) : 0});

        // A lot's fields side by side in the table, in the order the lot index holds them.
        auto field = [&](const QString& optField, const QString& value) {
            w_.lotField({.itemNum = item.itemNo,
                         .location = location,
                         .lotNum = lotNum,
                         .optField = optField,
                         .value = value});
        };
        if (!plan.custCode.isEmpty())
            field(custCode_, plan.custCode);
        if (!plan.grade.isEmpty())
            field(grade_, plan.grade);
        field(lotNumber_, QString("S%1").arg(random_.below(10000000), 7, 10, QChar('0')));
        if (random_.percent(15))
            field(ordPick_, random_.pick(orderNumbers_));
        if (!plan.palletStatus.isEmpty())
            field(palletStatus_, plan.palletStatus);
        // A few blank product codes: the product finder leaves them out.
        field(prodCode_,
              random_.percent(2) ? QString() : productCode(random_.below(kProductCodeCount)));
        if (random_.percent(95))
            field(prodDate_, QString::number(yyyymmdd(day.addDays(-random_.between(0, 5)))));
        field(whsCode_, random_.pick(kWarehouseCodes).code);
    }

    // Orders within the finder's 30 days and older ones, unshipped and shipped. The first
    // order is always open, recent and with lines; the fourth has no lines.
    void writeOrders() {
        const std::vector<QString> vias = {"TRK", "AIR", "RAIL"};
        const std::vector<QString> viaDescs = {"Road Freight", "Air Freight", "Rail Freight"};
        const int count = orderCount();
        const int lettered = static_cast<int>(customers().size()) - 2;
        for (int i = 0; i < count; ++i) {
            const Customer& customer =
                random_.percent(85)
                    ? customers()[static_cast<std::size_t>(random_.below(lettered))]
                    : customers()[static_cast<std::size_t>(lettered + random_.below(2))];
            const bool recent = i == 0 || random_.percent(60);
            const QDate ordDate = options_.today.addDays(recent ? -random_.between(0, 29)
                                                                : -random_.between(31, 330));
            const int lines = i == 3 ? 0 : random_.between(1, 6);
            const int via = random_.below(static_cast<int>(vias.size()));
            const std::int64_t ordUniq = 100000 + i;
            OrderRecord order{
                .ordUniq = ordUniq,
                .orderNumber = orderNumbers_[static_cast<std::size_t>(i)],
                .customer = customer.number,
                .ordDate = yyyymmdd(ordDate),
                .expDate =
                    random_.percent(10) ? 0 : yyyymmdd(ordDate.addDays(random_.between(3, 14))),
                .numShipments = i == 0 || random_.percent(70) ? 0 : random_.between(1, 3),
                .comment = random_.pick(kComments),
                .billName = customer.name,
                .shipTo =
                    random_.percent(50) ? QString("SHIP%1").arg(random_.between(1, 3)) : QString(),
                .shipName = customer.name,
                .shipAddress1 = customer.street,
                .shipAddress2 = random_.percent(30)
                                    ? "Gate " + QString::number(random_.between(1, 9))
                                    : QString(),
                .shipAddress3 = random_.percent(15) ? QString("Loading Bay B") : QString(),
                .shipAddress4 = random_.percent(10) ? QString("After hours: ring bell") : QString(),
                .city = customer.city,
                .state = customer.state,
                .zip = customer.zip,
                .country = "Australia",
                .poNumber = QString("PO%1").arg(random_.between(10000, 99999)),
                .reference =
                    random_.percent(50) ? QString("Weekly standing order") : QString("Phone order"),
                .desc = "Order for " + customer.name,
                .shipVia = vias[static_cast<std::size_t>(via)],
                .viaDesc = viaDescs[static_cast<std::size_t>(via)],
                .fob = random_.percent(50) ? QString("Origin") : QString("Destination"),
                .orderLines = lines};
            w_.order(order);
            for (int line = 1; line <= lines; ++line)
                writeOrderLine(ordUniq, line);
        }
    }

    void writeOrderLine(std::int64_t ordUniq, int line) {
        const Item& item = random_.pick(items_);
        const double qty =
            item.unit == "KG" ? random_.between(10, 20000) / 10.0 : random_.between(1, 300);
        w_.orderLine({.ordUniq = ordUniq,
                      .lineNum = line,
                      .item = item.itemNo,
                      .desc = item.desc,
                      .location = locations()[static_cast<std::size_t>(random_.below(5))].code,
                      .qtyOrdered = qty,
                      .orderUnit = item.unit,
                      .unitWeight = item.unitWeight,
                      .extWeight = std::round(qty * item.unitWeight * 10000) / 10000,
                      .pickSeq = item.pallet});
    }

    CompanyWriter& w_;
    const DemoOptions& options_;
    Random random_;
    std::vector<Item> items_;
    std::vector<QString> orderNumbers_;
    const QString custCode_ = QString("CUSTCODE");
    const QString grade_ = QString("GRADE");
    const QString lotNumber_ = QString("LOTNUMBER");
    const QString ordPick_ = QString("ORDPICK");
    const QString palletStatus_ = QString("PALLETSTATUS");
    const QString prodCode_ = QString("PRODCODE");
    const QString prodDate_ = QString("PRODDATE");
    const QString whsCode_ = QString("WHSCODE");
};

}  // namespace

void writeDemoContent(CompanyWriter& writer, const DemoOptions& options) {
    DemoWriter(writer, options).run();
}

}  // namespace qv::data
