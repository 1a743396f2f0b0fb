#pragma once
// What the solvers need from the window that shows them: a message box.
// The tool windows answer with a real box, the subcommands print the text.
#include <string>

namespace kurvo {

class CalcHost {
public:
    virtual ~CalcHost() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace kurvo
