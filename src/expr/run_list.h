#pragma once
// The evaluation list of a compiled program: a run of steps, each one
// operation (or a merged pair) with its routine chosen for where its
// operands come from, so that a read is a chain of jumps from step to step
// with the running value kept in a register.
//
// Values are exactly those of the records run one by one: every step does
// the same floating operations in the same order as its record(s), only
// the reading of operands differs.
// - Operations whose operands are all constants are computed once here,
//   when their value is finite; an undefined one stays in the run, so the
//   read still reports it.
// - The records run in depth-first order from the root (any order that
//   computes every operand before its use gives the same values), where
//   most operations directly follow the one producing their operand: that
//   operand is passed along instead of read back from its cell.
// - A producer directly followed by its consumer may be merged into one
//   step when the consumer carries a NaN or infinity in that operand into
//   its own result.
// - The undefined check looks at the root's value and only at the result
//   cells whose consumer would not carry an undefined value on (a divisor,
//   a sine's argument...): every other undefined result shows in the root.
// Programs with calls that have effects (RANDOM, RND, DIFF, INTEG, INV,
// F..L) or with a constant beyond the double range run their records as
// listed, so random draws and host calls happen exactly as compiled.
#include "compiler.h"

namespace kurvo {

// Where a step takes an operand from.
enum class Operand : uint8_t {
    Previous,  // the value the previous step produced
    Cell,      // a cell: a variable, an earlier result or a constant
    Constant,  // the constant kept in the step (K)
};

// Computes the step, stores its result and goes on with the next step,
// returning the value of the last operation.
using StepRoutine = double (*)(const RunStep* step, double previous);

struct RunStep {
    StepRoutine Routine = nullptr;
    const double* A = nullptr;                 // first operand cell (mode Cell)
    const double* B = nullptr;                 // second operand cell (mode Cell)
    const double* C = nullptr;                 // merged steps: the consumer's other operand
    double K = 0;                              // the constant operand (mode Constant)
    double* Result = nullptr;
    const OperationRecord* Record = nullptr;   // steps that run their record as is
    const CompiledProgram* Program = nullptr;  // the checks, or the plain run
    int32_t Exponent = 0;                      // integer power
};

// Fills program.Steps and Checks from the records (routines and contexts
// already set). A read is then Steps[0].Routine(&Steps[0], 0), undefined
// when the value is not finite (the last step turns an undefined checked
// cell into a NaN).
void BuildRunList(CompiledProgram& program);

}  // namespace kurvo
