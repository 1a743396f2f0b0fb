#include "workspace/required_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

#include "workspace/atomic_write.h"

#include "workspace/data_files.h"
#include "workspace/folders.h"

namespace kurvo {

std::vector<std::string> CopyMissingFiles(const QString& from, const QString& to) {
    std::vector<std::string> reports;
    const QStringList names = QDir(from).entryList(QDir::Files, QDir::Name);
    if (names.isEmpty()) return reports;
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(to).toStdString(), error);
    if (error) return {FileErrorText(to, error.message())};
    for (const QString& name : names) {
        if (QFileInfo::exists(FindInFolder(to, name))) continue;
        QFile source(QDir(from).filePath(name));
        if (!source.open(QIODevice::ReadOnly)) {
            reports.push_back(FileErrorText(source.fileName(), source.errorString().toStdString()));
            continue;
        }
        const FileResult written = WriteFileAtomically(QDir(to).filePath(name), source.readAll());
        if (!written.ok()) reports.push_back(written.message);
    }
    return reports;
}

RequiredFiles::RequiredFiles(QString dataFolder, QString templateFolder)
    : data_(std::move(dataFolder)), template_(std::move(templateFolder)) {}

QString RequiredFiles::PathOf(const std::string& name) const {
    return DataFilePath(data_, QString::fromStdString(name));
}

void RequiredFiles::Report(const std::string& name, const std::string& message) {
    reports_.push_back(message + "\n\n" + PathOf(name).toStdString());
}

std::vector<uint8_t> RequiredFiles::Record(const std::string& name,
                                           const std::vector<uint8_t>& defaults) {
    std::vector<uint8_t> record;
    const auto r = ReadRecord(PathOf(name), defaults.size(), record);
    if (r.ok()) return record;
    if (r.problem == FileProblem::Missing) {
        QDir().mkpath(data_);
        const auto w = WriteRecord(PathOf(name), defaults.data(), defaults.size());
        if (w.ok()) created_.push_back(name);
        else Report(name, w.message);
    } else {
        Report(name, r.message);
    }
    return defaults;
}

std::vector<std::string> RequiredFiles::TemplateLines(const std::string& name) const {
    QFile file(FindInFolder(template_, QString::fromStdString(name)));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return SplitTextLines(file.readAll().toStdString());
}

std::vector<std::string> RequiredFiles::Lines(const std::string& name) {
    return Lines(name, TemplateLines(name));
}

std::vector<std::string> RequiredFiles::Lines(const std::string& name,
                                              const std::vector<std::string>& defaults) {
    std::vector<std::string> lines;
    const auto r = ReadTextLines(PathOf(name), lines);
    if (r.ok()) return lines;
    if (r.problem == FileProblem::Missing) {
        QDir().mkpath(data_);
        const auto w = WriteTextLines(PathOf(name), defaults);
        if (w.ok()) created_.push_back(name);
        else Report(name, w.message);
    } else {
        Report(name, r.message);
    }
    return defaults;
}

}  // namespace kurvo
