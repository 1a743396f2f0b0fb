// Families: one formula drawn in several slots, each member with the
// constants moved on by the family steps (AdvanceFamily, called by the
// plotters after each member).
#include <algorithm>
#include <cmath>

#include "expr/errors.h"
#include "expr/real_format.h"
#include "plot/family_fields.h"
#include "plot/graph_window.h"

namespace kurvo {

namespace {
const char kEmptyCount[] = "Please fill in the number of graphs field.";
// The field holds two characters, but "0" or a pasted "-3" would draw
// nothing at all.
const char kCountOutOfRange[] = "The number of graphs must be from 1 to 99.";
}  // namespace

std::string TGraphWindow::FamilyCountRefusal(const std::string& count) {
    if (count.empty()) return kEmptyCount;
    long double number = 0;
    if (TryParseReal(count, number) && std::floor(number) == number && (number < 1 || number > 99))
        return kCountOutOfRange;
    return {};
}

bool TGraphWindow::DefineFamily(const std::string& count, const std::array<std::string, 16>& steps) {
    if (const std::string refusal = FamilyCountRefusal(count); !refusal.empty()) {
        host_.ShowInformation(refusal);
        return false;
    }
    try {
        Settings.FamilyCount = ParseInt(count);
        for (size_t k = 0; k < steps.size(); ++k)
            Settings.FamilySteps[k] = steps[k].empty() ? 0 : ParseReal(steps[k]);

        const int source = std::max(Settings.LastGraph, 0);
        // A family read from a file is already in its slots, with the
        // graphs plotted after it behind them.
        if (!Flags.LoadedFromFile) AddFormulaToSlot(host_.FormulaText(), source);
        Settings.SavedConstants = Settings.Constants;
        if (!Flags.LoadedFromFile) {
            const auto copy = [source](auto& field, int k) { field[k] = field[source]; };
            for (int k = 0; k < Settings.FamilyCount; ++k) {
                if (k == source) continue;
                // The whole slot, so parametric members keep their second
                // function and inequalities their relation.
                copy(Slots.GraphText, k);
                copy(Slots.GraphFormula, k);
                copy(Slots.GraphSecondFormula, k);
                copy(Slots.GraphRelationText, k);
                copy(Slots.GraphRelation, k);
                copy(Slots.GraphStrict, k);
                copy(Slots.YTermCount, k);
                copy(Slots.Mode, k);
            }
            // The family replaces the picture: slots past its members would
            // be saved without being seen, and later plots follow the members.
            for (int k = Settings.FamilyCount; k < kGraphSlotCount; ++k) Slots.Empty(size_t(k));
            Settings.LastGraph = Settings.FamilyCount - 1;
        } else {
            Parser(1).SetExpression(Slots.GraphFormula[0]);
        }
    } catch (const std::exception& error) {
        Report(error);
        return true;
    }
    Settings.FamilyActive = true;
    RedrawFamily();
    return true;
}

void TGraphWindow::RedrawFamily() {
    try {
        if (Settings.AutoYScale && !AutoScaleNewest()) return;
        Flags.FullRepaint = true;
        Flags.ReplotAll = true;
        const bool finished = RepaintBody();
        Flags.FullRepaint = false;
        Settings.Constants = Settings.SavedConstants;
        if (!finished) host_.ShowInformation("Plot stopped");
    } catch (const std::exception& error) {
        Flags.FullRepaint = false;
        Report(error);
    }
}

}  // namespace kurvo

namespace kurvo {

const char kOnlyNumericChars[] = "Only numeric chars";

bool FamilyCountKeyRefused(int keyCode) { return keyCode >= 65 && keyCode <= 122 && !(keyCode >= 96 && keyCode <= 105); }

int KeyCodeOfCharacter(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
}

}  // namespace kurvo
