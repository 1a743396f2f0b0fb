#pragma once
// The expression compiler: turns engine-syntax text into a flat list of
// operation records whose operands point straight at value cells, so an
// evaluation is one indirect call per record and nothing else.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kurvo {

struct OperationRecord;

// Computes the record's result from its operand cells, stores it in the
// result cell and returns it (the caller checks it for finiteness).
using OperationRoutine = double (*)(const OperationRecord&);

// Operation kinds.
enum : uint8_t {
    kVariable = 0,
    kConstant = 1,
    kNegation = 2,
    kSum = 3,
    kDifference = 4,
    kProduct = 5,
    kQuotient = 6,
    kRemainder = 7,
    kIntegerQuotient = 8,
    kIntegerPower = 9,
    kGeneralPower = 10,
    kSquare = 11,
    kCube = 12,
    kFourthPower = 13,
    kCall1 = 14,
    kCall2 = 15,
};

struct OperationRecord {
    const double* Operand1 = nullptr;
    const double* Operand2 = nullptr;  // nullptr for unary kinds
    double* Result = nullptr;
    OperationRoutine Routine = nullptr;
    void* Context = nullptr;  // the owning parser (host notifications)
    int32_t Extra = 0;        // routine data from the function table (F..L index)
    uint8_t Kind = kVariable;
};

struct FunctionEntry {
    OperationRoutine Routine = nullptr;
    int32_t Extra = 0;
};

// Sorted name tables (names upper case).
using VariableTable = std::map<std::string, double*, std::less<>>;
using FunctionTable = std::map<std::string, FunctionEntry, std::less<>>;

struct RunStep;  // run_list.h

// The compiled form, owned by the parser. Records are contiguous and in
// evaluation order (deepest level first, slot order within a level); the
// last one's result is the value of the expression.
struct CompiledProgram {
    std::vector<OperationRecord> Records;
    std::unique_ptr<double[]> Cells;  // constants and result cells
    size_t CellCount = 0;
    const double* ResultCell = nullptr;
    // Cells [0, ResultCellCount) are result cells, the rest constants;
    // cell 0 is then the root's result.
    size_t ResultCellCount = 0;
    bool ConstantUndefined = false;  // a constant beyond the double range
    // What evaluation actually runs (run_list.h): the same operations with
    // constant parts computed once, reordered and partly merged, and the
    // few result cells whose undefined value could otherwise be lost.
    std::vector<RunStep> Steps;
    std::vector<const double*> Checks;

    CompiledProgram();
    ~CompiledProgram();
};

// Throws an EMathParserError (or EInvalidOp for an exponent constant out of
// the 32-bit range). Routines of kinds 2..13 are left unset (the parser
// fills them); kinds 14 and 15 carry the routine of their table entry.
std::unique_ptr<CompiledProgram> Compile(const std::string& text, const VariableTable& variables,
                                         const FunctionTable& oneArgument,
                                         const FunctionTable& twoArgument, bool dotNumberFormat);

// Reads a number the way the compiler does ("PI", "-PI", fixed notation
// with "." or, when dotNumberFormat is false, the locale separator).
bool ReadNumber(const std::string& text, bool dotNumberFormat, long double& value);

}  // namespace kurvo
