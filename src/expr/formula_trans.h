#pragma once
// Turns formulas as pupils type them (2x+1, sin²x, |x|, y>=2x, x²+y²=4)
// into the engine's syntax. Text is Windows-1252.
#include <string>

namespace kurvo {

class TFormulaTrans {
public:
    TFormulaTrans();

    std::string Instring;        // input, at most 255 characters
    bool Degrees = false;        // trigonometric names in degree forms
    bool Root = false;           // output: solving for y gave two branches
    std::string SecondFn;        // output: the second branch (when Root)
    int ycount = 0;              // output: "y" count of the last relation
    bool Implicit_simple_sort = false;
    std::string Outstring;       // output: the translated text

    // Translates Instring into Outstring. Throws EConvertError for a "!"
    // without digits before it.
    void Translate();
};

}  // namespace kurvo
