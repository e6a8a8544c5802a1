// Replays a fuzz target's seeds through it with the ordinary build: files
// named valid-* must be accepted, broken-* refused, as the target judges.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Whether the input holds what the target reads; defined beside each target.
bool fuzzInputAccepted(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-directory\n", argv[0]);
        return 2;
    }
    int files = 0, wrong = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        const std::string name = entry.path().filename().string();
        const bool accepted = fuzzInputAccepted(bytes.data(), bytes.size());
        const bool valid = name.starts_with("valid-"), broken = name.starts_with("broken-");
        if ((valid && !accepted) || (broken && accepted)) {
            std::fprintf(stderr, "%s: %s\n", name.c_str(), accepted ? "accepted" : "refused");
            ++wrong;
        }
        ++files;
    }
    std::printf("%d files replayed, %d judged wrongly\n", files, wrong);
    return wrong == 0 && files > 0 ? 0 : 1;
}
