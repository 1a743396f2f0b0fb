#pragma once
// What the graph object needs from the window that shows it: the formula,
// relation, view and plot step controls, message boxes, Escape polling,
// the beep and cursor, the graph area and its canvas. The Qt main window
// and the headless renderer implement it.
#include <memory>
#include <string>

#include "plot/canvas.h"

namespace kurvo {

// The view fields in toolbar order.
enum class ViewField { TMin, TMax, XMin, XMax, YMin, YMax };

class GraphHost {
public:
    virtual ~GraphHost() = default;

    // Texts are Windows-1252.
    virtual std::string FormulaText() const = 0;
    virtual void SetFormulaText(const std::string& text) = 0;
    virtual std::string RelationText() const = 0;
    // Selects item `index` of the relation box (the read-out picks a graph).
    virtual void SetRelationIndex(int index) {}

    // Setting a field from the graph object must not call back into it:
    // the graph object raises the field's change itself (SaveViewForUndo).
    // Only edits by the user go to TGraphWindow::SaveViewForUndo.
    virtual std::string ViewFieldText(ViewField field) const = 0;
    virtual void SetViewFieldText(ViewField field, const std::string& text) = 0;
    virtual bool HasTFields() const = 0;

    virtual bool HasPlotStepField() const = 0;
    virtual std::string PlotStepFieldText() const = 0;

    // Modal message boxes with the system's texts.
    virtual void ShowInformation(const std::string& text) = 0;
    virtual void ShowError(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& text) = 0;

    // Once per sample of a long loop: dispatch pending events and report
    // an Escape press since the last call. May rate-limit itself.
    virtual bool EscapePressed() { return false; }
    virtual void Beep() {}
    virtual void SetBusyCursor(bool busy) {}

    // The graph area in pixels. The client width can exceed the area's
    // width (square graph); the background fill covers the client width.
    virtual int GraphAreaWidth() const = 0;
    virtual int GraphAreaHeight() const = 0;
    virtual int ClientWidth() const { return GraphAreaWidth(); }

    // The "Data Sets" menu and the transformation toolbar buttons follow
    // whether data sets exist (DataSetList::DataSetsMenu).
    virtual void DataSetsMenuChanged(bool enabled) {}

    // A new off-screen picture (transparent background allowed).
    virtual std::unique_ptr<Canvas> CreatePicture(int width, int height) = 0;
    // The window's own canvas, drawn on while plotting when ShowPlot is
    // set; null when there is none (headless).
    virtual Canvas* WindowCanvas() { return nullptr; }
    // Copy the rectangle (0, 0, width, height) of the picture to the window.
    virtual void RefreshFromPicture(const Canvas& picture, int width, int height) {}
};

}  // namespace kurvo
