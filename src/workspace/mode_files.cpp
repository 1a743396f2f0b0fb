#include "workspace/mode_files.h"

namespace kurvo {

std::string PresetListFile(const GraphMode& mode) {
    if (mode.cartesian) return mode.parametric ? "Cartpara.txt" : "Cart.txt";
    if (mode.implicit) return "Implic.txt";
    return mode.parametric ? "ParaPol.txt" : "Polar.txt";
}

std::string AliasListFile(const GraphMode& mode) {
    if (mode.cartesian) return mode.parametric ? "pcartal.txt" : "cartal.txt";
    if (mode.implicit) return "Implal.txt";
    return mode.parametric ? "ppolal.txt" : "polal.txt";
}

std::string TranslatedUserFunctionFile(bool cartesian) {
    return cartesian ? "Cartfun_int.txt" : "Polarfun_int.txt";
}

std::string UserFunctionSourceFile(bool cartesian) { return cartesian ? "Cartfun.txt" : "Polarfun.txt"; }

std::array<std::string, 7> UserFunctionExpressions(const std::vector<std::string>& lines) {
    std::array<std::string, 7> out;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = i < lines.size() ? lines[i] : std::string();
        // A missing line is an empty function too, which evaluates as 1.
        if (out[i] == "()" || out[i].empty()) out[i] = "(1)";
    }
    return out;
}

}  // namespace kurvo
