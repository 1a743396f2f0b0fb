// Window creation against the data folder: a defaulted start, reading the
// files back, user functions, menu shortcuts, toolbar layouts, the plot
// step text and saving the settings.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>
#include <QStatusBar>
#include <QToolBar>
#include <QDateTime>
#include <QDirIterator>
#include <limits>
#include <map>
#include <sys/stat.h>

#include "admin/password_record.h"
#include "admin/toolbar_record.h"
#include "expr/parser.h"
#include "form_fixture.h"
#include "plot/graph_window.h"
#include "workspace/data_files.h"

namespace kurvo::test {
namespace {

std::vector<std::string> Lines(const QByteArray& bytes) { return SplitTextLines(bytes.toStdString()); }

using StartupFiles = FormTest;

TEST_F(StartupFiles, DefaultedStartWritesACompleteDataFolder) {
    auto form = Start();
    EXPECT_TRUE(boxes_.errors.empty()) << boxes_.errors.front().toStdString();

    const QByteArray sett = ReadAll(Data("sett.dat"));
    ASSERT_EQ(sett.size(), 1528);
    const auto defaults = Serialize(DefaultSettings());
    EXPECT_EQ(sett, QByteArray(reinterpret_cast<const char*>(defaults.data()), 1528));

    const auto pass = SerializePassword(kFirstPassword);
    EXPECT_EQ(ReadAll(Data("pass.dat")), QByteArray(reinterpret_cast<const char*>(pass.data()), 13));
    EXPECT_EQ(form->PasswordRecord(), kFirstPassword);

    const QByteArray tbr = ReadAll(Data("tbrcfg.dat"));
    ASSERT_EQ(tbr.size(), 45);
    for (int i = 2; i < 45; ++i) EXPECT_EQ(tbr[i], 1) << i;

    // Every shipped settings and list file, byte for byte, and the examples.
    const QDir shipped(QString(KURVO_SOURCE_DIR) + "/data");
    const QStringList names = shipped.entryList({"*.txt"}, QDir::Files);
    EXPECT_EQ(names.size(), 16);
    for (const QString& name : names) EXPECT_EQ(ReadAll(Data(name)), ReadAll(shipped.filePath(name))) << name.toStdString();
    for (const QString& name : QDir(shipped.filePath("Datafiles")).entryList(QDir::Files))
        EXPECT_EQ(ReadAll(prog_ + "/Datafiles/" + name), ReadAll(shipped.filePath("Datafiles/" + name)));
    EXPECT_EQ(Lines(ReadAll(Data("hotkeys.txt"))), form->HotkeyFileLines());
    EXPECT_EQ(form->FormulaBox()->currentText(), "2x+1");
    EXPECT_EQ(form->RelationBox()->count(), 7);
    EXPECT_EQ(form->windowTitle(), "Kurvo32 Graph Editor");

    // Run from the build folder, the program registers the graph file type.
    EXPECT_TRUE(QFileInfo::exists(qEnvironmentVariable("XDG_DATA_HOME") + "/mime/packages/org.kurvo32.Kurvo32.xml"));
}

TEST_F(StartupFiles, ShippedHotkeysMatchTheMenus) {
    auto form = Start();
    QFile shipped(QString(KURVO_SOURCE_DIR) + "/data/hotkeys.txt");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    EXPECT_EQ(Lines(bytes), form->HotkeyFileLines());
    EXPECT_TRUE(bytes.contains("\r\n"));
    // Six menus, separators skipped, Calculators not among them.
    ASSERT_EQ(form->HotkeyMenus().size(), 6u);
    EXPECT_EQ(form->HotkeyMenus()[4]->title(), "Data Sets");
    EXPECT_EQ(form->HotkeyFileLines().front(), "&Open:Ctrl+O");
}

TEST_F(StartupFiles, SecondStartReadsTheFilesBack) {
    {
        auto first = Start();
    }
    SettingsRecord s = DefaultSettings();
    s.XMin = -3;
    s.XMax = 4.5L;
    s.YMax = 7;
    s.Degrees = true;
    s.ShowCoordinates = false;
    s.PlotStepText = "1,000";
    s.Constants[0] = 2.5L;
    const auto bytes = Serialize(s);
    Write(Data("sett.dat"), QByteArray(reinterpret_cast<const char*>(bytes.data()), 1528));
    const auto pass = SerializePassword("Secret");
    Write(Data("pass.dat"), QByteArray(reinterpret_cast<const char*>(pass.data()), 13));

    auto form = Start();
    EXPECT_TRUE(boxes_.errors.empty());
    EXPECT_EQ(form->PasswordRecord(), "Secret");
    EXPECT_EQ(form->Settings().XMin, -3);
    EXPECT_EQ(form->Settings().Constants[0], 2.5L);
    EXPECT_EQ(form->Settings().LastGraph, -1);
    EXPECT_TRUE(form->Settings().Degrees);
    EXPECT_TRUE(form->Graph().Trans.Degrees);
    EXPECT_TRUE(form->Action("De&grees")->isChecked());
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMin)->text(), "-3");
    EXPECT_EQ(form->ViewFieldEdit(ViewField::XMax)->text(), "4.5");
    EXPECT_EQ(form->ViewFieldEdit(ViewField::YMax)->text(), "7");
    // The thousands separator of the step text is dropped.
    EXPECT_EQ(form->PlotStepSpin()->value(), 1000);
    EXPECT_FALSE(form->statusBar()->isVisible());
    // Nothing was written back: the user's files are as they were.
    EXPECT_EQ(ReadAll(Data("sett.dat")), QByteArray(reinterpret_cast<const char*>(bytes.data()), 1528));
}

TEST_F(StartupFiles, DamagedFilesAreReportedAndLeftAlone) {
    Write(Data("sett.dat"), QByteArray(100, '\x01'));
    Write(Data("tbrcfg.dat"), QByteArray(45, '\0'));  // a valid record: no entries shown
    auto form = Start();
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_TRUE(boxes_.errors[0].startsWith("Read beyond end of file")) << boxes_.errors[0].toStdString();
    EXPECT_EQ(ReadAll(Data("sett.dat")), QByteArray(100, '\x01'));
    EXPECT_EQ(form->Settings().XMax, DefaultSettings().XMax);
    // All of entries 0-30 cleared: no button bar; the other two remain.
    EXPECT_EQ(form->ButtonBar(), nullptr);
    ASSERT_NE(form->RangeBar(), nullptr);
    ASSERT_NE(form->FormulaBar(), nullptr);
    EXPECT_FALSE(form->HasTFields());
    EXPECT_FALSE(form->HasPlotStepField());
    EXPECT_NE(form->ViewFieldEdit(ViewField::XMin), nullptr);
}

TEST_F(StartupFiles, UnusableSettingsAreReportedOnceAndTheDefaultsUsed) {
    SettingsRecord nanView = DefaultSettings();
    nanView.XMin = std::numeric_limits<long double>::quiet_NaN();
    const auto nanBytes = Serialize(nanView);
    struct Case {
        QByteArray bytes;  // empty: a FIFO
        const char* report;
    };
    const std::vector<Case> cases = {
        {QByteArray(1528, '\xFF'), "sett.dat is damaged: XMin is not a finite number. The default settings are used."},
        {QByteArray(reinterpret_cast<const char*>(nanBytes.data()), 1528),
         "sett.dat is damaged: XMin is not a finite number. The default settings are used."},
        {QByteArray(), "Not a regular file"},
    };
    for (const Case& c : cases) {
        QFile::remove(Data("sett.dat"));
        if (c.bytes.isEmpty())
            ASSERT_EQ(mkfifo(QFile::encodeName(Data("sett.dat")).constData(), 0600), 0);
        else
            Write(Data("sett.dat"), c.bytes);
        boxes_.errors.clear();
        auto form = Start();
        ASSERT_EQ(boxes_.errors.size(), 1u) << c.report;
        EXPECT_TRUE(boxes_.errors[0].contains(c.report)) << boxes_.errors[0].toStdString();
        EXPECT_EQ(form->ViewFieldEdit(ViewField::XMin)->text(), "-10");
        if (!c.bytes.isEmpty()) {
            EXPECT_EQ(ReadAll(Data("sett.dat")), c.bytes);
        }
    }
}

TEST_F(StartupFiles, ToolbarEntriesDecideWhatIsBuilt) {
    ToolbarRecord record = DefaultToolbar();
    auto write = [&] {
        const auto b = SerializeToolbar(record);
        Write(Data("tbrcfg.dat"), QByteArray(reinterpret_cast<const char*>(b.data()), 45));
    };
    write();
    auto full = Start();
    const int withPlot = full->FormulaBox()->width();
    ASSERT_NE(full->EntryButton(toolbar::PlotGraph), nullptr);
    EXPECT_EQ(full->EntryButton(toolbar::PlotGraph)->width(), 73);
    EXPECT_EQ(full->EntryButton(toolbar::OpenFile)->toolTip(), "Open File");
    full.reset();

    record.Entries[toolbar::PlotGraph] = false;
    record.Entries[toolbar::OpenFile] = false;
    write();
    auto noPlot = Start();
    // The box takes the Plot button's place (and its spacing in the bar).
    EXPECT_GE(noPlot->FormulaBox()->width(), withPlot + 73);
    EXPECT_LE(noPlot->FormulaBox()->width(), withPlot + 73 + 6);
    EXPECT_EQ(noPlot->EntryButton(toolbar::PlotGraph), nullptr);
    EXPECT_EQ(noPlot->EntryButton(toolbar::OpenFile), nullptr);
    ASSERT_NE(noPlot->ButtonBar(), nullptr);

    // Only one button bar entry left keeps the bar.
    record.Entries.fill(false);
    record.Entries[toolbar::ZoomOut] = true;
    write();
    auto one = Start();
    ASSERT_NE(one->ButtonBar(), nullptr);
    EXPECT_EQ(one->ButtonBar()->actions().size(), 1);
}

TEST_F(StartupFiles, UserFunctionsComeFromTheModesTranslatedFile) {
    Write(Data("Cartfun_int.txt"), "(x*2)\r\n()\r\n((x)^2)\r\n");
    auto form = Start();
    const auto& f = form->UserFunctions();
    EXPECT_EQ(f[0], "(x*2)");
    EXPECT_EQ(f[1], "(1)");
    EXPECT_EQ(f[2], "((x)^2)");
    EXPECT_EQ(f[6], "(1)");
    // g evaluates as 1, h squares its argument.
    EXPECT_EQ(form->Graph().Parser(6).Expression(), "(1)");
    double result = 0;
    ASSERT_TRUE(form->Graph().CallUserFunction(2, 3.0, result));
    EXPECT_DOUBLE_EQ(result, 9.0);
}

TEST_F(StartupFiles, HotkeyLinesSetShortcutsByPosition) {
    // Eight File entries, then the Settings menu's first entry.
    Write(Data("hotkeys.txt"),
          "&Open:Ctrl+K\r\nanything:F9\r\nno colon\r\n&x:\r\n\r\n\r\n\r\nE&xit:Alt+X\r\n&Cartesian:F11\r\n");
    auto form = Start();
    EXPECT_EQ(form->Action("&Open")->shortcut(), QKeySequence("Ctrl+K"));
    EXPECT_EQ(form->Action("Save as &KurvoFile")->shortcut(), QKeySequence("F9"));
    EXPECT_TRUE(form->Action("Save As &Dataset")->shortcut().isEmpty());
    EXPECT_TRUE(form->Action("Save as &Picture")->shortcut().isEmpty());
    EXPECT_EQ(form->Action("E&xit")->shortcut(), QKeySequence("Alt+X"));
    EXPECT_EQ(form->Action("&Cartesian")->shortcut(), QKeySequence("F11"));
    // Past the end of the file every entry has none.
    EXPECT_TRUE(form->Action("Kurvo &Help Contents")->shortcut().isEmpty());
    EXPECT_TRUE(form->Action("&Undo last action")->shortcut().isEmpty());
}

TEST_F(StartupFiles, SaveSettingsWritesOneRecordFromTheFields) {
    auto form = Start();
    form->ViewFieldEdit(ViewField::XMin)->setText("-4");
    form->ViewFieldEdit(ViewField::YMax)->setText("2.5");
    form->PlotStepSpin()->setValue(512);
    form->SaveSettings();
    form->SaveSettings();
    EXPECT_TRUE(boxes_.errors.empty());
    QByteArray file = ReadAll(Data("sett.dat"));
    ASSERT_EQ(file.size(), 1528);
    SettingsRecord read = Deserialize(reinterpret_cast<const uint8_t*>(file.data()));
    EXPECT_EQ(read.XMin, -4);
    EXPECT_EQ(read.YMax, 2.5L);
    EXPECT_EQ(read.PlotStepText, "512");

    // A field that is not a number stops it before anything is written.
    form->ViewFieldEdit(ViewField::XMax)->setText("abc");
    form->SaveSettings();
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_EQ(boxes_.errors[0], "'abc' is not a valid floating point value");
    EXPECT_EQ(ReadAll(Data("sett.dat")), file);
}

// Every file under `folder` with its bytes and modification time.
std::map<QString, std::pair<QByteArray, QDateTime>> Snapshot(const QString& folder) {
    std::map<QString, std::pair<QByteArray, QDateTime>> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files[path] = {f.readAll(), QFileInfo(path).lastModified()};
    }
    return files;
}

TEST_F(StartupFiles, WorkingFolderIsNeverTheCurrentFolder) {
    const QString before = QDir::currentPath();
    const QString work = tmp_.filePath("work");
    qputenv("KURVO32_HOME", work.toUtf8());
    ASSERT_TRUE(QDir::setCurrent(prog_));
    TMainForm::Options options;
    options.messages = &boxes_;
    std::map<QString, std::pair<QByteArray, QDateTime>> first;
    {
        TMainForm form(options);
        EXPECT_EQ(form.GetFolders().ProgramFolder, work);
        first = Snapshot(work);
    }
    {
        TMainForm again(options);  // a second start changes no file
        EXPECT_EQ(Snapshot(work), first);
    }
    QDir::setCurrent(before);
    qunsetenv("KURVO32_HOME");
    EXPECT_TRUE(boxes_.errors.empty());
    EXPECT_EQ(first.size(), 16u + 3u + 5u);  // lists, records, examples
    EXPECT_TRUE(QDir(prog_).isEmpty());
}

TEST_F(StartupFiles, ClassroomRecordsRuleTheWindow) {
    ToolbarRecord shared = DefaultToolbar();
    shared.Entries[toolbar::GraphCoordinates] = false;
    const auto bytes = SerializeToolbar(shared);
    Write(tmp_.filePath("etc/tbrcfg.dat"), QByteArray(reinterpret_cast<const char*>(bytes.data()), 45));
    Write(tmp_.filePath("etc/pass.dat"), "short");
    qputenv("KURVO32_SYSTEM", tmp_.filePath("etc").toUtf8());
    auto form = Start();
    qputenv("KURVO32_SYSTEM", "/nonexistent/kurvo32-classroom");
    EXPECT_FALSE(form->Toolbar().Entries[toolbar::GraphCoordinates]);
    // The classroom copy serves, so the user gets none; a short classroom
    // record is reported by its path.
    EXPECT_FALSE(QFileInfo::exists(Data("tbrcfg.dat")));
    ASSERT_EQ(boxes_.errors.size(), 1u);
    EXPECT_TRUE(boxes_.errors[0].contains(tmp_.filePath("etc/pass.dat"))) << boxes_.errors[0].toStdString();
}

TEST_F(StartupFiles, PresetListAndAddingAFormula) {
    Write(Data("Cart.txt"), "x\xB3\r\n3x\r\n");
    auto form = Start();
    ASSERT_EQ(form->FormulaBox()->count(), 2);
    EXPECT_EQ(form->FormulaBox()->currentText(), QString::fromUtf8(u8"x³"));
    form->FormulaBox()->setEditText(QString::fromUtf8(u8"x²-1"));
    form->AddFormulaToFile();
    EXPECT_EQ(ReadAll(Data("Cart.txt")), QByteArray("x\xB3\r\n3x\r\nx\xB2-1\r\n"));
    EXPECT_EQ(form->FormulaBox()->count(), 3);
    EXPECT_EQ(form->FormulaBox()->currentText(), QString::fromUtf8(u8"x²-1"));
}

}  // namespace
}  // namespace kurvo::test
