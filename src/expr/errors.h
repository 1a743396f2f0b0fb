#pragma once
// Exceptions of the expression engine and the conversion errors the rest of
// the program reports with their fixed message texts.
#include <stdexcept>
#include <string>

namespace kurvo {

// The program's general exception: everything a message box may show.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Compile errors raised out of an Expression assignment.
class EMathParserError : public Exception {
public:
    using Exception::Exception;
};
class EExpressionHasBlanks : public EMathParserError {
public:
    EExpressionHasBlanks() : EMathParserError("Expression has blanks") {}
};
class EMissMatchingBracket : public EMathParserError {
public:
    EMissMatchingBracket() : EMathParserError("Missing brackets in expression") {}
};
class ESyntaxError : public EMathParserError {
public:
    // detail: the text after "Error parsing expression:" (starts with CR).
    explicit ESyntaxError(const std::string& detail)
        : EMathParserError("Error parsing expression:" + detail) {}
};
class ETooManyNestings : public EMathParserError {
public:
    ETooManyNestings() : EMathParserError("Expression contains too many nestings") {}
};
class EExpressionTooComplex : public EMathParserError {
public:
    EExpressionTooComplex() : EMathParserError("Expression is too complex") {}
};
class EParserInternalError : public EMathParserError {
public:
    EParserInternalError() : EMathParserError("TParser internal error") {}
};

// Floating-point invalid operation outside evaluation (for example an
// exponent constant that does not fit a 32-bit integer).
class EInvalidOp : public Exception {
public:
    EInvalidOp() : Exception("Invalid floating point operation") {}
};

// A formula is undefined at the point being evaluated.
class EEvaluationError : public Exception {
public:
    EEvaluationError() : Exception("Invalid floating point operation") {}
};

// Text that does not convert to a number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    static EConvertError integer(const std::string& text) {
        return EConvertError("'" + text + "' is not a valid integer value");
    }
    static EConvertError floating(const std::string& text) {
        return EConvertError("'" + text + "' is not a valid floating point value");
    }
};

}  // namespace kurvo
