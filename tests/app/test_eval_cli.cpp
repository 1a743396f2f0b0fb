// kurvo32 eval as a user runs it from a terminal (UTF-8 arguments).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "plot/settings_record.h"
#include "support/run_program.h"

using kurvo::test::RunProgram;

namespace {

kurvo::test::ProgramResult Eval(std::vector<std::string> args) {
    args.insert(args.begin(), "eval");
    return RunProgram(KURVO32_BIN, args, {"LC_ALL=C"});
}

}  // namespace

TEST(EvalCli, EngineSyntaxValuesAndExitCodes) {
    auto r = Eval({"--engine", "--var", "X=3", "X^2+1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "10\n");

    r = Eval({"--engine", "--var", "X=0", "1/X"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "undefined\n");

    r = Eval({"--engine", "X +1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Expression has blanks\n");

    // The syntax error's CR-separated detail is shown on lines of its own.
    r = Eval({"--engine", "X+2Y"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "Error parsing expression:\nX\n2Y\n");
}

TEST(EvalCli, TranslatesSchoolNotation) {
    auto r = Eval({"--var", "x=3", "x²+1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "10\n");

    r = Eval({"--show", "--var", "x=2", "sin³x"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 27), "translated: (SINCUBE(x))\n0.") << r.out;

    // The constants e and p are those of the graph window.
    r = Eval({"2p"});
    EXPECT_EQ(r.out, "6.283185308\n");
    r = Eval({"--var", "p=1", "2p"});
    EXPECT_EQ(r.out, "2\n");

    r = Eval({"--degrees", "sin 90"});
    EXPECT_EQ(r.out, "1\n");
}

TEST(EvalCli, ShowsRelationsAndBranches) {
    auto r = Eval({"--show", "--var", "x=1", "x²+y²=4"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("translated: (SQRT(0-(x^2)-(0-(4))))\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("second: "), std::string::npos);
    EXPECT_NE(r.out.find("ycount: 1\n"), std::string::npos);
    EXPECT_NE(r.out.find("1.73205080756888\n"), std::string::npos);
}

TEST(EvalCli, DecimalComma) {
    auto r = Eval({"--decimal-comma", "--var", "x=2", "2,5x"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "5\n");
    r = Eval({"--decimal-comma", "1/4"});
    EXPECT_EQ(r.out, "0,25\n");
    // A variable's value takes "." always, "," only with --decimal-comma.
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* out;
    };
    const std::vector<Case> cases = {
        {{"--decimal-comma", "--var", "X=0.5", "4x"}, 0, "2\n"},
        {{"--decimal-comma", "--var", "X=0,5", "4x"}, 0, "2\n"},
        {{"--var", "X=0.5", "4x"}, 0, "2\n"},
        {{"--var", "X=0,5", "4x"}, 2, ""},
    };
    for (const Case& c : cases) {
        r = Eval(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[1] << c.args[2] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[2];
    }
}

TEST(EvalCli, OptionSyntax) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* out;  // or, with status 2, what standard error names
    };
    const std::vector<Case> cases = {
        {{"--", "-x^2"}, 0, "0\n"},
        {{"--var=x=3", "-x^2"}, 0, "-9\n"},
        {{"--var", "x=3", "--", "-x^2"}, 0, "-9\n"},
        {{"--", "x", "--var"}, 2, "only one TEXT"},
        {{"x", "--var"}, 2, "'--var'"},
        {{"--show=1", "x"}, 2, "'--show'"},
        {{"--frobnicate", "x"}, 2, "'--frobnicate'"},
    };
    for (const Case& c : cases) {
        const auto r = Eval(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << r.err;
        if (c.exitCode == 0) {
            EXPECT_EQ(r.out, c.out) << c.args[0];
        } else {
            EXPECT_NE(r.err.find(c.out), std::string::npos) << r.err;
        }
    }
    EXPECT_EQ(Eval({"--version"}).out.rfind("kurvo32 ", 0), 0u);
}

TEST(EvalCli, BadUse) {
    EXPECT_EQ(Eval({}).exitCode, 2);
    EXPECT_EQ(Eval({"--var", "F=1", "x"}).exitCode, 2);  // F..L are functions
    auto r = Eval({"3x!"});  // "!" without digits before it
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "'' is not a valid integer value\n");
}

TEST(EvalCli, DataFolderGivesConstantsFunctionsAndAliases) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder + "/" + name, std::ios::binary) << bytes;
    };
    kurvo::SettingsRecord s = kurvo::DefaultSettings();
    s.Constants[0] = 3;  // a
    s.Degrees = true;
    const auto record = kurvo::Serialize(s);
    write("sett.dat", std::string(record.begin(), record.end()));
    write("Cartfun_int.txt", "(X^2+1)\r\n()\r\n()\r\n()\r\n()\r\n()\r\n()\r\n");
    write("cartal.txt", "2x+1:line\r\n");

    auto r = Eval({"--data", folder, "2a"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "6\n");
    EXPECT_EQ(Eval({"--data", folder, "--var", "a=1", "2a"}).out, "2\n");
    EXPECT_EQ(Eval({"--data", folder, "f(3)"}).out, "10\n");
    EXPECT_EQ(Eval({"--data", folder, "--var", "x=2", "Line"}).out, "5\n");
    // The angle mode of the settings, as the window starts with it.
    EXPECT_EQ(Eval({"--data", folder, "sin(90)"}).out, "1\n");
    // Without the folder: the default constants, radians, no functions.
    EXPECT_EQ(Eval({"2a"}).out, "0\n");
    EXPECT_EQ(Eval({"e*2"}).out, "5.436563656\n");
    EXPECT_EQ(Eval({"--data", folder + "/missing", "1"}).exitCode, 2);
}
