// Replays the inputs of a corpus through a fuzz target's entry point without libFuzzer, so
// that the normal build proves every stored input (seeds and found faults) on each run.
// Arguments: files or folders of inputs. Exit 0 when every input ran through.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace fs = std::filesystem;

static int replay(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> input((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.data()), input.size());
    return 1;
}

int main(int argc, char **argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg(argv[i]);
        if (fs::is_directory(arg)) {
            std::vector<fs::path> files;
            for (const auto &entry : fs::directory_iterator(arg))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const fs::path &f : files)
                count += replay(f);
        } else if (fs::is_regular_file(arg)) {
            count += replay(arg);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
    }
    std::printf("%d inputs replayed\n", count);
    // An empty corpus proves nothing.
    return count > 0 ? 0 : 1;
}
