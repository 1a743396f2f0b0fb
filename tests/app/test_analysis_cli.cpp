// kurvo32 stats, fit and transform, run as a program: what they print,
// their exit status and the picture of transform.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace kurvo {
namespace {

struct Case {
    std::vector<std::string> args;  // files named a.csv, b.tsv, ... are made in the folder
    int exit;
    std::string out;  // standard output, exactly
    std::string err = {};  // a text standard error contains
};

struct AnalysisCli : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override {
        // Data files as "&Open" reads them: CR LF, a header line.
        Write("a.csv", "x,y\r\n1,2\r\n2,4\r\n");
        Write("b.tsv", "x\ty\r\n3\t6\r\n");
        Write("tiny.csv", "x,y\r\n-1.2345678e-300,1\r\n-1.2345678e-300,1\r\n");
        Write("header.csv", "x,y\r\n");
        Write("quad.txt", "x,y\r\n0,1\r\n1,0\r\n2,1\n3,4\r\n");
        Write("eight.csv", "x,y\r\n1,1\r\n2,4\r\n3,9\r\n4,16\r\n5,25\r\n6,36\r\n7,49\r\n8,64\r\n");
        Write("samex.csv", "x,y\r\n2,1\r\n2,5\r\n2,3\r\n");
        Write("point.csv", "x,y\r\n2,3\r\n");
        Write("second.csv", "x,y\r\n7,8\r\n");
        Write("bad.csv", "x,y\r\nfour,1\r\n");
    }
    void Write(const char* name, const char* bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::string Path(const std::string& name) const { return dir.filePath(QString::fromStdString(name)).toStdString(); }
    void Check(const std::vector<Case>& cases) {
        for (const Case& c : cases) {
            std::vector<std::string> args;
            for (const std::string& a : c.args)
                args.push_back(a.find('/') == std::string::npos && QFileInfo(dir.filePath(QString::fromStdString(a))).isFile()
                                   ? Path(a)
                                   : a);
            const auto r = test::RunProgram(KURVO32_BIN, args, {"LC_ALL=C", "HOME=" + dir.path().toStdString()});
            std::string name;
            for (const std::string& a : c.args) name += a + " ";
            EXPECT_EQ(r.exitCode, c.exit) << name << r.err;
            EXPECT_EQ(r.out, c.out) << name;
            EXPECT_NE(r.err.find(c.err), std::string::npos) << name << r.err;
        }
    }
};

std::string Boxes(const std::vector<std::string>& texts) {
    const char* labels[] = {"Number of Points", "Sum (x):", "Sum (x\xC2\xB2)", "Mean (x):", "Popul S.D. (x):",
                            "Sample S.D. (x):", "Sum (y):", "Sum (y\xC2\xB2):", "Mean (y):", "Popul S.D. (y):",
                            "Sample S.D. (y):", "Mean of Differences (x,y):", "S.D. of Differences (x,y):",
                            "Correlation Coefficient   r="};
    std::string out;
    for (size_t i = 0; i < 14; ++i) out += std::string(labels[i]) + "\t" + texts[i] + "\n";
    return out;
}

TEST_F(AnalysisCli, StatsPrintsTheBoxes) {
    const std::vector<std::string> zeros(14, "0");
    Check({
        // Two files pooled, as the dialog pools the list.
        {{"stats", "a.csv", "b.tsv"}, 0,
         Boxes({"3", "6", "14", "2", "0.81649658", "1", "12", "56", "4", "1.6329932", "2", "-2", "1", "1"})},
        {{"stats", "--digits", "3", "a.csv", "b.tsv"}, 0,
         Boxes({"3", "6", "14", "2", "0.816", "1", "12", "56", "4", "1.63", "2", "-2", "1", "1"})},
        // 15 characters do not fit in a box; --digits never cuts.
        {{"stats", "tiny.csv"}, 0,
         Boxes({"2", "*********", "0", "*********", "0", "0", "2", "2", "1", "0", "0", "-1", "0", "0"})},
        {{"stats", "--digits", "8", "tiny.csv"}, 0,
         Boxes({"2", "-2.4691356E-300", "0", "-1.2345678E-300", "0", "0", "2", "2", "1", "0", "0", "-1", "0", "0"})},
        // A file of only a header holds an empty line, which cannot be
        // drawn: the file is refused with the message, as one that is missing.
        {{"stats", "header.csv"}, 2, "", "Kurvo32 cannot load this file."},
        {{"stats", "--digits", "18", "a.csv"}, 2, ""},
        {{"stats", "--digts", "3", "a.csv"}, 2, "", "--digts"},
        {{"stats"}, 2, ""},
        {{"stats", "missing.csv"}, 2, ""},
    });
}

TEST_F(AnalysisCli, FitPrintsBothEquations) {
    Check({
        {{"fit", "quad.txt"}, 0,
         "Linear:\t1x+0\nPolynomial:\t1+-2x+1x^2\nFit Quality:\t1.00\nLinear R2:\t0.555555555555556\n"
         "Polynomial R2:\t1\n"},
        {{"fit", "--linear", "--degree", "4", "quad.txt"}, 0,
         "Linear:\t1x+0\nPolynomial:\t\nFit Quality:\t0.56\nLinear R2:\t0.555555555555556\nPolynomial R2:\t\n"},
        // Degree 8 needs nine points: the box stays empty, and so does
        // the quality of the chosen polynomial.
        {{"fit", "--degree", "8", "eight.csv"}, 0,
         "Linear:\t9x+-15\nPolynomial:\t\nFit Quality:\t\nLinear R2:\t0.952941176470588\nPolynomial R2:\t\n"},
        // Every x equal: no line y = mx + c.
        {{"fit", "--linear", "samex.csv"}, 0, "Linear:\t\nPolynomial:\t\nFit Quality:\t\nLinear R2:\t\nPolynomial R2:\t\n"},
        {{"fit", "--degree", "1", "quad.txt"}, 2, ""},
        {{"fit", "--degree", "9", "quad.txt"}, 2, ""},
    });
}

TEST_F(AnalysisCli, TransformAppliesToTheFirstSet) {
    Check({
        {{"transform", "--enlarge", "1,1", "2", "point.csv", "second.csv"}, 0, "3,5\n#\n7,8\n#\nImages: 3\n"},
        // Continuous until Stop after the third application.
        {{"transform", "--translate", "1", "-2", "--times", "3", "point.csv"}, 0, "5,-3\n#\nImages: 4\n"},
        // Without "x" the line is y = 3; a lone sign is -1.
        {{"transform", "--reflect-line", "3", "point.csv"}, 0, "2,3\n#\nImages: 2\n"},
        {{"transform", "--reflect-line", "-x+5", "point.csv"}, 0, "2,3\n#\nImages: 2\n"},
        {{"transform", "--reflect-x", "-3", "point.csv"}, 0, "-8,3\n#\nImages: 2\n"},
        {{"transform", "--matrix", "0", "-1", "1", "0", "point.csv"}, 0, "-3,2\n#\nImages: 2\n"},
        {{"transform", "--matrix", "2*a", "0", "0", "1", "--set", "Constants[0]=3", "point.csv"}, 0,
         "12,3\n#\nImages: 2\n"},
        // Messages: nothing moves, no image is counted.
        {{"transform", "--rotate", "0,0", "90", "--auto-y", "point.csv"}, 1, "2,3\n#\nImages: 1\n",
         "Transformations will only work will the auto_scaling button switched off."},
        {{"transform", "--reflect-line", "", "point.csv"}, 1, "2,3\n#\nImages: 1\n",
         "Please fill in all the required fields."},
        {{"transform", "--rotate", "a,0", "90", "point.csv"}, 1, "2,3\n#\nImages: 1\n", "'a'"},
        // The file is taken for the angle.
        {{"transform", "--rotate", "0,0", "point.csv"}, 2, "", "no data set file given"},
        {{"transform", "point.csv", "--rotate", "0,0"}, 2, "", "--rotate needs CENTRE ANGLE"},
        {{"transform", "--rotate", "0,0", "90", "--translate", "0", "0", "point.csv"}, 2, ""},
        {{"transform", "point.csv"}, 2, ""},
        {{"transform", "--translate", "0", "0", "--picture", "x.gif", "point.csv"}, 2, ""},
        {{"transform", "--translate", "0", "0", "--times", "0", "point.csv"}, 2, ""},
    });
}

TEST_F(AnalysisCli, WorkspaceFilesBringTheirDataSets) {
    const auto saved = test::RunProgram(KURVO32_BIN, {"render", "--open", Path("a.csv"), "--open", Path("b.tsv"),
                                                      "--save-workspace", Path("w.kvo")});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    Write("old.kvo", "not a workspace\r\n");
    Check({
        {{"stats", "--digits", "2", "w.kvo"}, 0,
         Boxes({"3", "6", "14", "2", "0.82", "1", "12", "56", "4", "1.6", "2", "-2", "1", "1"})},
        // The workspace replaces the set read before it and keeps its count.
        {{"transform", "--translate", "1", "1", "point.csv", "w.kvo"}, 0, "2,3\n3,5\n#\n3,6\n#\nImages: 3\n"},
        {{"fit", "old.kvo"}, 2, "", "cannot be read"},
    });
}

TEST_F(AnalysisCli, TransformWritesThePictureWithTheMirrorLine) {
    const std::string out = dir.path().toStdString() + "/t.png";
    Check({{{"transform", "--reflect-x", "0", "--size", "200x100", "--view", "-5,5,-5,5", "--picture", out,
             "point.csv"},
            0,
            "-2,3\n#\nImages: 2\n"}});
    QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(200, 100));
    // The dotted red mirror line on the y axis's column.
    int red = 0;
    for (int row = 0; row < 100; ++row) red += image.pixelColor(100, row) == QColor(255, 0, 0);
    EXPECT_GT(red, 20);
}

}  // namespace
}  // namespace kurvo
