// kurvo32 setup, run as a script runs it: what it prints, its exit status,
// and that later commands see what it wrote.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace kurvo {
namespace {

using test::ProgramResult;
using test::RunProgram;

struct SetupCli : ::testing::Test {
    QTemporaryDir dir;
    std::string data = dir.path().toStdString();
    ProgramResult Run(const std::string& command, std::vector<std::string> args) {
        args.insert(args.begin(), command);
        return RunProgram(KURVO32_BIN, args, {"LC_ALL=C"});
    }
    ProgramResult Setup(std::vector<std::string> args) {
        args.insert(args.begin() + 1, {"--data", data});
        return Run("setup", args);
    }
    bool Exists(const char* name) const { return QFile::exists(dir.filePath(name)); }
};

TEST_F(SetupCli, BadOptionsAreRefusedBeforeAnythingIsWritten) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"constants", "e=1"}, "field e is read-only"},
        {{"constants", "f=1"}, "'f=1' is not NAME=TEXT"},
        {{"constants", "--colour", "red"}, "Unknown option 'colour'"},
        {{"functions", "--mode", "spherical"}, "--mode needs cartesian, polar or implicit"},
        {{"presets", "--add", "x", "--replace", "y"}, "cannot be combined"},
    };
    for (const Case& c : cases) {
        const auto r = Setup(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(Run("setup", {"constants", "a=1"}).exitCode, 2) << "--data is required";
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    const auto help = Run("setup", {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* dialog : {"constants", "functions", "presets"})
        EXPECT_NE(help.out.find(std::string("\n  ") + dialog + " "), std::string::npos) << dialog;
}

TEST_F(SetupCli, ConstantsPrintAfterOkAndStayUnsavedOnFailure) {
    auto r = Setup({"constants", "a=2", "d=pi/4"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out.substr(0, 8), "a=2\nb=0\n");
    EXPECT_NE(r.err.find("Error: Error parsing expression:"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line per message";
    EXPECT_FALSE(Exists("sett.dat"));

    r = Setup({"constants", "a=p/4", "c=0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 27), "a=0.7853981635\nb=0\nc=1\nd=1\n");
    EXPECT_EQ(Run("eval", {"--data", data, "a*c"}).out, "0.7853981635\n");
}

TEST_F(SetupCli, FunctionsAndPresetsReachTheOtherCommands) {
    auto r = Setup({"functions", "f=x\xC2\xB2", "h=2x"});
    EXPECT_EQ(r.exitCode, 1) << "no Cartfun.txt yet: File not found";
    EXPECT_NE(r.err.find("File not found"), std::string::npos);
    EXPECT_EQ(r.out, "f=(x^2)\ng=()\nh=(2*x)\ni=()\nj=()\nk=()\nl=()\n");
    EXPECT_EQ(Run("eval", {"--data", data, "f(3)+g(3)+h(3)"}).out, "16\n");

    r = Setup({"functions", "--mode", "implicit", "f=1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Sorry Functions are not available"), std::string::npos);

    r = Setup({"presets", "--mode", "polar"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Cannot open file "), std::string::npos) << r.err;

    QFile list(dir.filePath("new.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("2cos t\n\xCE\xB8\n");  // UTF-8, LF ends; no Windows-1252 code for the theta
    list.close();
    r = Setup({"presets", "--mode", "polar", "--replace", dir.filePath("new.txt").toStdString()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("new.txt: line 2: '\xCE\xB8' is not in the Windows-1252 code page"), std::string::npos) << r.err;
    ASSERT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
    list.write("2cos t\n\xC2\xB0\n");
    list.close();
    r = Setup({"presets", "--mode", "polar", "--replace", dir.filePath("new.txt").toStdString()});
    EXPECT_EQ(r.exitCode, 1) << "the dialog's loading still reports the missing list";
    r = Setup({"presets", "--mode", "polar", "--add", "t\xC2\xB2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2cos t\n\xC2\xB0\nt\xC2\xB2\n");
}

}  // namespace
}  // namespace kurvo
