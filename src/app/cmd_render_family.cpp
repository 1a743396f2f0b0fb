// kurvo32 render: the families dialog and the settings record. --step
// NAME=TEXT fills an increment field (kept until changed), --family COUNT
// types the number field and makes the next FORMULA the family's formula,
// drawn by the dialog's OK instead of a plot; --settings-out FILE writes
// the settings as sett.dat would hold them, after every other action.
#include <QString>
#include <array>
#include <cstring>
#include <memory>

#include "admin/environment.h"
#include "expr/encoding.h"
#include "expr/errors.h"
#include "headless_host.h"
#include "plot/family_fields.h"
#include "plot/graph_window.h"
#include "plot/settings_record.h"
#include "render_actions.h"
#include "workspace/atomic_write.h"

namespace kurvo::app {
namespace {

// The families dialog's fields for the run: they keep their texts between
// uses, as the dialog does.
struct FamilyFields {
    const TGraphWindow* graph = nullptr;
    std::string count;
    std::array<std::string, 16> steps;
};

FamilyFields& FieldsOf(RenderRun& run) {
    static std::unique_ptr<FamilyFields> fields;
    if (!fields || fields->graph != &run.graph) {
        fields = std::make_unique<FamilyFields>();
        fields->graph = &run.graph;
    }
    return *fields;
}

// The increment field NAME=TEXT names, or -1.
int StepIndex(const std::string& value) {
    const size_t equals = value.find('=');
    if (equals != 1) return -1;
    const char* letter = std::strchr(kConstantLetters, value[0]);
    return value[0] != 0 && letter ? int(letter - kConstantLetters) : -1;
}

std::string CheckStep(RenderSetup&, const std::string& v) {
    if (StepIndex(v) < 0) return "--step needs NAME=TEXT, NAME one of a b c d e m n o p q r s u v w z";
    return {};
}
std::string RunStep(RenderRun& run, const std::string& v) {
    FieldsOf(run).steps[size_t(StepIndex(v))] = Utf8ToCp1252(v.substr(2));
    return {};
}

std::string RunFamily(RenderRun& run, const std::string& v) {
    FamilyFields& fields = FieldsOf(run);
    fields.count = TypeFamilyCount(v, [&run] { run.host.ShowInformation(kOnlyNumericChars); });
    run.takeNextFormula = [](RenderRun& r) {
        // The window's OK, its own refusals included; the formula box
        // already holds the formula.
        const FamilyFields& f = FieldsOf(r);
        r.graph.DefineFamily(f.count, f.steps);
    };
    run.afterActions.push_back([](RenderRun& r) {
        return r.takeNextFormula ? std::string("--family: no FORMULA follows it") : std::string();
    });
    return {};
}

std::string CheckSettingsOut(RenderSetup& s, const std::string& v) {
    if (v.empty()) return "--settings-out needs a file name";
    s.pictureOptional = true;
    return {};
}
std::string RunSettingsOut(RenderRun& run, const std::string& v) {
    run.afterActions.push_back([path = QString::fromStdString(v)](RenderRun& r) {
        SettingsRecord record = r.graph.Settings;
        try {
            TakeWindowFields(r.host, record);
        } catch (const Exception& error) {
            // As the window does on saving: the message, nothing written.
            r.host.ShowError(error.what());
            return std::string();
        }
        const SettingsBytes bytes = Serialize(record);
        const FileResult written = WriteFileAtomically(
            path, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        return written.ok() ? std::string() : "--settings-out: " + written.message;
    });
    return {};
}

const RenderActionRegistration rows({
    {"--step", "NAME=TEXT",
     "the families dialog's increment field NAME (a b c d e m\n"
     "n o p q r s u v w z), kept until changed",
     76, CheckStep, RunStep},
    {"--family", "COUNT",
     "the families dialog's number field as typed; the next\n"
     "FORMULA goes into the formula box and the dialog's OK\n"
     "draws the family instead of a plot",
     77, nullptr, RunFamily},
    {"--settings-out", "FILE",
     "after every action, write the settings record to FILE\n"
     "as sett.dat would hold it (1528 bytes); -o is then\n"
     "optional",
     78, CheckSettingsOut, RunSettingsOut},
});

}  // namespace
}  // namespace kurvo::app
