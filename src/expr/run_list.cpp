#include "run_list.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "functions.h"

namespace kurvo {

CompiledProgram::CompiledProgram() = default;
CompiledProgram::~CompiledProgram() = default;

namespace {

// 1 when the exponent bits are all ones (NaN or infinity).
inline uint64_t NonFiniteBit(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return (bits << 1) >= 0xFFE0000000000000ull;
}

// The plain run: every record in order, then every result cell looked
// at. An undefined operation leaves a NaN or an infinity in its result
// cell, and each cell is written once per run.
double RecordsOn(const RunStep* s, double) {
    const CompiledProgram& program = *s->Program;
    double v = 0;
    for (const auto& r : program.Records) v = r.Routine(r);
    uint64_t worst = NonFiniteBit(v) | program.ConstantUndefined;
    const double* cell = program.Cells.get();
    for (size_t k = 0, n = program.ResultCellCount; k < n; ++k) worst |= NonFiniteBit(cell[k]);
    return worst ? std::numeric_limits<double>::quiet_NaN() : v;
}

double CheckedEndOn(const RunStep* s, double previous) {
    uint64_t worst = 0;
    for (const double* cell : s->Program->Checks) worst |= NonFiniteBit(*cell);
    return worst ? std::numeric_limits<double>::quiet_NaN() : previous;
}

class Builder {
public:
    explicit Builder(CompiledProgram& program)
        : p_(program),
          records_(program.Records),
          cells_(program.Cells.get()),
          results_(program.ResultCellCount),
          producer_(results_, -1),
          consumer_(results_, -1),
          folded_(records_.size(), 0) {
        for (size_t k = 0; k < records_.size(); ++k) {
            const OperationRecord& r = records_[k];
            if (r.Kind == kVariable) continue;  // its "result" is its operand
            producer_[ResultIndex(r.Result)] = static_cast<int>(k);
            for (const double* operand : {r.Operand1, r.Operand2}) {
                const long i = ResultIndex(operand);
                if (i >= 0) consumer_[i] = static_cast<int>(k);
            }
        }
    }

    void Build() {
        Fold();
        const int root = static_cast<int>(records_.size()) - 1;
        order_.reserve(records_.size());
        if (records_[root].Kind != kVariable && !folded_[root]) Visit(root);
        FindChecks(root);
        if (order_.empty()) {
            // A single name or number, or a constant whose value is known.
            RunStep s;
            s.Routine = LoadStep();
            s.A = records_[root].Result;
            p_.Steps.push_back(s);
            return;
        }
        p_.Steps.reserve(order_.size() + 1);
        const bool checked = !p_.Checks.empty();
        const double* previous = nullptr;
        for (size_t k = 0; k < order_.size(); ++k) {
            const OperationRecord& r = records_[order_[k]];
            const bool lastRecord = k + 1 == order_.size();
            if (!lastRecord && Merge(r, records_[order_[k + 1]], previous, !checked && k + 2 == order_.size())) {
                previous = records_[order_[++k]].Result;
                continue;
            }
            AddStep(r, previous, !checked && lastRecord);
            previous = r.Result;
        }
        if (checked) {
            RunStep end;
            end.Routine = CheckedEndOn;
            end.Program = &p_;
            p_.Steps.push_back(end);
        } else if (p_.Steps.back().Routine == RecordStep()) {
            RunStep end;  // the record step has no variant that ends
            end.Routine = EndStep();
            p_.Steps.push_back(end);
        }
    }

private:
    long ResultIndex(const double* cell) const {
        if (!cell || cell < cells_ || cell >= cells_ + results_) return -1;
        return cell - cells_;
    }
    bool IsConstantCell(const double* cell) const {
        return cell >= cells_ + results_ && cell < cells_ + p_.CellCount;
    }
    // A constant cell, or the result of an operation computed here.
    bool Known(const double* cell) const {
        if (!cell) return true;
        if (IsConstantCell(cell)) return true;
        const long i = ResultIndex(cell);
        return i >= 0 && folded_[producer_[i]];
    }

    // Records come operands first, so one pass finds every operation on
    // constants only. Running the record itself gives the very value the
    // plain run would; it stays in the run when that value is undefined.
    void Fold() {
        for (size_t k = 0; k < records_.size(); ++k) {
            const OperationRecord& r = records_[k];
            if (r.Kind == kVariable || !Known(r.Operand1) || !Known(r.Operand2)) continue;
            if (std::isfinite(r.Routine(r))) folded_[k] = 1;
        }
    }

    void Visit(int k) {
        const OperationRecord& r = records_[k];
        for (const double* operand : {r.Operand1, r.Operand2}) {
            const long i = ResultIndex(operand);
            if (i >= 0 && !folded_[producer_[i]]) Visit(producer_[i]);
        }
        order_.push_back(k);
    }

    // The result cells whose consumer would not carry an undefined value
    // on to the root.
    void FindChecks(int root) {
        for (int k : order_) {
            if (k == root) continue;
            const OperationRecord& consumer = records_[consumer_[ResultIndex(records_[k].Result)]];
            const int side = consumer.Operand1 == records_[k].Result ? 1 : 2;
            if (!CarriesUndefined(consumer, side)) p_.Checks.push_back(records_[k].Result);
        }
    }

    Operand Mode(const double* operand, const double* previous, bool constantAllowed) const {
        if (operand == previous) return Operand::Previous;
        if (constantAllowed && Known(operand)) return Operand::Constant;
        return Operand::Cell;
    }

    static bool Binary(const OperationRecord& r) { return r.Kind != kIntegerPower && r.Operand2 != nullptr; }

    void AddStep(const OperationRecord& r, const double* previous, bool last) {
        RunStep s;
        s.Result = r.Result;
        s.A = r.Operand1;
        s.B = r.Operand2;
        s.Record = &r;
        s.Exponent = r.Extra;
        if (r.Kind == kCall1) {
            s.Routine = CallStep(r.Routine, Mode(r.Operand1, previous, false), last);
        } else if (r.Kind != kCall2) {
            // One constant fits in the step; a second stays in its cell.
            const bool binary = Binary(r);
            const Operand first = Mode(r.Operand1, previous, binary);
            const Operand second = binary ? Mode(r.Operand2, previous, first != Operand::Constant) : Operand::Cell;
            if (first == Operand::Constant) s.K = *r.Operand1;
            if (second == Operand::Constant) s.K = *r.Operand2;
            s.Routine = OperatorStep(r.Kind, r.Extra, first, second, last);
        }
        if (!s.Routine) s.Routine = RecordStep();
        p_.Steps.push_back(s);
    }

    // One step for a producer and its consumer right after it, when the
    // consumer carries an undefined value of that operand into its result
    // (the producer's value is then neither stored nor checked).
    bool Merge(const OperationRecord& producer, const OperationRecord& consumer, const double* previous, bool last) {
        if (producer.Kind == kCall1 || producer.Kind == kCall2) return false;
        const int side = consumer.Operand1 == producer.Result ? 1 : consumer.Operand2 == producer.Result ? 2 : 0;
        if (side == 0 || !CarriesUndefined(consumer, side)) return false;
        const bool binary = Binary(producer);
        const Operand first = Mode(producer.Operand1, previous, false);
        const Operand second = binary ? Mode(producer.Operand2, previous, false) : Operand::Cell;
        StepRoutine routine = MergedStep(producer, first, second, consumer, side, last);
        if (!routine) return false;
        RunStep s;
        s.Routine = routine;
        s.A = producer.Operand1;
        s.B = producer.Operand2;
        s.Exponent = producer.Extra;
        s.C = side == 1 ? consumer.Operand2 : consumer.Operand1;
        s.Result = consumer.Result;
        s.Record = &consumer;
        p_.Steps.push_back(s);
        return true;
    }

    CompiledProgram& p_;
    const std::vector<OperationRecord>& records_;
    const double* cells_;
    const size_t results_;
    std::vector<int> producer_, consumer_;  // by result cell
    std::vector<char> folded_;              // by record
    std::vector<int> order_;
};

}  // namespace

void BuildRunList(CompiledProgram& program) {
    program.Steps.clear();
    program.Checks.clear();
    bool plain = program.ConstantUndefined;
    for (const auto& r : program.Records)
        plain |= (r.Kind == kCall1 || r.Kind == kCall2) && HasEffects(r.Routine);
    if (!plain) return Builder(program).Build();
    RunStep s;
    s.Routine = RecordsOn;
    s.Program = &program;
    program.Steps.push_back(s);
}

}  // namespace kurvo
