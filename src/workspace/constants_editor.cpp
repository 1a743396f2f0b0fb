#include "workspace/constants_editor.h"

#include "expr/errors.h"
#include "expr/real_format.h"
#include "plot/graph_window.h"
#include "workspace/settings_file.h"

namespace kurvo {

ConstantFields ConstantFieldTexts(const SettingsRecord& settings) {
    ConstantFields fields;
    for (size_t k = 0; k < fields.size(); ++k) fields[k] = FormatReal(settings.Constants[k]);
    return fields;
}

void NormaliseConstantFields(ConstantFields& fields) {
    for (size_t k = 0; k < fields.size(); ++k) {
        const bool mayBeZero = k < 2;
        if (fields[k].empty() || (!mayBeZero && fields[k] == "0")) fields[k] = mayBeZero ? "0" : "1";
    }
}

std::string ApplyConstantFields(TGraphWindow& graph, ConstantFields& fields, const QString& dataFolder) {
    NormaliseConstantFields(fields);
    SettingsRecord& s = graph.Settings;
    TFormulaTrans& trans = graph.Trans;
    // A field naming a constant reads the value it had before this OK.
    graph.CopyConstantsToParsers();
    try {
        for (size_t k = 0; k < fields.size(); ++k) {
            trans.Degrees = s.Degrees;
            trans.Root = false;
            trans.Instring = fields[k];
            trans.Translate();
            graph.Parser(1).SetExpression(trans.Outstring);
            s.Constants[k] = graph.Parser(1).Value();
        }
    } catch (const Exception& error) {
        return error.what();
    }
    graph.CopyConstantsToParsers();
    return WriteSettingsFile(dataFolder, s);
}

}  // namespace kurvo
