#include "run_list.h"

#include <unordered_map>

#include "functions.h"

namespace kurvo {

namespace {

struct Orderer {
    const std::vector<OperationRecord>& records;
    std::unordered_map<const double*, size_t> producer;  // result cell -> record
    std::vector<size_t> order;

    void Visit(size_t k) {
        const OperationRecord& r = records[k];
        for (const double* operand : {r.Operand1, r.Operand2}) {
            auto it = operand ? producer.find(operand) : producer.end();
            if (it != producer.end()) Visit(it->second);
        }
        order.push_back(k);
    }
};

}  // namespace

void BuildRunList(CompiledProgram& program) {
    program.Run.clear();
    const auto& records = program.Records;
    if (records.size() < 2) return;
    for (const auto& r : records)
        if ((r.Kind == kCall1 || r.Kind == kCall2) && HasEffects(r.Routine)) return;

    // Depth-first order from the root (the last record); the tree walk is
    // at most 21 levels deep.
    Orderer o{records, {}, {}};
    for (size_t k = 0; k < records.size(); ++k) o.producer[records[k].Result] = k;
    o.order.reserve(records.size());
    o.Visit(records.size() - 1);

    for (size_t k = 0; k < o.order.size(); ++k) {
        const OperationRecord& first = records[o.order[k]];
        if (k + 1 < o.order.size()) {
            const OperationRecord& next = records[o.order[k + 1]];
            const bool feedsFirst = next.Operand1 == first.Result;
            const bool feedsSecond = !feedsFirst && next.Operand2 == first.Result;
            if ((feedsFirst || feedsSecond) && first.Kind != kCall1 && first.Kind != kCall2) {
                if (OperationRoutine fused = FusedRoutine(first.Kind, next.Kind, feedsFirst)) {
                    OperationRecord step = first;
                    step.Routine = fused;
                    step.Operand3 = feedsFirst ? next.Operand2 : next.Operand1;
                    step.Result = next.Result;
                    step.Kind = next.Kind;
                    program.Run.push_back(step);
                    ++k;
                    continue;
                }
            }
        }
        program.Run.push_back(first);
    }
}

}  // namespace kurvo
