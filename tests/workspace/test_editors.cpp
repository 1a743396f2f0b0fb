// The editors' logic as the dialogs and `kurvo32 setup` use it: what lands
// in the settings, the parsers and the files, checked against bytes built
// here.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "expr/real_format.h"
#include "plot/fake_graph_host.h"
#include "plot/graph_window.h"
#include "support/test_support.h"
#include "workspace/constants_editor.h"
#include "workspace/preset_lists.h"
#include "workspace/user_functions.h"

namespace kurvo {
namespace {

using test::cp1252;

class EditorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        SetDecimalSeparator('.');
        folder_ = dir_.path() + "/";
    }
    QString Path(const char* name) const { return folder_ + name; }
    QByteArray Read(const char* name) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void Write(const char* name, const QByteArray& bytes) const {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    long double Evaluate(const std::string& typed) {
        graph_.Trans.Instring = typed;
        graph_.Trans.Translate();
        graph_.Parser(1).SetExpression(graph_.Trans.Outstring);
        return graph_.Parser(1).Value();
    }

    QTemporaryDir dir_;
    QString folder_;
    test::FakeHost host_;
    TGraphWindow graph_{host_};
};

TEST_F(EditorsTest, ConstantFieldsAreNormalisedEvaluatedAndSaved) {
    struct Case {
        char name;
        const char* text;
        const char* field;  // the field after OK
        const char* value;
    };
    const Case cases[] = {
        {'a', "0", "0", "0"},       {'b', "", "0", "0"},         {'c', "0", "1", "1"},
        {'d', "", "1", "1"},        {'m', "p/4", "p/4", "0.7853981635"},
        {'z', "2p", "2p", "6.283185308"}, {'n', "00", "00", "0"},  // only exactly "0" is replaced
    };
    ConstantFields fields = ConstantFieldTexts(graph_.Settings);
    EXPECT_EQ(fields[kConstantE], "2.718281828");
    EXPECT_EQ(fields[kConstantP], "3.141592654");
    auto index = [](char name) { return static_cast<size_t>(std::string(kConstantLetters).find(name)); };
    for (const Case& c : cases) fields[index(c.name)] = c.text;
    ASSERT_EQ(ApplyConstantFields(graph_, fields, folder_), "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fields[index(c.name)], c.field);
        EXPECT_EQ(FormatReal(graph_.Settings.Constants[index(c.name)]), c.value);
        EXPECT_EQ(FormatReal(*graph_.Parser(2).Var(c.name)), c.value);  // every parser has them
    }
    const QByteArray saved = Read("sett.dat");
    ASSERT_EQ(saved.size(), 1528);
    EXPECT_EQ(FormatReal(Deserialize(reinterpret_cast<const uint8_t*>(saved.data())).Constants[index('m')]),
              "0.7853981635");
}

TEST_F(EditorsTest, FailedConstantsOkLeavesSettingsFileAlone) {
    const QByteArray old(1600, '\x55');
    Write("sett.dat", old);
    ConstantFields fields = ConstantFieldTexts(graph_.Settings);
    fields[0] = "2";     // a, before the failing field
    fields[3] = "pi/4";  // d: "pi" reads as p times i(), which does not compile
    fields[5] = "7";     // m, after it
    EXPECT_NE(ApplyConstantFields(graph_, fields, folder_), "");
    EXPECT_EQ(FormatReal(graph_.Settings.Constants[0]), "2");
    EXPECT_EQ(FormatReal(graph_.Settings.Constants[5]), "0");
    EXPECT_EQ(Read("sett.dat"), old);

    fields[3] = "1";
    std::string error;
    test::WithFileSizeLimit(100, [&] { error = ApplyConstantFields(graph_, fields, folder_); });
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_EQ(Read("sett.dat"), old);
}

TEST_F(EditorsTest, UserFunctionsGoToTheModesFilesWhole) {
    UserFunctionFields fields = {cp1252("x²"), "", "2x", "", "", "", ""};
    UserFunctionFields translated;
    ASSERT_EQ(SaveUserFunctions(graph_, folder_, fields, &translated), "");
    EXPECT_EQ(Read("Cartfun.txt"), "x\xB2\r\n\r\n" "2x\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(Read("Cartfun_int.txt"), "(x^2)\r\n()\r\n(2*x)\r\n()\r\n()\r\n()\r\n()\r\n");
    EXPECT_EQ(translated[1], "()");
    EXPECT_EQ(FormatReal(Evaluate("f(3)+g(5)+h(1)")), "12");  // 9 + 1 + 2

    UserFunctionFields read;
    ASSERT_TRUE(ReadUserFunctionSources(folder_, true, read).ok());
    EXPECT_EQ(read, fields);

    // A function that does not compile: nothing written, parsers unchanged.
    fields[4] = "x+(";
    EXPECT_EQ(SaveUserFunctions(graph_, folder_, fields), "Missing brackets in expression");
    EXPECT_EQ(Read("Cartfun.txt"), "x\xB2\r\n\r\n" "2x\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(FormatReal(Evaluate("f(3)")), "9");

    // Polar mode has its own pair of files.
    graph_.Settings.CartesianMode = false;
    EXPECT_EQ(ReadUserFunctionSources(folder_, false, fields).message,
              "File not found\n\n" + Path("Polarfun.txt").toStdString());
    EXPECT_EQ(fields[4], "x+(") << "a missing file keeps the fields";
    ASSERT_EQ(SaveUserFunctions(graph_, folder_, {"2t"}), "");
    EXPECT_EQ(Read("Polarfun.txt"), "2t\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(Read("Polarfun_int.txt"), "(2*t)\r\n()\r\n()\r\n()\r\n()\r\n()\r\n()\r\n");
    EXPECT_EQ(Read("Cartfun.txt"), "x\xB2\r\n\r\n" "2x\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(EditorsTest, PresetListsAreLoadedReplacedAndExtended) {
    const GraphMode parametric{true, false, true};
    std::vector<std::string> lines;
    EXPECT_EQ(LoadPresetList(folder_, parametric, lines), "Cannot open file " + Path("Cartpara.txt").toStdString());
    EXPECT_EQ(AppendPresetLine(folder_, parametric, "t,t"), "File not found\n\n" + Path("Cartpara.txt").toStdString());
    EXPECT_FALSE(QFile::exists(Path("Cartpara.txt")));

    // A last line without its line end is not glued to the new formula.
    Write("Cartpara.txt", "cos t,sin t");
    ASSERT_EQ(AppendPresetLine(folder_, parametric, cp1252("t,t²")), "");
    EXPECT_EQ(Read("Cartpara.txt"), "cos t,sin t\r\nt,t\xB2\r\n");
    ASSERT_EQ(AppendPresetLine(folder_, parametric, "t,2t"), "");
    EXPECT_EQ(Read("Cartpara.txt"), "cos t,sin t\r\nt,t\xB2\r\nt,2t\r\n");
    ASSERT_EQ(LoadPresetList(folder_, parametric, lines), "");
    EXPECT_EQ(lines, (std::vector<std::string>{"cos t,sin t", cp1252("t,t²"), "t,2t"}));
    EXPECT_FALSE(QFile::exists(Path("Cart.txt")));

    ASSERT_EQ(SavePresetList(folder_, {false, true, false}, {"x^2+y^2=9", ""}), "");
    EXPECT_EQ(Read("Implic.txt"), "x^2+y^2=9\r\n\r\n");
}

}  // namespace
}  // namespace kurvo
