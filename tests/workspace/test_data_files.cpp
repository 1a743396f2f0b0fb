// The data folder's file handling: names without regard to case, records,
// text lines, the examples import, the initial folder, the working and
// classroom folders, the template and the desktop registration of a
// build-folder run. Every test works in its own temporary folders.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "workspace/data_files.h"
#include "workspace/file_type_registration.h"
#include "workspace/folders.h"
#include "workspace/mode_files.h"
#include "workspace/required_files.h"
#include "workspace/settings_file.h"

// The template is built into the window's library.
static void InitTemplate() { Q_INIT_RESOURCE(data_template); }

namespace kurvo {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        root_ = dir_.path();
    }
    QString Path(const QString& name) const { return QDir(root_).filePath(name); }
    QTemporaryDir dir_;
    QString root_;
};

TEST_F(DataFolderTest, NamesAreMatchedWithoutRegardToCase) {
    Write(Path("data/SETT.DAT"), "x");
    Write(Path("data/cartfun_INT.txt"), "x");
    const Folders folders = FixFolders(root_);
    EXPECT_EQ(folders.ProgramFolder, QDir::cleanPath(root_));
    EXPECT_EQ(folders.DataFolder, Path("data") + "/");
    EXPECT_EQ(FindInFolder(folders.DataFolder, "sett.dat"), Path("data/SETT.DAT"));
    EXPECT_EQ(FindInFolder(folders.DataFolder, "Cartfun_int.txt"), Path("data/cartfun_INT.txt"));
    // A file that is not there gets the name as given.
    EXPECT_EQ(FindInFolder(folders.DataFolder, "hotkeys.txt"), Path("data/hotkeys.txt"));

    // A data folder spelt "Data" is found as well.
    QTemporaryDir other;
    QDir(other.path()).mkdir("Data");
    EXPECT_EQ(FixFolders(other.path()).DataFolder, QDir(other.path()).filePath("Data") + "/");
}

TEST_F(DataFolderTest, RecordsReportMissingAndShortFiles) {
    std::vector<uint8_t> record;
    auto r = ReadRecord(Path("none.dat"), 13, record);
    EXPECT_EQ(r.problem, FileProblem::Missing);
    EXPECT_EQ(r.message, "File not found");

    Write(Path("short.dat"), QByteArray(12, 'a'));
    r = ReadRecord(Path("short.dat"), 13, record);
    EXPECT_EQ(r.problem, FileProblem::Short);
    EXPECT_EQ(r.message, "Read beyond end of file");

    QDir(root_).mkdir("folder.dat");
    r = ReadRecord(Path("folder.dat"), 13, record);
    EXPECT_EQ(r.problem, FileProblem::Unreadable);
    EXPECT_EQ(r.message, QDir(root_).absoluteFilePath("folder.dat").toStdString() + ": Is a directory");

    Write(Path("long.dat"), QByteArray("0123456789abcdefXYZ"));
    ASSERT_TRUE(ReadRecord(Path("long.dat"), 16, record).ok());
    EXPECT_EQ(std::string(record.begin(), record.end()), "0123456789abcdef");
}

TEST_F(DataFolderTest, WritingRecordZeroKeepsTheRestOfTheFile) {
    Write(Path("rec.dat"), QByteArray("AAAABBBB"));
    const uint8_t bytes[4] = {'x', 'y', 'z', 'w'};
    ASSERT_TRUE(WriteRecord(Path("rec.dat"), bytes, 4).ok());
    EXPECT_EQ(ReadAll(Path("rec.dat")), QByteArray("xyzwBBBB"));

    // Saving the settings twice leaves exactly one record.
    const QString data = Path("data") + "/";
    QDir().mkpath(data);
    SettingsRecord s = DefaultSettings();
    ASSERT_EQ(WriteSettingsFile(data, s), "");
    s.XMin = -3;
    ASSERT_EQ(WriteSettingsFile(data, s), "");
    const QByteArray file = ReadAll(data + "sett.dat");
    ASSERT_EQ(file.size(), 1528);
    EXPECT_EQ(Deserialize(reinterpret_cast<const uint8_t*>(file.data())).XMin, -3);
}

TEST_F(DataFolderTest, TextLinesReadCrLfAndLfAndCutAt255) {
    Write(Path("a.txt"), QByteArray("one\r\ntwo\nthree\r\n\r\nlast"));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(Path("a.txt"), lines).ok());
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "", "last"}));

    Write(Path("long.txt"), QByteArray(300, 'q') + "\r\nx\xB2\r\n");
    ASSERT_TRUE(ReadTextLines(Path("long.txt"), lines).ok());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 255u);
    EXPECT_EQ(lines[1], "x\xB2");

    ASSERT_TRUE(WriteTextLines(Path("out.txt"), {"y=", "", "x\xB3"}).ok());
    EXPECT_EQ(ReadAll(Path("out.txt")), QByteArray("y=\r\n\r\nx\xB3\r\n"));
    EXPECT_EQ(LineOr({"a"}, 0), "a");
    EXPECT_EQ(LineOr({"a"}, 5), "");
}

TEST_F(DataFolderTest, ReadersTakeRegularFilesOnlyAndStopWhereTheFormatEnds) {
    // A FIFO would block the open, /dev/zero never ends: both are refused
    // at once, with the path.
    ASSERT_EQ(mkfifo(Path("fifo").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", Path("zero")));
    QDir(root_).mkdir("folder");
    struct Case {
        const char* name;
        const char* reason;
    };
    for (const Case c : {Case{"fifo", "Not a regular file"}, Case{"zero", "Not a regular file"},
                         Case{"folder", "Is a directory"}}) {
        std::vector<std::string> lines;
        std::vector<uint8_t> record;
        const std::string expected = Path(c.name).toStdString() + ": " + c.reason;
        EXPECT_EQ(ReadTextLines(Path(c.name), lines).message, expected);
        EXPECT_EQ(ReadRecord(Path(c.name), 1528, record).message, expected);
    }
    // A list stops at its line limit; the last line kept may be unended.
    Write(Path("many.txt"), QByteArray("1\r\n2\n3\r4\r\n5\r\n6\r\n7\r\n8\r\n"));
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(Path("many.txt"), lines, 255, 3).ok());
    EXPECT_EQ(lines, (std::vector<std::string>{"1", "2", "3"}));
    // Without line ends the byte limit ends the read.
    Write(Path("endless.txt"), QByteArray(int(kMaxTextBytes) + (1 << 20), 'x'));
    ASSERT_TRUE(ReadTextLines(Path("endless.txt"), lines).ok());
    EXPECT_EQ(lines.size(), 1u);
}

TEST(ListLines, WhatAListFileCannotHoldIsRefusedWithTheLine) {
    const struct {
        std::vector<std::string> utf8;
        std::string problem;
        std::vector<std::string> stored;
    } cases[] = {
        {{"x\u00b2", "\u20ac"}, "", {"x\xB2", "\x80"}},
        {{"x", "\u221ax"}, "line 2: '\u221a' is not in the Windows-1252 code page", {}},
        {{"a", "b", std::string(256, 'c')}, "line 3 is longer than 255 characters", {}},
        {{std::string(255, 'c')}, "", {std::string(255, 'c')}},
        {std::vector<std::string>(kMaxListLines + 1, "x"), "more than 10000 lines (line 10001 would not be read back)", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> stored;
        EXPECT_EQ(ListLinesFromUtf8(c.utf8, stored), c.problem) << c.utf8.size();
        if (c.problem.empty()) EXPECT_EQ(stored, c.stored);
    }
}

TEST_F(DataFolderTest, RequiredFilesDefaultWhenMissingAndLeaveDamagedFilesAlone) {
    const QString data = Path("data") + "/";
    Write(Path("template/Cart.txt"), "2x+1\r\nx\xB2\r\n");
    RequiredFiles files(data, Path("template"));

    // Missing: defaults, written so the folder is complete.
    EXPECT_EQ(files.Record("pass.dat", {1, 'k'}), (std::vector<uint8_t>{1, 'k'}));
    EXPECT_EQ(ReadAll(data + "pass.dat"), QByteArray("\x01k", 2));
    EXPECT_EQ(files.Lines("Cart.txt"), (std::vector<std::string>{"2x+1", "x\xB2"}));
    EXPECT_EQ(ReadAll(data + "Cart.txt"), QByteArray("2x+1\r\nx\xB2\r\n"));
    EXPECT_TRUE(files.Reports().empty());
    EXPECT_EQ(files.Created(), (std::vector<std::string>{"pass.dat", "Cart.txt"}));

    // Short: reported with the platform's text, defaults used, file kept.
    Write(data + "tbrcfg.dat", "\x01\x01");
    const auto record = files.Record("tbrcfg.dat", std::vector<uint8_t>(45, 1));
    EXPECT_EQ(record.size(), 45u);
    ASSERT_EQ(files.Reports().size(), 1u);
    EXPECT_EQ(files.Reports()[0].rfind("Read beyond end of file", 0), 0u);
    EXPECT_EQ(ReadAll(data + "tbrcfg.dat"), QByteArray("\x01\x01"));
}

TEST_F(DataFolderTest, UserFunctionLinesLoadEmptyFunctionsAsOne) {
    const auto e = UserFunctionExpressions({"(x*2)", "()", "", "((x)^2)"});
    EXPECT_EQ(e[0], "(x*2)");
    EXPECT_EQ(e[1], "(1)");
    EXPECT_EQ(e[2], "(1)");
    EXPECT_EQ(e[3], "((x)^2)");
    EXPECT_EQ(e[6], "(1)");  // past the end of the file
}

TEST_F(DataFolderTest, ModeFilesFollowTheModeFlags) {
    EXPECT_EQ(PresetListFile({true, false, false}), "Cart.txt");
    EXPECT_EQ(PresetListFile({true, false, true}), "Cartpara.txt");
    EXPECT_EQ(PresetListFile({false, false, false}), "Polar.txt");
    EXPECT_EQ(PresetListFile({false, false, true}), "ParaPol.txt");
    EXPECT_EQ(PresetListFile({false, true, true}), "Implic.txt");
    // Cartesian wins over a stray implicit flag.
    EXPECT_EQ(AliasListFile({true, true, false}), "cartal.txt");
    EXPECT_EQ(AliasListFile({true, false, true}), "pcartal.txt");
    EXPECT_EQ(AliasListFile({false, false, true}), "ppolal.txt");
    EXPECT_EQ(AliasListFile({false, true, false}), "Implal.txt");
    EXPECT_EQ(TranslatedUserFunctionFile(false), "Polarfun_int.txt");
    EXPECT_EQ(UserFunctionSourceFile(true), "Cartfun.txt");
}

TEST_F(DataFolderTest, InitialDirFileSetsTheDocumentsFolderOnlyWhenNotEmpty) {
    Folders folders = FixFolders(root_);
    folders.DocumentsFolder = "/home/pupil/Documents";
    ApplyInitialDirFile(folders);  // no file: nothing changes
    EXPECT_FALSE(folders.InitialDirSet);

    Write(Path("data/initdir.txt"), "\r\n/other\r\n");
    ApplyInitialDirFile(folders);
    EXPECT_EQ(folders.DocumentsFolder, "/home/pupil/Documents");
    EXPECT_FALSE(folders.InitialDirSet);

    ASSERT_EQ(WriteInitialDirFile(folders, "/srv/class 7b"), "");
    ApplyInitialDirFile(folders);
    EXPECT_EQ(folders.DocumentsFolder, "/srv/class 7b");
    EXPECT_TRUE(folders.InitialDirSet);
}

TEST_F(DataFolderTest, ImportCopiesTheExamplesAndReportsFailures) {
    Write(Path("prog/Datafiles/a.csv"), "1,2\r\n");
    Write(Path("prog/Datafiles/b.tsv"), "1\t2\r\n");
    Folders folders = FixFolders(Path("prog"));
    folders.DocumentsFolder = Path("docs");
    EXPECT_EQ(ImportExamples(folders), "");
    EXPECT_EQ(ReadAll(Path("docs/Kurvo32/examples/a.csv")), QByteArray("1,2\r\n"));
    EXPECT_EQ(ReadAll(Path("docs/Kurvo32/examples/b.tsv")), QByteArray("1\t2\r\n"));

    // A second import overwrites; an existing Kurvo32 folder without
    // examples still receives them.
    Write(Path("docs/Kurvo32/examples/a.csv"), "changed");
    EXPECT_EQ(ImportExamples(folders), "");
    EXPECT_EQ(ReadAll(Path("docs/Kurvo32/examples/a.csv")), QByteArray("1,2\r\n"));
    folders.DocumentsFolder = Path("docs2");
    QDir().mkpath(Path("docs2/Kurvo32"));
    EXPECT_EQ(ImportExamples(folders), "");
    EXPECT_TRUE(QFileInfo::exists(Path("docs2/Kurvo32/examples/b.tsv")));

    // A destination that cannot be created is reported by name.
    Write(Path("docs3/Kurvo32/examples"), "a file, not a folder");
    folders.DocumentsFolder = Path("docs3");
    const std::string error = ImportExamples(folders);
    EXPECT_EQ(error.rfind("Cannot create file ", 0), 0u) << error;

    EXPECT_EQ(CopyFileTo(Path("nothing"), Path("x")), "Cannot open file " + Path("nothing").toStdString());
    // Copying onto a folder keeps the source's name.
    EXPECT_EQ(CopyFileTo(Path("prog/Datafiles/a.csv"), Path("docs")), "");
    EXPECT_TRUE(QFileInfo::exists(Path("docs/a.csv")));
}

// Sets variables for one test and restores them after.
class Environment {
public:
    void Set(const char* name, const QString& value) {
        if (!saved_.contains(name)) saved_[name] = qgetenv(name);
        if (value.isNull()) qunsetenv(name);
        else qputenv(name, value.toUtf8());
    }
    ~Environment() {
        for (const auto& [name, value] : saved_)
            value.isNull() ? qunsetenv(name.c_str()) : qputenv(name.c_str(), value);
    }

private:
    std::map<std::string, QByteArray> saved_;
};

class FoldersTest : public DataFolderTest {
protected:
    Environment env_;
};

TEST_F(FoldersTest, WorkingFolderComesFromTheEnvironmentNeverTheCurrentFolder) {
    const QString home = Path("home");
    struct Case {
        QString kurvoHome, xdgDataHome, expected;
    } cases[] = {
        {Path("mine"), Path("xdg"), Path("mine")},
        {Path("mine/../mine2/"), QString(), Path("mine2")},
        {QString(), Path("xdg"), Path("xdg/kurvo32")},
        {QString(), QString(), home + "/.local/share/kurvo32"},
        {"", "", home + "/.local/share/kurvo32"},
        // A relative XDG path is invalid and ignored.
        {QString(), "relative/share", home + "/.local/share/kurvo32"},
    };
    env_.Set("HOME", home);
    const QString before = QDir::currentPath();
    QDir::setCurrent(root_);
    for (const auto& c : cases) {
        env_.Set("KURVO32_HOME", c.kurvoHome);
        env_.Set("XDG_DATA_HOME", c.xdgDataHome);
        EXPECT_EQ(WorkingFolder(), c.expected) << c.kurvoHome.toStdString() << " " << c.xdgDataHome.toStdString();
    }
    QDir::setCurrent(before);
    env_.Set("KURVO32_SYSTEM", QString());
    EXPECT_EQ(ClassroomFolder(), "/etc/kurvo32");
    env_.Set("KURVO32_SYSTEM", Path("etc") + "/");
    EXPECT_EQ(ClassroomFolder(), Path("etc"));
}

TEST_F(FoldersTest, ClassroomCopiesOfGuardedFilesWin) {
    env_.Set("KURVO32_SYSTEM", Path("etc"));
    const QString data = Path("user/data");
    for (const char* name : {"pass.dat", "tbrcfg.dat", "HOTKEYS.TXT", "cartal.txt", "sett.dat", "Cart.txt"})
        Write(Path("etc/") + name, "shared");
    Write(data + "/polal.txt", "mine");
    QDir().mkpath(Path("etc/initdir.txt"));  // a folder is no file to read

    struct Case {
        const char* name;
        QString expected;
    } cases[] = {
        {"pass.dat", Path("etc/pass.dat")},
        {"tbrcfg.dat", Path("etc/tbrcfg.dat")},
        {"hotkeys.txt", Path("etc/HOTKEYS.TXT")},  // names match without regard to case
        {"cartal.txt", Path("etc/cartal.txt")},
        {"polal.txt", data + "/polal.txt"},        // none in the classroom
        {"Implal.txt", data + "/Implal.txt"},      // none anywhere: the user's place
        {"initdir.txt", data + "/initdir.txt"},
        {"sett.dat", data + "/sett.dat"},          // not guarded: always the user's
        {"Cart.txt", data + "/Cart.txt"},
    };
    for (const auto& c : cases) EXPECT_EQ(DataFilePath(data, c.name), c.expected) << c.name;

    int guarded = 0;
    for (const char* name : {"pass.dat", "tbrcfg.dat", "hotkeys.txt", "cartal.txt", "pcartal.txt", "polal.txt",
                             "ppolal.txt", "Implal.txt", "initdir.txt", "sett.dat", "Cartfun.txt", "Cart.txt"})
        guarded += IsClassroomFile(name);
    EXPECT_EQ(guarded, 9);
}

TEST_F(FoldersTest, TemplateFillsOnlyWhatIsMissing) {
    Write(Path("template/a.txt"), "shipped a\r\n");
    Write(Path("template/B.txt"), "shipped b\r\n");
    Write(Path("template/c.dat"), QByteArray("\0\1\2", 3));
    Write(Path("work/data/b.TXT"), "mine");

    EXPECT_TRUE(CopyMissingFiles(Path("template"), Path("work/data")).empty());
    EXPECT_EQ(ReadAll(Path("work/data/a.txt")), "shipped a\r\n");
    EXPECT_EQ(ReadAll(Path("work/data/c.dat")), QByteArray("\0\1\2", 3));
    EXPECT_EQ(ReadAll(Path("work/data/b.TXT")), "mine");
    EXPECT_FALSE(QFileInfo::exists(Path("work/data/B.txt")));

    // A second run changes nothing, even a file the user emptied.
    Write(Path("work/data/a.txt"), "");
    EXPECT_TRUE(CopyMissingFiles(Path("template"), Path("work/data")).empty());
    EXPECT_EQ(ReadAll(Path("work/data/a.txt")), "");

    // The compiled-in template has every settings and list file.
    InitTemplate();
    EXPECT_EQ(QDir(":/data_template").entryList(QDir::Files).size(), 16);
    EXPECT_EQ(QDir(":/datafiles_template").entryList(QDir::Files),
              QDir(QString(KURVO_SOURCE_DIR) + "/data/Datafiles").entryList(QDir::Files));
}

TEST_F(FoldersTest, UnwritableDataFolderIsReportedWithPathAndReason) {
    Write(Path("template/a.txt"), "a");
    Write(Path("blocked"), "a file where the folder should be");
    auto reports = CopyMissingFiles(Path("template"), Path("blocked/data"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(Path("blocked/data").toStdString()), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("Not a directory"), std::string::npos) << reports[0];

    if (geteuid() == 0) return;  // root writes into read-only folders
    QDir().mkpath(Path("ro"));
    chmod(Path("ro").toLocal8Bit().constData(), 0555);
    reports = CopyMissingFiles(Path("template"), Path("ro"));
    chmod(Path("ro").toLocal8Bit().constData(), 0755);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(Path("ro/a.txt").toStdString()), std::string::npos) << reports[0];
    EXPECT_NE(reports[0].find("Permission denied"), std::string::npos) << reports[0];
}

TEST_F(FoldersTest, BuildFolderRunKeepsItsEntryCurrent) {
    env_.Set("XDG_DATA_HOME", Path("share"));
    const QString entry = Path("share/applications/") + kDesktopId + ".desktop";
    const QString mime = Path("share/mime/packages/") + kDesktopId + ".xml";

    auto first = RegisterFileType("/opt/kurvo 32/kurvo32", "/src/icon.svg");
    EXPECT_TRUE(first.mimeWritten && first.desktopWritten);
    EXPECT_TRUE(ReadAll(entry).contains("Exec=\"/opt/kurvo 32/kurvo32\" %f\n"));
    EXPECT_TRUE(ReadAll(entry).contains("Icon=/src/icon.svg\n"));
    EXPECT_FALSE(ReadAll(entry).contains("Path="));
    EXPECT_EQ(ReadAll(mime), MimeTypeXml());

    // Unchanged: nothing written. A moved build: the entry follows it.
    auto same = RegisterFileType("/opt/kurvo 32/kurvo32", "/src/icon.svg");
    EXPECT_FALSE(same.mimeWritten || same.desktopWritten);
    auto moved = RegisterFileType("/home/me/build/kurvo32", "/home/me/src/icon.svg");
    EXPECT_FALSE(moved.mimeWritten);
    EXPECT_TRUE(moved.desktopWritten);
    EXPECT_TRUE(ReadAll(entry).contains("Exec=\"/home/me/build/kurvo32\" %f\n"));
    EXPECT_TRUE(ReadAll(entry).contains("Icon=/home/me/src/icon.svg\n"));

    // An entry the user wrote stays.
    Write(entry, "mine");
    EXPECT_FALSE(RegisterFileType("/elsewhere/kurvo32", "/i.svg").desktopWritten);
    EXPECT_EQ(ReadAll(entry), "mine");

    // The package ships the same MIME type as a build-folder run writes.
    EXPECT_EQ(ReadAll(QString(KURVO_SOURCE_DIR) + "/data/desktop/" + kDesktopId + ".xml"), MimeTypeXml());
}

TEST_F(FoldersTest, OnlyProgramsInsideTheBuildFolderCountAsBuildRuns) {
    Write(Path("usr/bin/kurvo32"), "x");
    struct Case {
        QString executable;
        bool expected;
    } cases[] = {
        {QCoreApplication::applicationFilePath(), true},  // this test, in the build folder
        {Path("usr/bin/kurvo32"), false},                  // an installed copy, a DESTDIR
        {Path("usr/bin/missing"), false},
        {QStringLiteral(KURVO_BUILD_DIR), false},          // the folder itself
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunsFromBuildFolder(c.executable), c.expected) << c.executable.toStdString();
}

}  // namespace
}  // namespace kurvo
