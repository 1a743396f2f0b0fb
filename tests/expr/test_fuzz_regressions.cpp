// Replays every input the fuzzer ever found troublesome: each must compile
// or fail with a compile error, and every read must give a value or an
// evaluation error, quickly.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "expr/errors.h"
#include "expr/parser.h"

namespace kurvo {
namespace {

namespace fs = std::filesystem;

TEST(FuzzRegressions, StoredInputsCompileOrFailCleanly) {
    const fs::path dir = fs::path(KURVO_SOURCE_DIR) / "tests" / "data" / "fuzz";
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    int replayed = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename().string()[0] == '.') continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // The first byte chose the fuzzer's mode; the rest is the text.
        const std::string text = data.empty() ? std::string() : data.substr(1);
        TParser p;
        try {
            p.SetExpression(text);
        } catch (const EMathParserError&) {
        } catch (const EInvalidOp&) {
        }
        for (double x : {0.0, 1.0, -1.0, 2147483648.0, -1e300}) {
            p.X = x;
            double v;
            const bool ok = p.TryValue(v);
            if (ok) EXPECT_EQ(static_cast<double>(p.Value()), v) << entry.path();
            else EXPECT_THROW(p.Value(), EEvaluationError) << entry.path();
        }
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
}  // namespace kurvo
