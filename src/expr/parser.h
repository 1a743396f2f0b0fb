#pragma once
// The formula evaluator: assign engine-syntax text to Expression (which
// compiles it), set the variables, read Value as often as needed.
#include <cmath>
#include <functional>
#include <memory>
#include <cstdint>
#include <string>

#include "errors.h"

namespace kurvo {

// What the functions DIFF, INTEG, INV and the user functions F..L need
// from their owner (the graph window). Every method has a harmless default.
class ParserHost {
public:
    virtual ~ParserHost() = default;
    virtual void DerivativeCalled() {}  // DIFF: sets HasDerivativeCall
    virtual void IntegralCalled() {}    // INTEG: sets HasIntegralCall
    virtual void InverseCalled() {}     // INV: sets InverseMode
    // User function F..L (index 0..6) at `argument`. Returns false when
    // the value is undefined there.
    virtual bool CallUserFunction(int index, double argument, double& result) {
        return false;
    }
};

struct CompiledProgram;  // the flat operation list (compiler.h)
struct RunStep;          // what evaluation runs (run_list.h)

class TCustomParser2 {
public:
    TCustomParser2();
    virtual ~TCustomParser2();
    TCustomParser2(const TCustomParser2&) = delete;
    TCustomParser2& operator=(const TCustomParser2&) = delete;

    const std::string& Expression() const { return expression_; }
    // Releases the old list, stores the text, compiles it. Compile errors
    // (EMathParserError, EInvalidOp) propagate unless OnParserError is set.
    void SetExpression(const std::string& text);

    bool DotNumberFormat = true;
    std::function<void(TCustomParser2&, const Exception&)> OnParserError;

    // Evaluates once; throws EEvaluationError where the formula is
    // undefined. 0 when there is no expression.
    long double Value() {
        const double v = run_(entry_, 0.0);
        if (!std::isfinite(v)) ThrowUndefined();
        return v;
    }
    // The same without exceptions, for sampling loops: false where the
    // formula is undefined (out is then unspecified). Inline, since a read
    // of a short formula costs a few nanoseconds: one call into the
    // compiled steps, which give a NaN or an infinity where undefined.
    bool TryValue(double& out) noexcept {
        out = run_(entry_, 0.0);
        return std::isfinite(out);
    }

    void SetHost(ParserHost* host) { host_ = host; }
    ParserHost* Host() const { return host_; }

    // The variable cell registered under `name` (upper case), or nullptr.
    double* VariableCell(const std::string& name) const;

protected:
    void AddVariable(const std::string& name, double* cell);

private:
    [[noreturn]] static void ThrowUndefined();
    static double RunNothing(const RunStep*, double) noexcept;

    // The first step of the compiled program and its routine (run_list.h);
    // RunNothing when there is no program.
    double (*run_)(const RunStep*, double) = RunNothing;
    const RunStep* entry_ = nullptr;
    std::string expression_;
    ParserHost* host_ = nullptr;
    struct Tables;
    std::unique_ptr<Tables> tables_;
    std::unique_ptr<CompiledProgram> program_;
};

// The parser with its nineteen variables (F..L are the user functions).
class TParser : public TCustomParser2 {
public:
    TParser();
    double A = 0, B = 0, C = 0, D = 0, E = 0, M = 0, N = 0, O = 0, P = 0, Q = 0,
           R = 0, S = 0, T = 0, U = 0, V = 0, W = 0, X = 0, Y = 0, Z = 0;
    // Variable by letter (upper or lower case); nullptr for F..L and others.
    double* Var(char letter);
};

// The program-wide generator behind RANDOM and RND (seed 0 at start).
double NextRandom();
void ResetRandomSeed(uint32_t seed = 0);

// Standard wiring of the user functions F..L to seven parsers: the
// argument goes into X in Cartesian mode, into T otherwise. Calls that
// nest deeper than MaxDepth (a function calling itself) are undefined, and
// so is every later call of the same outermost call: f=f(x)+f(x) would
// otherwise make 2^32 calls. MaxCalls bounds the work of one outermost
// call when functions call each other many times without nesting deeply.
class UserFunctionSet {
public:
    static constexpr int MaxDepth = 32;
    static constexpr long MaxCalls = 20000;
    TParser* parsers[7] = {};
    bool cartesian = true;
    bool Call(int index, double argument, double& result);

private:
    int depth_ = 0;
    long calls_ = 0;     // calls made under the current outermost call
    bool exhausted_ = false;
};

}  // namespace kurvo
