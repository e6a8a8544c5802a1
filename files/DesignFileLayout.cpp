#include "files/DesignFileLayout.h"

namespace kestrel::designfile {

std::size_t recordOffset(int record) {
    return static_cast<std::size_t>(record - 1) * kRecordLength;
}

} // namespace kestrel::designfile
