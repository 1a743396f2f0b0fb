#include "plot/settings_checks.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "expr/errors.h"
#include "expr/real_format.h"

namespace kurvo {

namespace {

bool Finite(long double v) { return std::isfinite(v); }

}  // namespace

std::string SettingsDamage(const SettingsRecord& s) {
    const std::pair<const char*, long double> reals[] = {
        {"XMin", s.XMin}, {"XMax", s.XMax}, {"TMin", s.TMin},
        {"TMax", s.TMax}, {"YMin", s.YMin}, {"YMax", s.YMax}, {"XStep", s.XStep}};
    for (const auto& [name, value] : reals)
        if (!Finite(value)) return std::string(name) + " is not a finite number";
    const std::pair<const char*, const std::array<long double, 16>*> arrays[] = {
        {"Constants", &s.Constants}, {"FamilySteps", &s.FamilySteps}, {"SavedConstants", &s.SavedConstants}};
    for (const auto& [name, values] : arrays)
        for (size_t i = 0; i < values->size(); ++i)
            if (!Finite((*values)[i]))
                return std::string(name) + "[" + std::to_string(i) + "] is not a finite number";
    std::string step = s.PlotStepText;
    if (const size_t comma = step.find(','); comma != std::string::npos) step.erase(comma, 1);
    try {
        ParseInt(step);
    } catch (const Exception& e) {
        return std::string("PlotStepText: ") + e.what();
    }
    return {};
}

std::string SettingsDamageReport(const std::string& damage) {
    return "sett.dat is damaged: " + damage + ". The default settings are used.";
}

int UsableLineWidth(int32_t width) { return std::clamp<int32_t>(width, 1, 10); }

int UsableFontSize(int32_t points) { return std::clamp<int32_t>(points, 1, 200); }

}  // namespace kurvo
