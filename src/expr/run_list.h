#pragma once
// The evaluation list of a compiled program. The records run in any order
// that computes every operand before its use give the same values, so the
// list is put in depth-first order, where most operations directly follow
// the one producing their operand, and such pairs are merged into one step
// (one indirect call, the intermediate kept in a register).
//
// A pair is merged only when the consumer is a sum, difference, product,
// negation or small power: those carry a NaN or infinity in their operand
// into their own result, so the undefined check on the final cells still
// sees it. Programs with calls that have effects (RANDOM, RND, DIFF,
// INTEG, INV, F..L) keep the original order, so random draws and host
// calls happen exactly as listed.
#include "compiler.h"

namespace kurvo {

// Fills program.Run from program.Records (routines already set).
void BuildRunList(CompiledProgram& program);

}  // namespace kurvo
