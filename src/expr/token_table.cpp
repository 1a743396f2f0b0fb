#include "token_table.h"

#include <cstring>

namespace kurvo {

namespace {

// "arccosec" sits before "arccos": matched later, its head would be read as
// "arccos" and leave "ec" behind.
constexpr std::array<FunctionToken, FunctionTokenCount> kTokens{{
    {"arcsinh", "ARCSINH", "ARCSINH", "SINH"},
    {"arccosh", "ARCCOSH", "ARCCOSH", "COSH"},
    {"arctanh", "ARCTANH", "ARCTANH", "TANH"},
    {"arcsech", "ARCSECH", "ARCSECH", "SECH"},
    {"arccosech", "ARCCOSECH", "ARCCOSECH", "COSECH"},
    {"arccoth", "ARCCOTH", "ARCCOTH", "COTH"},
    {"arcsin", "ARCSIN", "DEGASIN", "SIN"},
    {"arccosec", "ARCCOSEC", "DEGACOSEC", "COSEC"},
    {"arccos", "ARCCOS", "DEGACOS", "COS"},
    {"arctan", "ARCTAN", "DEGATAN", "TAN"},
    {"arccot", "ARCCOT", "DEGACOT", "COT"},
    {"arcsec", "ARCSEC", "DEGASEC", "SEC"},
    {"sinh\xB2", "SINHSQ", "SINHSQ", ""},
    {"sinh\xB3", "SINHCUBE", "SINHCUBE", ""},
    {"sinh", "SINH", "SINH", "ARCSINH"},
    {"cosh\xB2", "COSHSQ", "COSHSQ", ""},
    {"cosh\xB3", "COSHCUBE", "COSHCUBE", ""},
    {"cosh", "COSH", "COSH", "ARCCOSH"},
    {"cosech\xB2", "COSECHSQ", "COSECHSQ", ""},
    {"cosech\xB3", "COSECHCUBE", "COSECHCUBE", ""},
    {"cosech", "COSECH", "COSECH", "ARCCOSECH"},
    {"sech\xB2", "SECHSQ", "SECHSQ", ""},
    {"sech\xB3", "SECHCUBE", "SECHCUBE", ""},
    {"sech", "SECH", "SECH", "ARCSECH"},
    {"tanh\xB2", "TANHSQ", "TANHSQ", ""},
    {"tanh\xB3", "TANHCUBE", "TANHCUBE", ""},
    {"tanh", "TANH", "TANH", "ARCTANH"},
    {"coth\xB2", "COTHSQ", "COTHSQ", ""},
    {"coth\xB3", "COTHCUBE", "COTHCUBE", ""},
    {"coth", "COTH", "COTH", "ARCCOTH"},
    {"cosec\xB2", "COSECSQ", "COSECSQRAD", ""},
    {"cosec\xB3", "COSECCUBE", "COSECCUBERAD", ""},
    {"cosec", "COSEC", "COSECRAD", "ARCCOSEC"},
    {"sec\xB2", "SECSQ", "SECSQRAD", ""},
    {"sec\xB3", "SECCUBE", "SECCUBERAD", ""},
    {"cos\xB2", "COSSQ", "COSSQRAD", ""},
    {"cos\xB3", "COSCUBE", "COSCUBERAD", ""},
    {"sin\xB2", "SINSQ", "SINSQRAD", ""},
    {"sin\xB3", "SINCUBE", "SINCUBERAD", ""},
    {"cos", "COS", "COSRAD", "ARCCOS"},
    {"tan\xB2", "TANSQ", "TANSQRAD", ""},
    {"tan\xB3", "TANCUBE", "TANCUBERAD", ""},
    {"tan", "TAN", "TANRAD", "ARCTAN"},
    {"sec", "SEC", "SECRAD", "ARCSEC"},
    {"cot\xB2", "COTSQ", "COTSQRAD", ""},
    {"cot\xB3", "COTCUBE", "COTCUBERAD", ""},
    {"cot", "COT", "COTRAD", "ARCCOT"},
    {"sin", "SIN", "SINRAD", "ARCSIN"},
    {"integ", "INTEG", "INTEG", "DIFF"},
    {"diff", "DIFF", "DIFF", "INTEG"},
    {"log", "LOG", "LOG", ""},
    {"ln", "LN", "LN", "EXP"},
    {"sqrt", "SQRT", "SQRT", "SQR"},
    {"sqr", "SQR", "SQR", "SQRT"},
    {"int", "INT", "INT", ""},
    {"exp", "EXP", "EXP", "LN"},
    {"abs", "ABS", "ABS", ""},
    {"inv", "INV", "INV", "INV"},
    {"blanc", "BLANC", "BLANC", ""},
    {"f", "F", "F", ""},
    {"g", "G", "G", ""},
    {"h", "H", "H", ""},
    {"i", "I", "I", ""},
    {"j", "J", "J", ""},
    {"k", "K", "K", ""},
    {"l", "L", "L", ""},
    {"root", "ROOT", "ROOT", ""},
    {"power", "POWER", "POWER", ""},
    {"cbrt", "CBRT", "CBRT", ""},
}};

}  // namespace

const std::array<FunctionToken, FunctionTokenCount>& FunctionTokens() { return kTokens; }

const char* InverseName(const FunctionToken& token, bool degreeMode) {
    if (!degreeMode || !*token.inverse) return token.inverse;
    for (const FunctionToken& other : kTokens)
        if (std::strcmp(other.radians, token.inverse) == 0)
            return other.degrees;
    return token.inverse;
}

}  // namespace kurvo
