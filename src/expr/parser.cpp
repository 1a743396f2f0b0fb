#include "parser.h"

#include "compiler.h"
#include "functions.h"
#include "run_list.h"

namespace kurvo {

struct TCustomParser2::Tables {
    VariableTable variables;
};

TCustomParser2::TCustomParser2() : tables_(std::make_unique<Tables>()) {
    // Build the shared function tables now rather than on the first compile.
    OneArgumentFunctions();
    TwoArgumentFunctions();
}

TCustomParser2::~TCustomParser2() = default;

void TCustomParser2::AddVariable(const std::string& name, double* cell) {
    tables_->variables.emplace(name, cell);  // a duplicate keeps the first cell
}

double* TCustomParser2::VariableCell(const std::string& name) const {
    auto it = tables_->variables.find(name);
    return it == tables_->variables.end() ? nullptr : it->second;
}

void TCustomParser2::SetExpression(const std::string& text) {
    run_ = RunNothing;
    entry_ = nullptr;
    program_.reset();
    expression_ = text;
    if (text.empty()) return;
    try {
        auto program = Compile(text, tables_->variables, OneArgumentFunctions(), TwoArgumentFunctions(),
                               DotNumberFormat);
        for (auto& r : program->Records) {
            if (r.Kind != kCall1 && r.Kind != kCall2) r.Routine = KindRoutine(r.Kind);
            r.Context = this;
        }
        BuildRunList(*program);
        run_ = program->Steps.front().Routine;
        entry_ = program->Steps.data();
        program_ = std::move(program);
    } catch (const Exception& e) {
        if (!OnParserError) throw;
        OnParserError(*this, e);
    }
}

double TCustomParser2::RunNothing(const RunStep*, double) noexcept { return 0; }

void TCustomParser2::ThrowUndefined() { throw EEvaluationError(); }

TParser::TParser() {
    struct Entry {
        const char* name;
        double TParser::*cell;
    };
    static const Entry entries[] = {
        {"A", &TParser::A}, {"B", &TParser::B}, {"C", &TParser::C}, {"D", &TParser::D},
        {"E", &TParser::E}, {"M", &TParser::M}, {"N", &TParser::N}, {"O", &TParser::O},
        {"P", &TParser::P}, {"Q", &TParser::Q}, {"R", &TParser::R}, {"S", &TParser::S},
        {"T", &TParser::T}, {"U", &TParser::U}, {"V", &TParser::V}, {"W", &TParser::W},
        {"X", &TParser::X}, {"Y", &TParser::Y}, {"Z", &TParser::Z},
    };
    for (const auto& e : entries) AddVariable(e.name, &(this->*e.cell));
}

double* TParser::Var(char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter >= 'F' && letter <= 'L') return nullptr;
    return VariableCell(std::string(1, letter));
}

namespace {
uint32_t randomSeed = 0;
}

double NextRandom() {
    randomSeed = randomSeed * 134775813u + 1u;
    return randomSeed / 4294967296.0;
}

void ResetRandomSeed(uint32_t seed) { randomSeed = seed; }

bool UserFunctionSet::Call(int index, double argument, double& result) {
    if (index < 0 || index >= 7 || !parsers[index]) return false;
    if (depth_ == 0) {
        calls_ = 0;
        exhausted_ = false;
    }
    if (exhausted_ || depth_ >= MaxDepth || ++calls_ > MaxCalls) {
        exhausted_ = true;
        return false;
    }
    TParser& p = *parsers[index];
    (cartesian ? p.X : p.T) = argument;
    ++depth_;
    const bool ok = p.TryValue(result);
    --depth_;
    return ok;
}

}  // namespace kurvo
