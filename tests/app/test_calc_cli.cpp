// kurvo32 calc, scical, quad and solve as a user runs them from a terminal.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/run_program.h"

using kurvo::test::RunProgram;

namespace {

kurvo::test::ProgramResult Kurvo(const std::vector<std::string>& args) {
    return RunProgram(KURVO32_BIN, args, {"LC_ALL=C"});
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace

TEST(CalcCli, Commands) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* out;
    } cases[] = {
        {{"calc", "2 + 3 × 4 ="}, 0, "14\n"},
        {{"calc", "--trace", "12.5", "*", "2", "="}, 0, "1\n12\n12.\n12.5\n12.5\n2\n25\n"},
        {{"calc", "7", "÷", "0", "="}, 1, "Division by zero error\n"},
        {{"calc", "5", "-", "+/-"}, 0, "-5\n"},
        {{"calc", "--decimal-comma", "1.5 + 1 ="}, 0, "2,5\n"},
        {{"calc", "2", "sin"}, 2, ""},
        {{"scical", "--echo", "sin(30)", "--keys", "7 --> A EXE", "A*2"}, 0, "sin(30)\t0.5\n7-->A\t7\nA*2\t14\n"},
        {{"scical", "--radians", "sin(30)"}, 0, "-0.988031624092862\n"},
        {{"scical", "--keys", "4 EXE ^ 3 EXE Ans + Ans EXE"}, 0, "4\n64\n128\n"},
        {{"scical", "1+1", "2^^"}, 1, "2\nSyntax Error. Please edit your expression.\n"},
        {{"scical", "--keys", "Inverse ln 1 EXE", "--", "-1+3"}, 0, "2.71828182845905\n2\n"},
        {{"scical", "--keys", "frobnicate"}, 2, ""},
        {{"quad", "1", "-3", "2"}, 0,
         "Solution 1: 2\nSolution 2: 1\nPrompt: Type in the coefficients of the equation.\n"},
        {{"quad", "1", "0", "1", "1", "", "x"}, 1,
         "Solution 1: \nSolution 2: \nPrompt: There are no real roots to this equation.\n"
         "Message: Please fill in all of the fields.\n"
         "Solution 1: \nSolution 2: \nPrompt: There are no real roots to this equation.\n"},
        {{"quad", "1", "2"}, 2, ""},
        {{"quad", "--bogus", "1", "2", "3"}, 2, ""},
    };
    for (const auto& c : cases) {
        const auto r = Kurvo(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << " " << c.args[1] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0] << " " << c.args[1];
        if (c.exitCode == 2) {
            EXPECT_FALSE(r.err.empty());
        }
    }
    EXPECT_NE(Kurvo({"quad", "--bogus", "1", "2", "3"}).err.find("bogus"), std::string::npos);
}

TEST(CalcCli, SolveFiles) {
    QTemporaryDir tmp;
    const QString in = tmp.filePath("in.csv"), coefficients = tmp.filePath("c.txt"),
                  answers = tmp.filePath("a.txt");
    Write(in, "2,1,5\n1,-1,1");
    auto r = Kurvo({"solve", "--save-coefficients", coefficients.toStdString(), "--save-answers",
                  answers.toStdString(), in.toStdString()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "x1 = 2\nx2 = 1\n");
    EXPECT_EQ(ReadAll(coefficients), "2,1,5\r\n1,-1,1\r\n");
    EXPECT_EQ(ReadAll(answers), "x1 = 2\r\nx2 = 1\r\n");

    Write(in, "0.1,0.1,1\r\n0.1,-0.1,0\r\n");
    r = Kurvo({"solve", in.toStdString()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "x1 = 5\nx2 = 5\nThese equations are ill-conditioned.\n");

    Write(in, "1,2,3\r\n2,4,6\r\n");
    r = Kurvo({"solve", in.toStdString()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "There are no unique solutions.\n");

    // A save or a load that fails names the file.
    r = Kurvo({"solve", "--save-answers", tmp.filePath("none/a.txt").toStdString(), in.toStdString()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("none/a.txt"), std::string::npos);
    r = Kurvo({"solve", tmp.filePath("absent.txt").toStdString()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("absent.txt"), std::string::npos);
    // A malformed file names the file, the line and what is wrong.
    const std::pair<const char*, const char*> malformed[] = {
        {"1,2,3,4\r\n1,-1,1\r\n", "in.csv: line 1: 4 values, 3 needed for 2 equations"},
        {"1,2,3\r\n1,x,1\r\n", "in.csv: line 2: value 2 'x' is not a number"},
        {"1,2,3\r\n", "in.csv: 1 line: a file holds one equation a line, from 2 to 100"},
    };
    for (const auto& [content, message] : malformed) {
        Write(in, content);
        r = Kurvo({"solve", in.toStdString()});
        EXPECT_EQ(r.exitCode, 2) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

TEST(CalcCli, SolveHundredEquationsRoundTrip) {
    // Lines far longer than 255 characters are read whole.
    QTemporaryDir tmp;
    QByteArray file;
    for (int i = 1; i <= 100; ++i) {
        QByteArray line;
        int rhs = 0;
        for (int j = 1; j <= 100; ++j) {
            const int a = i == j ? 300 : (i + 2 * j) % 7;
            rhs += a * j;
            line += QByteArray::number(a) + ",";
        }
        file += line + QByteArray::number(rhs) + "\r\n";
    }
    const QString in = tmp.filePath("big.txt"), out = tmp.filePath("out.txt");
    Write(in, file);
    const auto r = Kurvo({"solve", "--save-coefficients", out.toStdString(), in.toStdString()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(ReadAll(out), file);
    std::string expected;
    for (int k = 1; k <= 100; ++k) expected += "x" + std::to_string(k) + " = " + std::to_string(k) + "\n";
    EXPECT_EQ(r.out, expected);
}
