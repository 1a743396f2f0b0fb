#include "workspace/slider_settings.h"

#include <QFile>
#include <cstring>

#include "plot/live_constants.h"
#include "workspace/atomic_write.h"

namespace kurvo {

const char kSliderFileName[] = "sliders.txt";

std::vector<std::string> SliderLines(const SliderRows& rows) {
    std::vector<std::string> lines;
    for (const SliderRow& r : rows)
        lines.push_back((r.letter ? std::string(1, r.letter) : std::string()) + "," + r.min + "," + r.max + "," +
                        r.step);
    return lines;
}

SliderRows ParseSliderLines(const std::vector<std::string>& lines) {
    SliderRows rows;
    for (size_t i = 0; i < rows.size() && i < lines.size(); ++i) {
        std::vector<std::string> parts{""};
        for (char c : lines[i]) {
            if (c == ',') parts.emplace_back();
            else if (c != '\r') parts.back() += c;
        }
        if (parts.size() != 4) continue;
        const bool known = parts[0].size() == 1 && LiveConstantIndex(parts[0]) >= 0;
        rows[i] = {known ? parts[0][0] : char(0), parts[1], parts[2], parts[3]};
    }
    return rows;
}

SliderRows ReadSliderRows(const QString& dataFolder) {
    QFile file(dataFolder + kSliderFileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<std::string> lines;
    for (const QByteArray& line : file.readAll().split('\n')) lines.push_back(line.toStdString());
    return ParseSliderLines(lines);
}

std::string WriteSliderRows(const QString& dataFolder, const SliderRows& rows) {
    QByteArray bytes;
    for (const std::string& line : SliderLines(rows)) bytes.append(line.c_str()).append("\r\n");
    const FileResult r = WriteFileAtomically(dataFolder + kSliderFileName, bytes);
    return r.ok() ? std::string() : r.message;
}

}  // namespace kurvo
