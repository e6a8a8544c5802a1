#include "files/DesignKeys.h"

#include <cmath>
#include <set>
#include <span>

#include "engine/DesignLists.h"
#include "engine/FieldCaptions.h"
#include "engine/NumberText.h"
#include "files/ConverterKeys.h"
#include "files/DesignRecord.h"
#include "files/MixerTableCsv.h"

namespace kestrel::designfile {
namespace {

// What a field takes, as typing and leaving it would.
enum class Rule {
    Record,      // records 2 to 11: a number that fits a single
    Check,       // "0" or "1"
    Project,     // at most 123 characters
    Unit,        // one of the unit menu's items
    List,        // one of the list's items
    Double,      // any number
    Single,      // a number that fits a single
    NotNegative, // a number not below zero
    Row,         // gridIMT(n): 11 entries
    Tail,        // gridIMT(n,6): the entries from LO order 6 on
    Range,       // a number from min to max, whole when asked
};

struct Entry {
    std::string name;
    Rule rule;
    bool inExtension = true;
    std::string Design::*text = nullptr;
    bool Design::*flag = nullptr;
    float Design::*number = nullptr;
    std::span<const std::string_view> items{};
    double MixerSpurTable::*reference = nullptr; // follows the text
    int row = 0;                                 // RF order of a gridIMT record
    // A filter block's field: the block and the field in it.
    DesignFilter Design::*block = nullptr;
    std::string DesignFilter::*blockText = nullptr;
    double min = 0, max = 0; // Range
    bool whole = false;
    // Stored only where it differs from the start-up design's, so that the
    // files written before the value existed keep their bytes.
    bool onlyChanged = false;
};

const std::string& textOf(const Design& d, const Entry& e) { return e.block ? (d.*e.block).*e.blockText : d.*e.text; }
std::string& textOf(Design& d, const Entry& e) { return e.block ? (d.*e.block).*e.blockText : d.*e.text; }

// The fields of the filter block with prefix X, in the order a save writes them.
void addFilterBlock(std::vector<Entry>& out, const std::string& x, DesignFilter Design::*block) {
    const auto field = [&](std::string name, Rule rule, std::string DesignFilter::*member, double min = 0,
                           double max = 0, bool whole = false, std::span<const std::string_view> items = {}) {
        Entry e{std::move(name), rule};
        e.block = block;
        e.blockText = member;
        e.items = items;
        e.min = min;
        e.max = max;
        e.whole = whole;
        e.onlyChanged = true;
        out.push_back(e);
    };
    field("cbo" + x + "Filter", Rule::List, &DesignFilter::shape, 0, 0, false, lists::kFilterShapes);
    field("cbo" + x + "Response", Rule::List, &DesignFilter::response, 0, 0, false, lists::kFilterResponses);
    field("txt" + x + "FilterLow", Rule::Double, &DesignFilter::low);
    field("txt" + x + "FilterHigh", Rule::Double, &DesignFilter::high);
    field("txt" + x + "FilterOrder", Rule::Range, &DesignFilter::order, 1, 15, true);
    field("txt" + x + "FilterRipple", Rule::Range, &DesignFilter::ripple, 0.01, 3);
    // Far beyond any filter, and the levels stay in the single range.
    field("txt" + x + "FilterLoss", Rule::Range, &DesignFilter::loss, 0, 1e6);
    field("txt" + x + "FilterFloor", Rule::Range, &DesignFilter::floor, 20, 150);
}

std::vector<Entry> buildEntries() {
    const auto record = [](const char* name, float Design::*number) {
        Entry e{name, Rule::Record, false};
        e.number = number;
        return e;
    };
    const auto text = [](const char* name, Rule rule, std::string Design::*member,
                         std::span<const std::string_view> items = {}) {
        Entry e{name, rule};
        e.text = member;
        e.items = items;
        return e;
    };
    const auto check = [](const char* name, bool Design::*flag, bool inExtension = true) {
        Entry e{name, Rule::Check, inExtension};
        e.flag = flag;
        return e;
    };
    std::vector<Entry> out = {
        check("chkOffset", &Design::offsetChecked, false),
        record("txtLoOffset", &Design::loOffset),
        record("txtLOFreq", &Design::loFreq),
        record("txtLOPower", &Design::loPower),
        record("txtRFStart", &Design::rfStart),
        record("txtRFStop", &Design::rfStop),
        record("txtRFPower", &Design::rfPower),
        record("txtIFStart", &Design::ifStart),
        record("txtMarker1", &Design::marker1),
        record("txtMarker2", &Design::marker2),
        record("txtIFStop", &Design::ifStop),
        Entry{"txtProject", Rule::Project, false, &Design::project},
        check("chkProject", &Design::projectChecked, false),
        Entry{"FreqUnit", Rule::Unit, false, &Design::unit},
        // The extension, in the order a save writes it.
        text("cboLOHar", Rule::List, &Design::loHarmonics, lists::kLOHarmonics),
        text("cboRFHar", Rule::List, &Design::rfHarmonics, lists::kRFHarmonics),
        text("cboSteps", Rule::List, &Design::steps, lists::kSteps),
        text("cboSweepSpeed", Rule::List, &Design::sweepSpeed, lists::kSweepSpeeds),
        check("chkSUMONLY", &Design::sumOnly),
        check("chkSingle", &Design::singleSweep),
        // As the level check reads them: the loss and the LO isolation as singles.
        text("txtConversionLoss", Rule::Single, &Design::conversionLoss),
        text("txtRFIsolation", Rule::Double, &Design::rfIsolation),
        text("txtLOIsolation", Rule::Single, &Design::loIsolation),
        text("cboWanted", Rule::List, &Design::wanted, lists::kWanted),
        text("txtThreshold", Rule::Double, &Design::threshold),
        text("cboMaxOrder", Rule::List, &Design::maxOrder, lists::kMaxOrders),
        check("chkShade", &Design::shade),
        check("chkShadeBands", &Design::shadeBands),
    };
    // A row too long for one record continues in a second, left out when empty.
    for (int n = 0; n <= PairLevels::kMaxN; ++n) {
        Entry row{"gridIMT(" + std::to_string(n) + ")", Rule::Row};
        row.row = n;
        Entry tail{"gridIMT(" + std::to_string(n) + "," + std::to_string(csv::kFirstTailOrder) + ")",
                   Rule::Tail};
        tail.row = n;
        out.push_back(row);
        out.push_back(tail);
    }
    Entry rfRef = text("txtIMTRFRef", Rule::Single, &Design::imtRFRef);
    rfRef.reference = &MixerSpurTable::rfReference;
    Entry loRef = text("txtIMTLORef", Rule::Single, &Design::imtLORef);
    loRef.reference = &MixerSpurTable::loReference;
    out.push_back(rfRef);
    out.push_back(loRef);
    // Last, so that it acts on the loaded table.
    out.push_back(check("chkUseIMT", &Design::useIMT));
    out.push_back(text("cboPlanWanted", Rule::List, &Design::planWanted, lists::kPlanWanted));
    out.push_back(text("cboPlanPoints", Rule::List, &Design::planPoints, lists::kPlanPoints));
    // A guard below zero is refused by the scan; a threshold is a level in
    // dBc, which fits a single like every other level.
    out.push_back(text("txtPlanFrom", Rule::Double, &Design::planFrom));
    out.push_back(text("txtPlanTo", Rule::Double, &Design::planTo));
    out.push_back(text("txtPlanGuard", Rule::NotNegative, &Design::planGuard));
    out.push_back(text("txtPlanThreshold", Rule::Single, &Design::planThreshold));
    out.push_back(check("chkPlanAutoScan", &Design::planAutoScan));
    // The converter's filters; their measured points and the limit line's
    // rows follow (files/ConverterKeys).
    addFilterBlock(out, "RF", &Design::rfFilter);
    addFilterBlock(out, "LO", &Design::loFilter);
    addFilterBlock(out, "IF", &Design::ifFilter);
    for (auto name : {"chkUseLimits", "txtRespRequired"}) {
        Entry e = name[0] == 'c' ? check(name, &Design::useLimits) : text(name, Rule::Double, &Design::respRequired);
        e.onlyChanged = true;
        out.push_back(e);
    }
    // Counting by the limit line in the band finder and the IF planner.
    for (auto [name, flag] : {std::pair{"chkFinderLimits", &Design::finderLimits},
                              std::pair{"chkPlanLimits", &Design::planLimits}}) {
        Entry e = check(name, flag);
        e.onlyChanged = true;
        out.push_back(e);
    }
    return out;
}

const std::vector<Entry>& entries() {
    static const std::vector<Entry> table = buildEntries();
    return table;
}

const Entry* find(std::string_view name) {
    for (const Entry& e : entries())
        if (e.name == name) return &e;
    return nullptr;
}

std::string joined(std::span<const std::string_view> items) {
    std::string out;
    for (std::string_view item : items) out += (out.empty() ? "" : ", ") + std::string(item);
    return out;
}

// The room a row's text has beside its name in one record.
std::size_t rowRoom(int n) { return kMaxTextLength - 1 - ("gridIMT(" + std::to_string(n) + ")").size(); }

// The value as a save writes it: a number as typed, anything else as its
// leading number, as the records store their fields.
std::optional<std::string> storedText(const Design& d, const Entry& e) {
    switch (e.rule) {
    case Rule::Record: return shortText(d.*e.number);
    case Rule::Check: return std::string(d.*e.flag ? "1" : "0");
    case Rule::Row: return csv::storedRow(d.imt, e.row, rowRoom(e.row)).row;
    case Rule::Tail: return csv::storedRow(d.imt, e.row, rowRoom(e.row)).tail;
    case Rule::Double:
    case Rule::Single:
    case Rule::NotNegative:
    case Rule::Range: {
        const std::string& text = textOf(d, e);
        if (toDoubleStrict(text)) {
            const auto first = text.find_first_not_of(" \t\r\n\f\v");
            const auto last = text.find_last_not_of(" \t\r\n\f\v");
            return text.substr(first, last - first + 1);
        }
        const double lead = leadingNumber(text);
        if (!std::isfinite(lead)) return std::nullopt;
        return generalText(lead);
    }
    default: return textOf(d, e);
    }
}

// What the field asks for, when `value` is not that.
std::optional<std::string> judge(const Entry& e, std::string_view value) {
    MixerSpurTable scratch;
    switch (e.rule) {
    case Rule::Record:
        if (toSingleStrict(value)) return std::nullopt;
        return "must be a number within the range of a single-precision float";
    case Rule::Check:
        if (value == "0" || value == "1") return std::nullopt;
        return "must be 0 or 1";
    case Rule::Project:
        if (value.size() <= kMaxTextLength) return std::nullopt;
        return "must be at most 123 characters long";
    case Rule::Unit:
        if (lists::contains(lists::kUnits, value)) return std::nullopt;
        return "must be one of " + joined(lists::kUnits);
    case Rule::List:
        if (lists::contains(e.items, value)) return std::nullopt;
        return "must be one of " + joined(e.items);
    case Rule::Double:
        if (toDoubleStrict(value)) return std::nullopt;
        return "must be a number";
    case Rule::Single:
        if (toSingleStrict(value)) return std::nullopt;
        return "must be a number within the range of a single-precision float";
    case Rule::NotNegative:
        if (const auto v = toDoubleStrict(value); v && *v >= 0) return std::nullopt;
        return "must be a number not below 0";
    case Rule::Row:
        if (csv::setTableRow(scratch, e.row, value)) return std::nullopt;
        return "must be 11 comma-separated entries, LO orders 0 to 10";
    case Rule::Tail:
        if (csv::setTableTail(scratch, e.row, value)) return std::nullopt;
        return "must be 5 comma-separated entries, LO orders 6 to 10";
    case Rule::Range:
        if (const auto v = toDoubleStrict(value); v && *v >= e.min && *v <= e.max && (!e.whole || std::floor(*v) == *v))
            return std::nullopt;
        return std::string(e.whole ? "must be a whole number" : "must be a number") + " from " + generalText(e.min) +
               " to " + generalText(e.max);
    }
    return "cannot be used";
}

// Sets a value that `judge` accepted.
void apply(Design& d, const Entry& e, std::string_view value) {
    switch (e.rule) {
    case Rule::Record: d.*e.number = *toSingleStrict(value); break;
    case Rule::Check: d.*e.flag = value == "1"; break;
    case Rule::Row: csv::setTableRow(d.imt, e.row, value); break;
    case Rule::Tail: csv::setTableTail(d.imt, e.row, value); break;
    default:
        textOf(d, e) = std::string(value);
        if (e.reference) d.imt.*e.reference = *toDoubleStrict(value);
        break;
    }
}

} // namespace

std::vector<DesignKey> designKeys(const Design& design) {
    std::vector<DesignKey> out;
    out.reserve(entries().size());
    for (const Entry& e : entries()) {
        // Only a typed number that cannot be stored has no stored text; it
        // is listed as typed. value_or would read the text of every entry,
        // records and boxes too, which have none.
        std::optional<std::string> text = storedText(design, e);
        out.push_back({e.name, fieldCaption(e.name), text ? std::move(*text) : textOf(design, e)});
    }
    for (NamedValue& v : converterKeys(design)) out.push_back({v.name, fieldCaption(v.name), std::move(v.value)});
    return out;
}

std::optional<std::string> setValue(Design& design, std::string_view name, std::string_view value) {
    const Entry* e = find(name);
    if (!e && isConverterName(name)) return setConverterValue(design, name, value);
    if (!e) return "there is no design value named \"" + std::string(name) + "\"";
    if (auto why = judge(*e, value)) return "the value of " + fieldCaption(e->name) + " " + *why;
    apply(design, *e, value);
    return std::nullopt;
}

std::optional<std::vector<NamedValue>> extensionValues(const Design& design, std::string& why) {
    std::vector<NamedValue> out;
    static const Design startUp;
    for (const Entry& e : entries()) {
        if (!e.inExtension) continue;
        const std::optional<std::string> value = storedText(design, e);
        if (e.onlyChanged && value == storedText(startUp, e)) continue;
        if (e.rule == Rule::Tail && value && value->empty()) continue;
        if (!value) {
            why = "the value of " + fieldCaption(e.name) + " is too large for a design file";
            return std::nullopt;
        }
        // Never a file that would not load again.
        if (auto refused = judge(e, *value)) {
            why = "the value of " + fieldCaption(e.name) + " " + *refused;
            return std::nullopt;
        }
        out.push_back({e.name, *value});
        if (!fitsRecord(out.back())) {
            why = "the value of " + fieldCaption(e.name) + " is too long for a design file";
            return std::nullopt;
        }
    }
    Design loaded; // the values must load again
    ConverterLoad load;
    for (NamedValue& v : converterValues(design)) {
        if (auto refused = loadConverterValue(loaded, v.name, v.value, load)) {
            why = *refused;
            return std::nullopt;
        }
        if (!fitsRecord(v)) {
            why = "the value of " + fieldCaption(v.name) + " is too long for a design file";
            return std::nullopt;
        }
        out.push_back(std::move(v));
    }
    return out;
}

std::optional<std::string> applyExtension(Design& design, const std::vector<NamedValue>& stored) {
    std::set<std::string> seen;
    // No file before the filters stored them: a file that does not is
    // without filters and with the start-up limit line.
    const Design startUp;
    design.rfFilter = startUp.rfFilter;
    design.loFilter = startUp.loFilter;
    design.ifFilter = startUp.ifFilter;
    design.limits = startUp.limits;
    design.useLimits = startUp.useLimits;
    design.finderLimits = startUp.finderLimits;
    design.planLimits = startUp.planLimits;
    design.respRequired = startUp.respRequired;
    ConverterLoad load;
    for (const NamedValue& v : stored) {
        // Which of two values would count is anybody's guess.
        if (!seen.insert(v.name).second) return fieldCaption(v.name) + " is stored twice";
        if (isConverterName(v.name)) {
            if (auto why = loadConverterValue(design, v.name, v.value, load)) return why;
            continue;
        }
        const Entry* e = find(v.name);
        if (!e || !e->inExtension) continue;
        if (auto why = judge(*e, v.value))
            return "the stored value of " + fieldCaption(e->name) + " cannot be used: it " + *why;
        apply(design, *e, v.value);
    }
    return std::nullopt;
}

} // namespace kestrel::designfile
