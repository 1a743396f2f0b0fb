#pragma once
// "Save as &KurvoFile" and the "&Open" of a ".kvo" file on a graph window.
// Opening reads the whole file into a fresh state first: a missing file,
// another version's header or a bad number is reported and leaves the
// graphs, data sets, settings and view as they were. Only then does it
// run "Delete All", take the file's workspace and replot it. The Qt window
// and `kurvo32 render` drive this one object; it reports through the
// graph window's host.
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "workspace/graph_file.h"

namespace kurvo {

class TDataSets;
class TGraphWindow;

class TWorkspaceFile {
public:
    // Attaches itself as `sets.OpenGraphFile`.
    explicit TWorkspaceFile(TDataSets& sets);
    TWorkspaceFile(const TWorkspaceFile&) = delete;
    TWorkspaceFile& operator=(const TWorkspaceFile&) = delete;

    // Writes the workspace to `path` as named; false (and a message) when
    // the file could not be written, the old file then being unchanged.
    bool Save(const QString& path);
    // False (and a message) when nothing changed.
    bool Open(const QString& path);

    // The window's controls brought into line with restored settings and
    // mode: menu checks, toolbar, view and plot step fields, the preset
    // list and relation box of the mode.
    std::function<void()> SettingsRestored;
    // Draws a restored family: the families dialog's fields filled with the
    // count and steps, then its OK. Without one the graph object's own
    // family definition runs with the same texts.
    std::function<void(const std::string& count, const std::array<std::string, 16>& steps)> ReplotFamily;

    // The state a save writes.
    GraphFileState Capture() const;

private:
    // The translation pass: slots 0, 1, ... up to the first empty text.
    void TranslateSlots(GraphFileState& state);
    void Restore(GraphFileState& state);
    // What would fail once the state replaced the workspace: the message
    // (empty when nothing) and whether it is an information box.
    struct UnusableState {
        std::string message;
        bool information = false;
    };
    static UnusableState Unusable(const QString& path, const GraphFileState& state);

    TDataSets& sets_;
    TGraphWindow& graph_;
};

}  // namespace kurvo
