// Replays the spur-table seeds through their fuzz target with the ordinary
// build: files named valid-* must be read, broken-* must be refused.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "files/MixerTableCsv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-directory\n", argv[0]);
        return 2;
    }
    int files = 0, wrong = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        const std::string name = entry.path().filename().string();
        const bool accepted = kestrel::csv::readMixerTable(text).table.has_value();
        if ((name.starts_with("valid-") && !accepted) || (name.starts_with("broken-") && accepted)) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), accepted ? "accepted" : "refused");
            ++wrong;
        }
        ++files;
    }
    std::printf("%d files replayed, %d judged wrongly\n", files, wrong);
    return wrong == 0 && files > 0 ? 0 : 1;
}
