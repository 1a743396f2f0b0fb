#pragma once
// The function library and the routines of the operator kinds. Every
// routine computes one double result from its operand cells; an undefined
// value comes out as a non-finite result (NaN or an infinity), which the
// parser reports as an evaluation error. The sentinels (COT, COSEC, LOG,
// LOG2, LOGN) are ordinary finite values.
#include <cstdint>

#include "compiler.h"

namespace kurvo {

// The routine of an operator kind (2..13); for kinds 0 and 1 the routine
// that only reads its first operand.
OperationRoutine KindRoutine(uint8_t kind);

// Table 1 (one argument) and table 2 (two arguments), shared by all
// parsers since they never change.
const FunctionTable& OneArgumentFunctions();
const FunctionTable& TwoArgumentFunctions();

// One step doing a producer operation and then the consumer that uses its
// result, or nullptr when the pair is not merged. The step reads the
// producer's operands from Operand1/Operand2 (and Extra), the consumer's
// other operand from Operand3, and writes the consumer's result.
OperationRoutine FusedRoutine(uint8_t producerKind, uint8_t consumerKind, bool producerFirst);

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
