#pragma once
// The function library and the routines of the operator kinds. Every
// routine computes one double result from its operand cells; an undefined
// value comes out as a non-finite result (NaN or an infinity), which the
// parser reports as an evaluation error. The sentinels (COT, COSEC, LOG,
// LOG2, LOGN) are ordinary finite values.
#include <cstdint>

#include "compiler.h"
#include "run_list.h"

namespace kurvo {

// The routine of an operator kind (2..13); for kinds 0 and 1 the routine
// that only reads its first operand.
OperationRoutine KindRoutine(uint8_t kind);

// Table 1 (one argument) and table 2 (two arguments), shared by all
// parsers since they never change.
const FunctionTable& OneArgumentFunctions();
const FunctionTable& TwoArgumentFunctions();

// Step routines of the run list (run_list.h); `last` gives the variant
// that ends the run. OperatorStep covers kinds 2..13 (the second mode is
// ignored for unary kinds and integer powers). MergedStep does the
// producer (operands A and B, read from the previous step or cells) and
// then the consumer with the producer's value as its operand `side` (1 or
// 2) and its other operand in cell C; nullptr for pairs not merged.
// CallStep covers the pure functions of table 1; others run their record
// through RecordStep.
StepRoutine OperatorStep(uint8_t kind, int32_t exponent, Operand first, Operand second, bool last);
StepRoutine MergedStep(const OperationRecord& producer, Operand first, Operand second,
                       const OperationRecord& consumer, int side, bool last);
StepRoutine CallStep(OperationRoutine routine, Operand argument, bool last);
StepRoutine RecordStep();  // runs step.Record's own routine
StepRoutine LoadStep();    // the value of cell A; always last
StepRoutine EndStep();     // ends the run with the previous value

// Whether the consumer's result is a NaN or an infinity whenever its
// operand 1 or 2 is, so that an undefined operand shows in the result.
bool CarriesUndefined(const OperationRecord& consumer, int operand);

// Routines whose calls have effects besides their value (the random
// generator, host notifications, user functions).
bool HasEffects(OperationRoutine routine);

// Numeric primitives, in extended precision.
// Repeated squaring over the bits of |n|; n = 0 gives 1, n < 0 the reciprocal.
long double IntPower(long double a, int32_t n);
// b = 0: 1; a = 0, b > 0: 0; integral b in the 32-bit range: IntPower;
// otherwise exp(b ln a), so NaN for a negative base.
long double Power(long double a, long double b);
// Truncation toward zero to 32 bits; false when x is out of range.
bool Truncate32(double x, int32_t& out);

}  // namespace kurvo
