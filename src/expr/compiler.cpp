#include "compiler.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "errors.h"
#include "real_format.h"

namespace kurvo {

bool NumberGrammar(std::string_view text, char separator);

namespace {

constexpr int kMaxLevel = 20;
constexpr int kMaxSlots = 50;
// Bound on the nesting of the form search itself, so that absurdly long
// operator chains cannot exhaust the stack. Any text that deep needs far
// more than the 20 levels the walk allows.
constexpr int kMaxSearchDepth = 1000;

// Term forms, as bits so that "one of these forms" is a mask.
enum : uint32_t {
    fNum = 1u << 0,
    fName = 1u << 1,
    fNeg = 1u << 2,
    fSum = 1u << 3,
    fDiff = 1u << 4,
    fProd = 1u << 5,
    fIDiv = 1u << 6,
    fMod = 1u << 7,
    fQuot = 1u << 8,
    fPow = 1u << 9,
    fCall2 = 1u << 10,
    fCall1 = 1u << 11,
    fBrack = 1u << 12,
};
constexpr uint32_t kAllForms = (1u << 13) - 1;
constexpr uint32_t kPlain = fNum | fName | fBrack;
constexpr uint32_t kCalls = fCall1 | fCall2;
constexpr uint32_t kSumLeft = kPlain | fNeg | fDiff | fProd | fIDiv | fMod | fQuot | fPow | kCalls;
constexpr uint32_t kSumRight = kPlain | fSum | fDiff | fProd | fIDiv | fMod | fQuot | fPow | kCalls;
constexpr uint32_t kDiffRight = kPlain | fProd | fIDiv | fMod | fQuot | fPow | kCalls;
constexpr uint32_t kProdLeft = kPlain | fNeg | fIDiv | fMod | fQuot | fPow | kCalls;
constexpr uint32_t kQuotRight = kPlain | fPow | kCalls;
constexpr uint32_t kPowOperand = kPlain | kCalls;
constexpr uint32_t kNegRest = fBrack | fName | fPow | kCalls;

// Operator symbols; indexes into the occurrence lists.
enum Op { opPlus, opMinus, opTimes, opSlash, opCaret, opDiv, opMod, opComma, opCount };

struct BinaryForm {
    uint32_t form;
    Op op;
    int width;  // 1, or 3 for the keywords
    uint32_t left, right;
    uint8_t kind;
};

// In the order the forms are tried.
constexpr BinaryForm kBinaryForms[] = {
    {fSum, opPlus, 1, kSumLeft, kSumRight, kSum},
    {fDiff, opMinus, 1, kSumLeft, kDiffRight, kDifference},
    {fProd, opTimes, 1, kProdLeft, kDiffRight, kProduct},
    {fIDiv, opDiv, 3, kProdLeft, kQuotRight, kIntegerQuotient},
    {fMod, opMod, 3, kProdLeft, kQuotRight, kRemainder},
    {fQuot, opSlash, 1, kProdLeft, kQuotRight, kQuotient},
    {fPow, opCaret, 1, kPowOperand, kPowOperand, kGeneralPower},
};

// kBinaryForms index by form bit (-1: not a binary form); the search asks
// for a form's operator very often.
constexpr auto kFormIndex = [] {
    std::array<int8_t, 13> index{};
    index.fill(-1);
    for (size_t k = 0; k < std::size(kBinaryForms); ++k)
        index[std::countr_zero(kBinaryForms[k].form)] = static_cast<int8_t>(k);
    return index;
}();

const BinaryForm& FormOf(uint32_t form) {
    const int index = kFormIndex[std::countr_zero(form) % 13];
    if (index < 0) throw EParserInternalError();
    return kBinaryForms[index];
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Every character a number text can hold besides the decimal separator.
bool IsNumberChar(char c) { return IsDigit(c) || c == '.' || c == 'E' || c == '+' || c == '-'; }

// Open-addressing map from a substring key to its form bits (low half:
// forms decided, high half: forms that hold).
class FlatMemo {
public:
    // Sized for the text, so that it seldom grows.
    explicit FlatMemo(size_t textLength) { Resize(std::bit_ceil(std::max<size_t>(64, 8 * textLength))); }
    uint32_t& Find(uint64_t key) {
        const uint64_t stored = key + 1;  // 0 marks an empty slot
        size_t k = Hash(stored) & mask_;
        while (keys_[k] != 0) {
            if (keys_[k] == stored) return values_[k];
            k = (k + 1) & mask_;
        }
        if (2 * (count_ + 1) > keys_.size()) {
            Grow();
            return Find(key);
        }
        ++count_;
        keys_[k] = stored;
        return values_[k];
    }

private:
    static size_t Hash(uint64_t x) {
        x ^= x >> 29;
        x *= 0xBF58476D1CE4E5B9ull;
        return static_cast<size_t>(x ^ (x >> 32));
    }
    void Resize(size_t size) {
        keys_.assign(size, 0);
        values_.assign(size, 0);
        mask_ = size - 1;
        count_ = 0;
    }
    void Grow() {
        std::vector<uint64_t> keys = std::move(keys_);
        std::vector<uint32_t> values = std::move(values_);
        Resize(keys.size() * 2);
        for (size_t k = 0; k < keys.size(); ++k) {
            if (keys[k] == 0) continue;
            size_t j = Hash(keys[k]) & mask_;
            while (keys_[j] != 0) j = (j + 1) & mask_;
            keys_[j] = keys[k];
            values_[j] = values[k];
            ++count_;
        }
    }
    std::vector<uint64_t> keys_;
    std::vector<uint32_t> values_;
    size_t mask_ = 0, count_ = 0;
};

// The memo of one compilation. Ordinary texts index a table directly by
// (start, length); the table is kept between compilations on the thread and
// a stamp tells this compilation's entries from older ones, so nothing is
// cleared. Very long texts, or a compilation inside another, use hashing.
class FormMemo {
public:
    explicit FormMemo(size_t textLength) {
        const size_t width = textLength + 1;
        Direct& d = Shared();
        if (width * width > kDirectLimit || d.inUse) {
            flat_.emplace(textLength);
            return;
        }
        d.inUse = true;
        if (d.values.size() < width * width) {
            d.values.resize(width * width);
            d.stamps.resize(width * width, 0);
        }
        if (++d.stamp == 0) {  // wrapped: forget every old entry once
            std::fill(d.stamps.begin(), d.stamps.end(), 0);
            d.stamp = 1;
        }
        direct_ = &d;
    }
    ~FormMemo() {
        if (direct_) direct_->inUse = false;
    }
    FormMemo(const FormMemo&) = delete;
    FormMemo& operator=(const FormMemo&) = delete;

    uint32_t& Find(uint64_t key) {
        if (!direct_) return flat_->Find(key);
        if (direct_->stamps[key] != direct_->stamp) {
            direct_->stamps[key] = direct_->stamp;
            direct_->values[key] = 0;
        }
        return direct_->values[key];
    }

private:
    static constexpr size_t kDirectLimit = 257 * 257;
    struct Direct {
        std::vector<uint32_t> values, stamps;
        uint32_t stamp = 0;
        bool inUse = false;
    };
    static Direct& Shared() {
        thread_local Direct direct;
        return direct;
    }
    Direct* direct_ = nullptr;
    std::optional<FlatMemo> flat_;
};

// Where the search stands on one text: operator positions by bracket depth,
// and the validity of every (substring, form) pair asked so far. All term
// texts are substrings of the prepared text, so (start, length) names them.
class FormSearch {
public:
    FormSearch(const std::string& s, const VariableTable& vars, const FunctionTable& one,
               const FunctionTable& two, bool dot)
        : s_(s), n_(static_cast<int>(s.size())), vars_(vars), one_(one), two_(two), dot_(dot),
          memo_(s.size()) {
        sep_ = dot ? '.' : DecimalSeparator();
        depth_.assign(n_ + 1, 0);
        for (int k = 0; k < n_; ++k)
            depth_[k + 1] = depth_[k] + (s[k] == '(') - (s[k] == ')');
        minDepth_ = *std::min_element(depth_.begin(), depth_.end());
        const int maxDepth = *std::max_element(depth_.begin(), depth_.end());
        // next_[op][k]: the first occurrence of op at or after k at k's
        // bracket depth (n_ when none), filled from the right.
        const int levels = maxDepth - minDepth_ + 1;
        std::vector<int> nearest(static_cast<size_t>(opCount) * levels, n_);
        next_.assign(static_cast<size_t>(opCount) * (n_ + 1), n_);
        for (int k = n_ - 1; k >= 0; --k) {
            int op = -1;
            switch (s[k]) {
                case '+': op = opPlus; break;
                case '-': op = opMinus; break;
                case '*': op = opTimes; break;
                case '/': op = opSlash; break;
                case '^': op = opCaret; break;
                case ',': op = opComma; break;
                case 'D': if (s.compare(k, 3, "DIV") == 0) op = opDiv; break;
                case 'M': if (s.compare(k, 3, "MOD") == 0) op = opMod; break;
                default: break;
            }
            const int level = depth_[k] - minDepth_;
            if (op >= 0) nearest[op * levels + level] = k;
            for (int o = 0; o < opCount; ++o) next_[o * (n_ + 1) + k] = nearest[o * levels + level];
        }
        nextOpen_.assign(n_ + 1, n_);
        nonNumber_.assign(n_ + 1, 0);
        for (int k = n_ - 1; k >= 0; --k) nextOpen_[k] = s[k] == '(' ? k : nextOpen_[k + 1];
        for (int k = 0; k < n_; ++k)
            nonNumber_[k + 1] = nonNumber_[k] + !(IsNumberChar(s[k]) || s[k] == sep_);
        BuildMinTable();
        for (const auto& v : vars_) {
            maxNameLength_ = std::max(maxNameLength_, v.first.size());
            if (v.first.size() == 1) letterCell_[static_cast<unsigned char>(v.first[0])] = v.second;
        }
        for (const auto& v : one_) maxFunctionLength_ = std::max(maxFunctionLength_, v.first.size());
        for (const auto& v : two_) maxFunctionLength_ = std::max(maxFunctionLength_, v.first.size());
    }

    std::string Text(int i, int len) const { return s_.substr(i, len); }
    std::string_view View(int i, int len) const { return std::string_view(s_).substr(i, len); }
    char At(int k) const { return s_[k]; }

    // Both bracket counts equal and never more ")" than "(" from the left.
    // Every valid text is well nested (each form keeps this), so any other
    // text can be refused at once.
    bool WellNested(int i, int len) const {
        if (len == 0) return true;
        if (depth_[i] != depth_[i + len]) return false;
        return RangeMin(i, i + len) >= depth_[i];
    }

    // "(" inside ")" with a well-nested inside: such a text can only be the
    // bracketed form, and is valid exactly when its inside is.
    bool Wrapped(int i, int len) const {
        return len >= 2 && s_[i] == '(' && s_[i + len - 1] == ')' && WellNested(i + 1, len - 2);
    }

    bool Valid(int i, int len) {
        while (Wrapped(i, len)) ++i, len -= 2;
        return IsAny(i, len, kAllForms & ~fBrack);
    }

    bool IsAny(int i, int len, uint32_t mask) {
        if (len <= 0 || !WellNested(i, len)) return false;
        if (Wrapped(i, len)) return (mask & fBrack) && Valid(i + 1, len - 2);
        if ((mask & fNum) && IsNumber(i, len, nullptr)) return true;
        if ((mask & fName) && NameCell(i, len)) return true;
        // One look at what is known of this text: a form known to hold
        // answers at once, forms known to fail are not tried again.
        const uint32_t known = memo_.Find(Key(i, len));
        if ((known >> 16) & mask) return true;
        // Cheap forms first; the result does not depend on the order.
        static constexpr uint32_t order[] = {fCall1, fCall2, fNeg, fPow, fQuot,
                                             fMod, fIDiv, fProd, fDiff, fSum};
        const uint32_t todo = mask & ~known & Startable(i, len);
        if (!todo) return false;
        for (uint32_t f : order)
            if ((todo & f) && Search(i, len, f)) return true;
        return false;
    }

    // Whether the text (already known to be well nested, not wrapped) is
    // a negation. Memoised.
    bool IsNegation(int i, int len) { return s_[i] == '-' && len >= 2 && Search(i, len, fNeg); }

    bool IsNumber(int i, int len, long double* value) const {
        if (len <= 0) return false;
        if (nonNumber_[i + len] - nonNumber_[i] != 0) {
            std::string_view t = View(i, len);
            if (t != "PI" && t != "-PI") return false;
        }
        if (!value) return NumberGrammar(View(i, len), dot_ ? '.' : sep_);
        return ReadNumber(Text(i, len), dot_, *value);
    }

    double* NameCell(int i, int len) const {
        if (static_cast<size_t>(len) > maxNameLength_) return nullptr;
        if (len == 1) return letterCell_[static_cast<unsigned char>(s_[i])];  // the usual names
        auto it = vars_.find(View(i, len));
        return it == vars_.end() ? nullptr : it->second;
    }

    // Position of the first "(" when the text is NAME(...) with NAME in the
    // table; -1 otherwise.
    int CallBracket(int i, int len, const FunctionTable& table) const {
        const int q = nextOpen_[i];
        if (q <= i || q >= i + len - 1 || s_[i + len - 1] != ')') return -1;
        if (static_cast<size_t>(q - i) > maxFunctionLength_) return -1;
        return table.count(View(i, q - i)) ? q : -1;
    }

    const FunctionEntry* Function(int i, int q, const FunctionTable& table) const {
        auto it = table.find(View(i, q - i));
        return it == table.end() ? nullptr : &it->second;
    }

    // First comma of NAME(a,b) whose sides are both valid; -1 when none.
    int CommaSplit(int i, int len, int q) {
        const int a = q + 1, b = i + len - 1;  // inside is [a, b)
        if (a >= b || s_[a] == ',') return -1;
        for (int p : Candidates(opComma, a, a + 1, b - 2))
            if (Valid(a, p - a) && Valid(p + 1, b - p - 1)) return p;
        return -1;
    }

    // Whether the form's operator occurs where a split could be.
    bool MaySplit(int i, int len, const BinaryForm& f) const {
        int first, last;
        if (!SplitRange(i, len, f, first, last)) return false;
        return !Candidates(f.op, i, first, last).empty();
    }

    bool SplitRange(int i, int len, const BinaryForm& f, int& first, int& last) const {
        const int e = i + len;
        first = i + 1;
        if (f.width == 1) {
            // An operator at the first character ends the search; one at the
            // last character is never a split.
            if (s_[i] == SymbolOf(f.op)) return false;
            last = e - 2;
        } else {
            last = e - f.width - 1;
        }
        return first <= last;
    }

    // First occurrence of the form's operator whose sides are acceptable
    // operands; -1 when none.
    int Split(int i, int len, const BinaryForm& f) {
        const int e = i + len;
        int first, last;
        if (!SplitRange(i, len, f, first, last)) return -1;
        for (int p : Candidates(f.op, i, first, last)) {
            if (IsAny(i, p - i, f.left) && IsAny(p + f.width, e - p - f.width, f.right)) return p;
        }
        return -1;
    }

    static char SymbolOf(Op op) {
        static constexpr char symbols[] = {'+', '-', '*', '/', '^', 'D', 'M', ','};
        return symbols[op];
    }

    // Occurrences of op in [first, last] at the bracket depth of position
    // `base`: the only ones whose two sides can be balanced. An operator is
    // no bracket, so the next one after p is found from p + 1.
    class Range {
    public:
        struct Iterator {
            const int* next;
            int p;
            int operator*() const { return p; }
            Iterator& operator++() {
                p = next[p + 1];
                return *this;
            }
            bool operator!=(int last) const { return p <= last; }
        };
        Range(const int* next, int p, int last) : next_(next), p_(p), last_(last) {}
        Iterator begin() const { return {next_, p_}; }
        int end() const { return last_; }
        bool empty() const { return p_ > last_; }

    private:
        const int* next_;
        int p_, last_;
    };
    Range Candidates(Op op, int base, int first, int last) const {
        const int* next = next_.data() + static_cast<size_t>(op) * (n_ + 1);
        int p = next[base];
        while (p < first) p = next[p + 1];
        return {next, p, last};
    }

private:
    // The searching forms whose first sign is there at all: the operator at
    // the text's own depth, the leading minus, a known function name.
    uint32_t Startable(int i, int len) const {
        const int e = i + len;
        uint32_t forms = 0;
        if (s_[i] == '-' && len >= 2) forms |= fNeg;
        if (s_[e - 1] == ')' && nextOpen_[i] > i && nextOpen_[i] < e - 1) {
            if (CallBracket(i, len, one_) >= 0) forms |= fCall1;
            if (CallBracket(i, len, two_) >= 0) forms |= fCall2;
        }
        for (const BinaryForm& f : kBinaryForms)
            if (MaySplit(i, len, f)) forms |= f.form;
        return forms;
    }

    // The memoised search of one form that can start.
    bool Search(int i, int len, uint32_t form) {
        const uint64_t key = Key(i, len);
        uint32_t& slot = memo_.Find(key);
        if (slot & form) return (slot >> 16) & form;
        if (++searchDepth_ > kMaxSearchDepth) {
            searchDepth_ = 0;
            throw ETooManyNestings();
        }
        bool result = false;
        switch (form) {
            case fNeg:
                result = IsAny(i + 1, len - 1, kNegRest);
                break;
            case fCall1: {
                int q = CallBracket(i, len, one_);
                result = Valid(q + 1, i + len - q - 2);
                break;
            }
            case fCall2:
                result = CommaSplit(i, len, CallBracket(i, len, two_)) >= 0;
                break;
            default:
                result = Split(i, len, FormOf(form)) >= 0;
                break;
        }
        --searchDepth_;
        memo_.Find(key) |= form | (result ? form << 16 : 0);
        return result;
    }

    uint64_t Key(int i, int len) const { return static_cast<uint64_t>(i) * (static_cast<uint64_t>(n_) + 1) + len; }

    void BuildMinTable() {
        const int size = n_ + 1;
        int levels = 1;
        while ((1 << levels) <= size) ++levels;
        minTable_.assign(levels, {});
        minTable_[0] = depth_;
        for (int k = 1; k < levels; ++k) {
            const int span = 1 << k;
            minTable_[k].resize(size - span + 1);
            for (int j = 0; j + span <= size; ++j)
                minTable_[k][j] = std::min(minTable_[k - 1][j], minTable_[k - 1][j + span / 2]);
        }
    }
    // Minimum depth over positions [a, b].
    int RangeMin(int a, int b) const {
        const int k = std::bit_width(static_cast<unsigned>(b - a + 1)) - 1;
        return std::min(minTable_[k][a], minTable_[k][b - (1 << k) + 1]);
    }

    const std::string& s_;
    const int n_;
    const VariableTable& vars_;
    const FunctionTable& one_;
    const FunctionTable& two_;
    const bool dot_;
    char sep_ = '.';
    std::vector<int> depth_;  // depth_[k]: "(" minus ")" before position k
    int minDepth_ = 0;
    std::vector<int> next_;  // opCount rows of n_ + 1
    std::vector<int> nextOpen_;
    std::vector<int> nonNumber_;
    std::vector<std::vector<int>> minTable_;
    size_t maxNameLength_ = 0, maxFunctionLength_ = 0;
    double* letterCell_[256] = {};  // the one-character names
    FormMemo memo_;
    int searchDepth_ = 0;
};

// An operand reference while compiling: a variable cell or a cell index.
struct Ref {
    const double* variable = nullptr;
    int cell = -1;
};

struct PendingRecord {
    uint8_t kind = kVariable;
    Ref operand1, operand2;
    int result = -1;
    FunctionEntry function;
};

class TreeWalk {
public:
    explicit TreeWalk(FormSearch& search) : search_(search) {
        // Levels grow as slots are used; no record reference is held
        // across the growth of its own level.
        table_[0].resize(1);  // the placeholder receiving the whole value
    }

    void Walk(int i, int len, int level, int slot, int side) {
        Term t = Classify(i, len);
        PendingRecord& home = table_[level][slot - 1];
        if (t.kind == kVariable) {
            Place(home, side, Ref{t.variable, -1});
            return;
        }
        if (t.kind == kConstant) {
            Place(home, side, Ref{nullptr, NewCell(static_cast<double>(t.number), false)});
            return;
        }
        const int childLevel = level + 1;
        CheckLimits(childLevel);
        const int childSlot = used_[childLevel] + 1;
        CheckLimits(childLevel);
        table_[childLevel].resize(childSlot);
        PendingRecord& record = table_[childLevel][childSlot - 1];
        record.kind = t.kind;
        if (t.function) record.function = *t.function;
        // The exponent cell is a constant: its truncation is known now.
        if (t.kind == kIntegerPower) record.function.Extra = t.exponent;
        record.result = NewCell(0.0, true);
        Place(home, side, Ref{nullptr, record.result});

        if (!t.binary) {
            ++used_[childLevel];
            Walk(t.li, t.ll, childLevel, childSlot, 1);
            return;
        }
        Walk(t.li, t.ll, childLevel, childSlot, 1);
        CheckLimits(childLevel);
        ++used_[childLevel];
        Walk(t.ri, t.rl, childLevel, childSlot, 2);
    }

    std::unique_ptr<CompiledProgram> Build() {
        auto program = std::make_unique<CompiledProgram>();
        // Result cells first, so that the undefined check reads one block.
        std::vector<int> place(cells_.size());
        int next = 0;
        for (size_t k = 0; k < cells_.size(); ++k)
            if (isResult_[k]) place[k] = next++;
        program->ResultCellCount = next;
        for (size_t k = 0; k < cells_.size(); ++k)
            if (!isResult_[k]) place[k] = next++;
        program->CellCount = cells_.size();
        program->Cells = std::make_unique<double[]>(cells_.empty() ? 1 : cells_.size());
        for (size_t k = 0; k < cells_.size(); ++k) {
            program->Cells[place[k]] = cells_[k];
            if (!isResult_[k] && !std::isfinite(cells_[k])) program->ConstantUndefined = true;
        }
        auto pointer = [&](const Ref& r) -> const double* {
            if (r.variable) return r.variable;
            return r.cell >= 0 ? &program->Cells[place[r.cell]] : nullptr;
        };
        int deepest = 0;
        for (int level = 1; level <= kMaxLevel; ++level)
            if (used_[level] > 0) deepest = level;
        if (deepest == 0) {
            // A single name or number: the placeholder is the whole list.
            OperationRecord r;
            r.Kind = kVariable;
            r.Operand1 = pointer(table_[0][0].operand1);
            r.Result = const_cast<double*>(r.Operand1);
            program->Records.push_back(r);
        } else {
            for (int level = deepest; level >= 1; --level) {
                for (int slot = 0; slot < used_[level]; ++slot) {
                    const PendingRecord& p = table_[level][slot];
                    OperationRecord r;
                    r.Kind = p.kind;
                    r.Operand1 = pointer(p.operand1);
                    r.Operand2 = pointer(p.operand2);
                    r.Result = &program->Cells[place[p.result]];
                    r.Routine = p.function.Routine;
                    r.Extra = p.function.Extra;
                    program->Records.push_back(r);
                }
            }
        }
        program->ResultCell = program->Records.back().Result;
        return program;
    }

private:
    struct Term {
        uint8_t kind = kVariable;
        bool binary = false;
        int li = 0, ll = 0, ri = 0, rl = 0;  // operand texts
        const double* variable = nullptr;
        long double number = 0;
        const FunctionEntry* function = nullptr;
        int32_t exponent = 0;  // integer power: the truncated constant
    };

    // Operands are stored without their enclosing brackets.
    void Strip(int& i, int& len) const {
        while (search_.Wrapped(i, len)) ++i, len -= 2;
    }

    void SetLeft(Term& t, int i, int len) const {
        Strip(i, len);
        t.li = i, t.ll = len;
    }
    void SetRight(Term& t, int i, int len) const {
        Strip(i, len);
        t.ri = i, t.rl = len;
    }

    // The first matching form in classification order. Only valid texts
    // reach here, except the root, whose failure is the syntax error.
    Term Classify(int i, int len) {
        Term t;
        if (len > 0 && (t.variable = search_.NameCell(i, len))) {
            t.kind = kVariable;
            return t;
        }
        if (search_.IsNumber(i, len, &t.number)) {
            t.kind = kConstant;
            return t;
        }
        if (len > 0 && search_.WellNested(i, len)) {
            if (search_.IsNegation(i, len)) {
                t.kind = kNegation;
                SetLeft(t, i + 1, len - 1);
                return t;
            }
            for (const auto& f : kBinaryForms) {
                int p = search_.Split(i, len, f);
                if (p < 0) continue;
                t.binary = true;
                t.kind = f.kind;
                SetLeft(t, i, p - i);
                SetRight(t, p + f.width, i + len - p - f.width);
                if (f.form == fPow) PowerKind(t, p + 1, i + len - p - 1);
                return t;
            }
            if (int q = search_.CallBracket(i, len, one()); q >= 0 && search_.Valid(q + 1, i + len - q - 2)) {
                t.kind = kCall1;
                t.function = search_.Function(i, q, one());
                SetLeft(t, q + 1, i + len - q - 2);
                return t;
            }
            if (int q = search_.CallBracket(i, len, two()); q >= 0) {
                int c = search_.CommaSplit(i, len, q);
                if (c >= 0) {
                    t.kind = kCall2;
                    t.binary = true;
                    t.function = search_.Function(i, q, two());
                    SetLeft(t, q + 1, c - q - 1);
                    SetRight(t, c + 1, i + len - 1 - c - 1);
                    return t;
                }
            }
        }
        throw ESyntaxError(Detail(i, len));
    }

    // The exponent decides the power kind; a small constant exponent is not
    // compiled at all (square, cube, fourth power).
    void PowerKind(Term& t, int i, int len) {
        long double n;
        if (!search_.IsNumber(i, len, &n)) {
            t.kind = kGeneralPower;
            return;
        }
        long double k = std::trunc(n);
        if (!(k >= -2147483648.0L && k <= 2147483647.0L)) throw EInvalidOp();
        if (k != n) {
            t.kind = kGeneralPower;
        } else if (k == 2 || k == 3 || k == 4) {
            t.kind = k == 2 ? kSquare : k == 3 ? kCube : kFourthPower;
            t.binary = false;
        } else {
            t.kind = kIntegerPower;
            t.exponent = static_cast<int32_t>(k);
        }
    }

    // The operand texts of the last split tried on the failing term, or
    // the term itself when no form got as far as a split.
    std::string Detail(int i, int len) const {
        std::string left = " ", right = " ";
        const int e = i + len;
        if (len > 0 && search_.At(i) == '-') left = search_.Text(i + 1, len - 1);
        for (const auto& f : kBinaryForms) {
            if (len == 0) break;
            if (f.width == 1) {
                const char c = FormSearch::SymbolOf(f.op);
                if (search_.At(i) == c) continue;
                for (int p = i + 1; p <= e - 2; ++p) {
                    if (search_.At(p) != c) continue;
                    left = search_.Text(i, p - i);
                    right = search_.Text(p + 1, e - p - 1);
                }
            } else {
                const char* keyword = f.op == opDiv ? "DIV" : "MOD";
                for (int p = i + 1; p + 3 < e; ++p) {
                    if (search_.View(p, 3) != keyword) continue;
                    left = search_.Text(i, p - i);
                    right = search_.Text(p + 3, e - p - 3);
                }
            }
        }
        if (int q = search_.CallBracket(i, len, one()); q >= 0) left = search_.Text(q + 1, e - q - 2);
        if (int q = search_.CallBracket(i, len, two()); q >= 0) {
            const int a = q + 1, b = e - 1;
            if (search_.At(a) != ',') {
                for (int p = a + 1; p < b - 1; ++p) {
                    if (search_.At(p) != ',') continue;
                    left = search_.Text(a, p - a);
                    right = search_.Text(p + 1, b - p - 1);
                }
            }
        }
        if (left != " " || right != " ") return "\r" + left + "\r" + right;
        return "\r" + search_.Text(i, len);
    }

    void CheckLimits(int childLevel) const {
        if (childLevel > kMaxLevel) throw ETooManyNestings();
        if (used_[childLevel] + 1 > kMaxSlots) throw EExpressionTooComplex();
    }

    int NewCell(double v, bool result) {
        cells_.push_back(v);
        isResult_.push_back(result);
        return static_cast<int>(cells_.size()) - 1;
    }

    static void Place(PendingRecord& r, int side, Ref ref) { (side == 1 ? r.operand1 : r.operand2) = ref; }

    const FunctionTable& one() const { return *one_; }
    const FunctionTable& two() const { return *two_; }

public:
    const FunctionTable* one_ = nullptr;
    const FunctionTable* two_ = nullptr;

private:
    FormSearch& search_;
    std::vector<PendingRecord> table_[kMaxLevel + 1];
    int used_[kMaxLevel + 2] = {};
    std::vector<double> cells_;
    std::vector<bool> isResult_;
};

bool ParseDigits(std::string_view t, size_t& k) {
    size_t start = k;
    while (k < t.size() && IsDigit(t[k])) ++k;
    return k > start;
}

}  // namespace

bool NumberGrammar(std::string_view t, char sep) {
    if (t == "PI" || t == "-PI") return true;
    size_t k = 0;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    bool digits = ParseDigits(t, k);
    if (k < t.size() && t[k] == sep) {
        ++k;
        digits |= ParseDigits(t, k);
    }
    if (!digits) return false;
    if (k < t.size() && t[k] == 'E') {
        ++k;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        if (!ParseDigits(t, k)) return false;
    }
    return k == t.size();
}

bool ReadNumber(const std::string& t, bool dotNumberFormat, long double& value) {
    if (t == "PI" || t == "-PI") {
        value = t[0] == '-' ? -3.141592653589793 : 3.141592653589793;
        return true;
    }
    // Plain digits (most constants): the integer is exact in extended
    // precision, as the general conversion would give it.
    if (!t.empty() && t.size() <= 18 && std::all_of(t.begin(), t.end(), IsDigit)) {
        uint64_t n = 0;
        for (char c : t) n = n * 10 + static_cast<uint64_t>(c - '0');
        value = static_cast<long double>(n);
        return true;
    }
    const char sep = dotNumberFormat ? '.' : DecimalSeparator();
    // sign? digits [sep digits] [E sign? digits], with at least one mantissa
    // digit on either side of the separator.
    size_t k = 0;
    bool negative = false;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) negative = t[k++] == '-';
    std::string normal;
    size_t begin = k;
    bool intDigits = ParseDigits(t, k);
    normal.append(t, begin, k - begin);
    bool fracDigits = false;
    if (k < t.size() && t[k] == sep) {
        ++k;
        begin = k;
        fracDigits = ParseDigits(t, k);
        if (fracDigits) normal += '.', normal.append(t, begin, k - begin);
    }
    if (!intDigits && !fracDigits) return false;
    if (!intDigits) normal.insert(normal.begin(), '0');
    if (k < t.size() && t[k] == 'E') {
        ++k;
        normal += 'e';
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) normal += t[k++];
        begin = k;
        if (!ParseDigits(t, k)) return false;
        normal.append(t, begin, k - begin);
    }
    if (k != t.size()) return false;
    long double v = 0;
    auto [ptr, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Beyond the extended range: the exponent's sign tells which end.
        size_t e = normal.find('e');
        v = (e != std::string::npos && normal[e + 1] == '-') ? 0.0L : HUGE_VALL;
    } else if (ec != std::errc() || ptr != normal.data() + normal.size()) {
        return false;
    }
    value = negative ? -v : v;
    return true;
}

std::unique_ptr<CompiledProgram> Compile(const std::string& text, const VariableTable& variables,
                                         const FunctionTable& oneArgument,
                                         const FunctionTable& twoArgument, bool dotNumberFormat) {
    std::string s = text;
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        s.clear();
    } else {
        s = s.substr(first, s.find_last_not_of(' ') - first + 1);
    }
    if (s.find(' ') != std::string::npos) throw EExpressionHasBlanks();
    if (std::count(s.begin(), s.end(), '(') != std::count(s.begin(), s.end(), ')'))
        throw EMissMatchingBracket();

    FormSearch search(s, variables, oneArgument, twoArgument, dotNumberFormat);
    int i = 0, len = static_cast<int>(s.size());
    while (len >= 2 && s[i] == '(' && s[i + len - 1] == ')' && search.Valid(i + 1, len - 2))
        ++i, len -= 2;
    TreeWalk walk(search);
    walk.one_ = &oneArgument;
    walk.two_ = &twoArgument;
    walk.Walk(i, len, 0, 1, 1);
    return walk.Build();
}

}  // namespace kurvo
