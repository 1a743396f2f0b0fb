// What ships beside the program: the data folder template (every file a
// mode needs, Windows-1252 text with CR LF ends), the example data sets,
// the help pages with working links, and the icons.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

#include "ui/button_icons.h"
#include "ui/help_browser.h"
#include "workspace/data_files.h"
#include "workspace/data_sets.h"
#include "workspace/mode_files.h"

namespace kurvo {
namespace {

QString Source(const QString& path) { return QString(KURVO_SOURCE_DIR) + "/" + path; }

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<std::string> ModeFiles() {
    std::vector<std::string> names = {"Carttyp.txt", "hotkeys.txt"};
    for (bool cartesian : {true, false})
        for (bool implicit : {true, false})
            for (bool parametric : {true, false}) {
                const GraphMode mode{cartesian, implicit, parametric};
                names.push_back(PresetListFile(mode));
                names.push_back(AliasListFile(mode));
            }
    for (bool cartesian : {true, false}) {
        names.push_back(TranslatedUserFunctionFile(cartesian));
        names.push_back(UserFunctionSourceFile(cartesian));
    }
    return names;
}

TEST(ShippedFiles, TemplateHasEveryListInWindowsTextForm) {
    for (const auto& name : ModeFiles()) {
        const QString path = Source("data/" + QString::fromStdString(name));
        const QByteArray bytes = ReadAll(path);
        ASSERT_FALSE(bytes.isEmpty()) << name;
        EXPECT_TRUE(bytes.endsWith("\r\n")) << name;
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << name << ": bare LF";
        // UTF-8 lead bytes for ² and ³ would show as "Â²" in the engine.
        EXPECT_FALSE(bytes.contains("\xC2")) << name << ": UTF-8 text";
        // The copy built into the program is the same file.
        EXPECT_EQ(ReadAll(":/data_template/" + QString::fromStdString(name)), bytes) << name;
    }
    // Seven user functions per file; the translated ones are empty "()".
    const auto lines = SplitTextLines(ReadAll(Source("data/Cartfun_int.txt")).toStdString());
    EXPECT_EQ(lines, std::vector<std::string>(7, "()"));
    EXPECT_EQ(SplitTextLines(ReadAll(Source("data/Polarfun.txt")).toStdString()).size(), 7u);
    // Every alias line has its ":".
    for (const char* name : {"cartal.txt", "pcartal.txt", "polal.txt", "ppolal.txt", "Implal.txt"})
        for (const auto& line : SplitTextLines(ReadAll(Source("data/") + name).toStdString()))
            EXPECT_TRUE(line.empty() || line.find(':') != std::string::npos) << name << ": " << line;
    // The relation list holds the seven relations.
    EXPECT_EQ(SplitTextLines(ReadAll(Source("data/Carttyp.txt")).toStdString()),
              (std::vector<std::string>{"y=", "y>", "y<", "y>=", "y<=", "y=>", "y=<"}));
}

TEST(ShippedFiles, ExampleDataSetsReadAsLabelsAndPointPairs) {
    // Read as "Open" reads them: the first line names the axes, the rest
    // are the points.
    const QDir dir(Source("data/Datafiles"));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_GE(files.size(), 3);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const auto lines = SplitTextLines(ReadAll(dir.filePath(name)).toStdString());
        const DataSetFileContent content = name.endsWith(".tsv") ? ReadTabLines(lines) : ReadCommaLines(lines);
        bool numeric = false;
        QString::fromStdString(content.xLabel).toDouble(&numeric);
        EXPECT_FALSE(numeric || content.xLabel.empty()) << content.xLabel;
        EXPECT_FALSE(content.yLabel.empty());
        ASSERT_GE(content.lines.size(), 4u);
        EXPECT_EQ(content.lines.back(), "#");
        for (size_t i = 0; i + 1 < content.lines.size(); ++i) {
            const std::string& line = content.lines[i];
            const auto at = line.find(',');
            ASSERT_NE(at, std::string::npos) << line;
            bool okX = false, okY = false;
            QString::fromStdString(line.substr(0, at)).toDouble(&okX);
            QString::fromStdString(line.substr(at + 1)).toDouble(&okY);
            EXPECT_TRUE(okX && okY) << line;
        }
    }
}

TEST(ShippedFiles, HelpPagesLinkOnlyToPagesThatExist) {
    const QDir dir(Source("help"));
    const QRegularExpression href("href=\"([^\"#:]+)\"");
    for (const QString& page : dir.entryList({"*.html"})) {
        const QString html = QString::fromUtf8(ReadAll(dir.filePath(page)));
        EXPECT_TRUE(html.contains("<h1>")) << page.toStdString();
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(QFileInfo::exists(dir.filePath(target)))
                << page.toStdString() << " -> " << target.toStdString();
            // The built-in copy has it too.
            EXPECT_TRUE(QFileInfo::exists(HelpBrowser::FolderFor("/nonexistent") + "/" + target))
                << target.toStdString();
        }
    }
    // The menu's pages.
    for (const char* page : {"index.html", "tutorial.html", "calculators.html"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(page))) << page;
}

TEST(ShippedFiles, HelpBrowserShowsTheProgramsOwnPages) {
    const QString folder = HelpBrowser::FolderFor(QString(KURVO_SOURCE_DIR));
    EXPECT_EQ(folder, Source("help"));
    HelpBrowser browser(folder);
    browser.Open("view.html");
    EXPECT_TRUE(browser.Browser()->toPlainText().contains("x min"));
    // Without a help folder beside the program the built-in pages serve.
    HelpBrowser builtIn(HelpBrowser::FolderFor("/nonexistent"));
    builtIn.Open("index.html");
    EXPECT_TRUE(builtIn.Browser()->toPlainText().contains("Kurvo32 Help"));
}

TEST(ShippedFiles, EveryHelpPageReadsInTheBrowserAsWritten) {
    // The browser decodes the pages itself; what it shows must be the
    // characters written, both from the folder and from the built-in copy,
    // and no times sign beside the letter x (2×x reads as "2××").
    const QDir dir(Source("help"));
    for (const QString& folder : {Source("help"), HelpBrowser::FolderFor("/nonexistent")}) {
        HelpBrowser browser(folder);
        for (const QString& page : dir.entryList({"*.html"})) {
            SCOPED_TRACE((folder + "/" + page).toStdString());
            browser.Open(page);
            const QString shown = browser.Browser()->toPlainText();
            QTextDocument expected;
            expected.setHtml(QString::fromUtf8(ReadAll(dir.filePath(page))));
            EXPECT_EQ(shown.toStdString(), expected.toPlainText().toStdString());
            for (const QString& garbled : {QString("\u00c3"), QString("\u00c2"), QString("\ufffd"),
                                           QString("\u00d7x"), QString("x\u00d7")})
                EXPECT_FALSE(shown.contains(garbled)) << garbled.toStdString();
        }
        browser.Open("formulas.html");
        EXPECT_TRUE(browser.Browser()->toPlainText().contains("2x means 2\u00b7x"));
    }
}

TEST(ShippedFiles, EveryButtonPictureLoads) {
    for (int picture = 0; picture <= 26; ++picture) {
        if (picture == 25) continue;  // no picture 25
        const QIcon icon = ButtonIcon(picture);
        EXPECT_FALSE(icon.pixmap(24, 24).isNull()) << picture;
        // Vector pictures stay sharp: they render at any size.
        EXPECT_EQ(icon.pixmap(48, 48).size(), QSize(48, 48)) << picture;
    }
    EXPECT_FALSE(PlotButtonIcon().pixmap(20, 20).isNull());
    EXPECT_FALSE(ApplicationIcon().pixmap(64, 64).isNull());
}

}  // namespace
}  // namespace kurvo
