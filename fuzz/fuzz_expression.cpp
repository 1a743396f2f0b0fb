// libFuzzer target: any text assigned to Expression either compiles or
// raises a compile error, and every Value read on the result either gives
// a number or reports an undefined value; nothing else may happen.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "expr/errors.h"
#include "expr/parser.h"

namespace {

// User functions that call back into the parsers, so recursion through
// F..L is exercised as well.
struct FuzzHost : kurvo::ParserHost {
    kurvo::UserFunctionSet* set = nullptr;
    bool CallUserFunction(int index, double argument, double& result) override {
        return set->Call(index, argument, result);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static kurvo::TParser bodies[7];
    static kurvo::UserFunctionSet set;
    static FuzzHost host;
    static bool wired = false;
    if (!wired) {
        host.set = &set;
        for (int k = 0; k < 7; ++k) {
            set.parsers[k] = &bodies[k];
            bodies[k].SetHost(&host);
        }
        bodies[0].SetExpression("X^2+1");
        bodies[1].SetExpression("G(X)");  // calls itself
        bodies[2].SetExpression("F(X)*SIN(T)");
        wired = true;
    }
    // First byte: which body the text goes to (so bodies may call each
    // other) and the mode; the rest is the text.
    if (size == 0) return 0;
    const uint8_t control = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    set.cartesian = (control & 0x80) == 0;
    kurvo::TParser local;
    local.SetHost(&host);
    kurvo::TParser& p = (control & 0x40) ? bodies[3 + (control & 3)] : local;
    try {
        p.SetExpression(text);
    } catch (const kurvo::EMathParserError&) {
    } catch (const kurvo::EInvalidOp&) {
    }
    static const double samples[] = {0, 1, -1, 0.5, -2.5, 3, 1e-9, -1e300, 2147483648.0, 7.25};
    for (int k = 0; k < 10; ++k) {
        p.X = samples[k];
        p.Y = samples[(k + 3) % 10];
        p.T = samples[(k + 7) % 10];
        p.A = samples[(k + 1) % 10];
        double v;
        p.TryValue(v);
        try {
            (void)p.Value();
        } catch (const kurvo::EEvaluationError&) {
        }
    }
    return 0;
}
