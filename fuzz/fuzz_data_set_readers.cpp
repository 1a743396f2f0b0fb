// libFuzzer target: any file bytes go through the comma and the tab
// reader. Each appends one set closed by "#", holds no line break, and
// keeps every line within the 255 characters read (the tab rewrite adds
// at most the one comma).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "workspace/data_files.h"
#include "workspace/data_sets.h"

namespace {

void Check(const kurvo::DataSetFileContent& content, size_t fileLines, size_t longest) {
    if (content.lines.empty() || content.lines.back() != "#") std::abort();
    if (content.lines.size() != std::max<size_t>(fileLines, 2)) std::abort();
    for (const std::string& line : content.lines)
        if (line.size() > longest || line.find_first_of("\r\n") != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = kurvo::SplitTextLines(bytes);
    Check(kurvo::ReadCommaLines(lines), lines.size(), 255);
    Check(kurvo::ReadTabLines(lines), lines.size(), 256);
    return 0;
}
