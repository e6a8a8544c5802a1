#pragma once
// Every value of a design by its stored name (the control's name): read it
// as text, judge a text as its field would, and set it. Records 1 to 14 by
// the names of their fields ("FreqUnit" for the unit), the extension's
// values by theirs, in the order a save writes them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Design.h"
#include "files/DesignExtension.h"

namespace kestrel::designfile {

struct DesignKey {
    std::string name;
    std::string caption; // as a message names it (fieldCaption)
    std::string value;   // as the file stores it; records 2 to 11 as their field shows them
    bool operator==(const DesignKey&) const = default;
};

// Every name, records first, then the extension in file order.
std::vector<DesignKey> designKeys(const Design& design);

// Applies one value by its stored name, judged as a load judges it.
// Returns why it was refused, naming the field by its caption; nullopt
// when it was set. An unknown name is refused too.
std::optional<std::string> setValue(Design& design, std::string_view name, std::string_view value);

// The extension of a design, in file order; nullopt with `why` set when a
// value cannot be stored or would not load back.
std::optional<std::vector<NamedValue>> extensionValues(const Design& design, std::string& why);

// Applies a file's extension: a name stored twice or a value its field
// refuses gives the reason; names nobody knows are passed over, as are the
// names of records 1 to 14 (they are not stored there).
std::optional<std::string> applyExtension(Design& design, const std::vector<NamedValue>& stored);

} // namespace kestrel::designfile
