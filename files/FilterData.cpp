#include "files/FilterData.h"

namespace kestrel::filterdata {

std::optional<double> hertzPerUnit(std::string_view designUnit) {
    if (designUnit == "GHz") return 1e9;
    if (designUnit == "MHz") return 1e6;
    if (designUnit == "KHz") return 1e3;
    return std::nullopt;
}

FilterDataRead readFilterData(std::span<const std::uint8_t>, std::string_view, std::string_view) {
    return {std::nullopt, "not read yet"};
}

FilterDataRead readFilterCsv(std::string_view, std::string_view) { return {std::nullopt, "not read yet"}; }

FilterDataRead readTouchstone(std::string_view, std::string_view, std::string_view) {
    return {std::nullopt, "not read yet"};
}

} // namespace kestrel::filterdata
