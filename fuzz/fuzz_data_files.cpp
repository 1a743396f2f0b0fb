// libFuzzer target over the data folder's readers: any bytes as sett.dat,
// tbrcfg.dat, pass.dat or a text list are read without a crash, a hang or
// an unbounded read, and a record read back after writing is the same.
// The first byte picks the file; the rest is its content.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>
#include <string>
#include <vector>

#include "admin/hotkey_lines.h"
#include "admin/password_record.h"
#include "admin/toolbar_record.h"
#include "expr/errors.h"
#include "expr/parser.h"
#include "plot/relation_box.h"
#include "plot/settings_checks.h"
#include "plot/settings_record.h"
#include "workspace/data_files.h"
#include "workspace/mode_files.h"

namespace {

const QString& FilePath() {
    static const QString path = QDir::temp().filePath(QString("kurvo_fuzz_%1.dat").arg(getpid()));
    return path;
}

bool WriteInput(const uint8_t* data, size_t size) {
    QFile f(FilePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}

std::vector<uint8_t> ReadAs(size_t size) {
    std::vector<uint8_t> record;
    if (!kurvo::ReadRecord(FilePath(), size, record).ok()) return {};
    if (record.size() != size) abort();  // a record is whole or not read
    return record;
}

void Settings() {
    const auto record = ReadAs(kurvo::kSettingsRecordSize);
    if (record.empty()) return;
    const kurvo::SettingsRecord first = kurvo::Deserialize(record.data());
    (void)kurvo::SettingsDamage(first);
    const auto bytes = kurvo::Serialize(first);
    if (kurvo::Serialize(kurvo::Deserialize(bytes.data())) != bytes) abort();
}

void Toolbar() {
    const auto record = ReadAs(kurvo::kToolbarRecordSize);
    if (record.empty()) return;
    const auto bytes = kurvo::SerializeToolbar(kurvo::DeserializeToolbar(record.data()));
    if (kurvo::SerializeToolbar(kurvo::DeserializeToolbar(bytes.data())) != bytes) abort();
}

void Password() {
    const auto record = ReadAs(kurvo::kPasswordRecordSize);
    if (record.empty()) return;
    const std::string stored = kurvo::DeserializePassword(record.data());
    if (kurvo::DeserializePassword(kurvo::SerializePassword(stored).data()) != stored) abort();
}

void TextList(size_t maxLines) {
    std::vector<std::string> lines;
    if (!kurvo::ReadTextLines(FilePath(), lines, 255, maxLines).ok()) return;
    if (lines.size() > maxLines) abort();
    for (const std::string& line : lines) {
        if (line.size() > 255) abort();
        (void)kurvo::ShortcutOfLine(line);
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    (void)kurvo::SplitRelationLines(text);
    for (const std::string& body : kurvo::UserFunctionExpressions(lines)) {
        kurvo::TParser parser;
        try {
            parser.SetExpression(body);
        } catch (const kurvo::Exception&) {
            // A function that does not compile is reported, not a fault.
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    if (!WriteInput(data + 1, size - 1)) return 0;
    switch (data[0] % 5) {
        case 0: Settings(); break;
        case 1: Toolbar(); break;
        case 2: Password(); break;
        case 3: TextList(7); break;  // the user function files
        default: TextList(kurvo::kMaxListLines); break;
    }
    return 0;
}
