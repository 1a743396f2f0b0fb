// libFuzzer target over the 8-bit text lists (presets, aliases, hot keys,
// function files): any bytes split into lines without a crash; lines found
// storable are written and read back unchanged, and UTF-8 text converted
// for such a file converts back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "expr/encoding.h"
#include "workspace/data_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = kurvo::SplitTextLines(bytes, 0);
    if (kurvo::ListLinesProblem(lines).empty()) {
        const QByteArray written = kurvo::TextLinesBytes(lines);
        if (kurvo::SplitTextLines(written.toStdString(), 255) != lines) abort();  // read back as written
    }
    std::vector<std::string> converted;
    if (kurvo::ListLinesFromUtf8(lines, converted).empty()) {
        for (size_t i = 0; i < lines.size(); ++i)
            if (kurvo::Cp1252ToUtf8(converted[i]) != lines[i]) abort();  // nothing changed silently
    }
    return 0;
}
