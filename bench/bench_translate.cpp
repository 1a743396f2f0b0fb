// Translation time of the formulas pupils typically type, one benchmark per
// formula (the graph window translates on every plot and every replot).
#include <benchmark/benchmark.h>

#include <string>

#include "expr/encoding.h"
#include "expr/formula_trans.h"

namespace {

const char* const kFormulas[] = {
    "2x",        "2 x",        "2X",       "2x+1",      "sin x",      "sinx",
    "sin2x+1",   "sin(x)",     "sin²x",    "sinh x",    "x³",         "x²+1",
    "|x|",       "|x-1|",      "f'(x)",    "f(x)",      "5!",         "3!+1",
    "-x^2",      "2sinx",      "2(x+1)",   "(x+1)(x-1)", "ax",        "2e3",
    "pi",        "max(x,1)",   "y=2x",     "2y=x",      "y=sin²x",    "y>=2x",
    "y²=x",      "x²+y²=4",    "x*y+y=1",  "x*y+y<1",   "2(y+1)=x",
};

void BM_Translate(benchmark::State& state, std::string text, bool degrees) {
    kurvo::TFormulaTrans trans;
    trans.Degrees = degrees;
    for (auto _ : state) {
        trans.Root = false;
        trans.Instring = text;
        trans.Translate();
        benchmark::DoNotOptimize(trans.Outstring.data());
    }
}

void RegisterAll() {
    for (const char* utf8 : kFormulas) {
        std::string text = kurvo::Utf8ToCp1252(utf8);
        benchmark::RegisterBenchmark(("Translate/" + std::string(utf8)).c_str(), BM_Translate,
                                     text, false);
    }
    benchmark::RegisterBenchmark("TranslateDegrees/sin x", BM_Translate, std::string("sin x"), true);
}

}  // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
