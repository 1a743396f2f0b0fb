// libFuzzer target: any bytes read as a workspace file. What the reader
// keeps stays within the fields' capacities and the 100 slots, and a file
// written from what was read reads back to the same file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "workspace/data_files.h"
#include "workspace/graph_file.h"

namespace {

void Check(const kurvo::GraphFileState& state) {
    const kurvo::SettingsRecord& s = state.Settings;
    if (s.LastGraph < -1 || s.LastGraph >= kurvo::kGraphSlotCount) std::abort();
    if (s.PlotStepText.size() > 10 || s.FontName.size() > 255) std::abort();
    int32_t marks = 0;
    for (const std::string& line : state.DataSetLines) {
        if (line == "#") ++marks;
        else if (line.find(',') == std::string::npos) std::abort();
    }
    if (marks != state.DataSetImageCount) std::abort();
    for (const std::string& text : state.Slots.GraphRelationText)
        if (text.size() > 5) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    kurvo::GraphFileState first;
    if (!kurvo::ReadGraphLines(kurvo::SplitTextLines(bytes), first).ok()) return 0;
    Check(first);
    const QByteArray written = kurvo::GraphFileBytes(first);
    kurvo::GraphFileState second;
    if (!kurvo::ReadGraphLines(kurvo::SplitTextLines(written.toStdString()), second).ok()) std::abort();
    Check(second);
    if (kurvo::GraphFileBytes(second) != written) std::abort();
    return 0;
}
