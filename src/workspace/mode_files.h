#pragma once
// Which data-folder file belongs to which graph mode.
#include <array>
#include <string>
#include <vector>

namespace kurvo {

struct GraphMode {
    bool cartesian = true;
    bool implicit = false;
    bool parametric = false;
};

// Cart.txt, Cartpara.txt, Polar.txt, ParaPol.txt or Implic.txt.
std::string PresetListFile(const GraphMode& mode);
// cartal.txt, pcartal.txt, polal.txt, ppolal.txt or Implal.txt.
std::string AliasListFile(const GraphMode& mode);
// Cartfun_int.txt in Cartesian mode, else Polarfun_int.txt.
std::string TranslatedUserFunctionFile(bool cartesian);
std::string UserFunctionSourceFile(bool cartesian);

// The seven user-function expressions from the translated file's lines:
// "()" (an empty function) and a missing
// or empty line become "(1)".
std::array<std::string, 7> UserFunctionExpressions(const std::vector<std::string>& lines);

}  // namespace kurvo
