#pragma once
// The transformations of the first data set: the descriptive ones
// (rotation, enlargement, stretch, reflection in y = mx + c or x = c,
// translation) and the 2x2 matrix. Each logic object holds its dialog's
// field texts and its own translator and parser, works on the graph
// object's data set list and reports through the graph's host, so the
// dialogs and `kurvo32 transform` share it.
//
// An application converts every text it needs (fields and points) before
// it changes anything: a text that is not a number stops it with the
// list, the image count and the picture untouched.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "expr/formula_trans.h"
#include "expr/parser.h"

namespace kurvo {

class TGraphWindow;
struct DataSetList;

enum TransformationKindCode : uint8_t {
    kRotation = 0,
    kEnlargement = 1,
    kStretch = 2,
    kReflectInLine = 3,  // y = mx + c
    kReflectInX = 4,     // x = c
    kTranslation = 5,
};

extern const char* const kFillInFieldsMessage;
extern const char* const kAutoScalingMessage;

using DataPoint = std::pair<long double, long double>;

// The points of the first data set (the lines before the first "#").
// Throws EConvertError for a line that is not a number pair.
std::vector<DataPoint> ReadFirstDataSet(const DataSetList& sets);
// Writes `points` over the first data set's lines, "x,y" in real format.
void RewriteFirstDataSet(DataSetList& sets, const std::vector<DataPoint>& points);

// The line of "mx+c": m before the first "x" (empty 1, a lone sign ±1), c
// after it (empty 0). A text without "x" is the horizontal line y = c.
// At most 20 characters count. Throws EConvertError.
struct ReflectionLine {
    long double m = 0, c = 0;
};
ReflectionLine ParseReflectionLine(const std::string& text);

enum class ApplyResult { Applied, Refused, Failed };

// The Apply button of both dialogs. A press while "Continuous" is checked
// starts or stops the loop; otherwise it asks for one application.
struct ApplyLoop {
    bool Running = false;
    bool Continuous = false;
    // The mouse press (before the click): returns the button's caption.
    const char* Press();
    // Applies while Running; one application unless Continuous. A refused
    // or failed application ends the loop (its message was shown). `pump`
    // runs after every application (events, pacing) and returns false to
    // stop (Escape).
    template <class Once, class Pump>
    void Run(Once once, Pump pump) {
        while (Running) {
            const ApplyResult result = once();
            if (!Continuous || result != ApplyResult::Applied) Running = false;
            if (Running && !pump()) Running = false;
        }
    }
};

class TDescriptiveTransformation {
public:
    explicit TDescriptiveTransformation(TGraphWindow& graph) : graph_(graph) {}

    uint8_t TransformationKind = kRotation;
    std::string RotationCentre, Angle;
    std::string ScaleCentre, ScaleX, ScaleY;
    std::string LineText;  // y = mx + c
    std::string XLine;     // x = c
    std::string ShiftX = "0", ShiftY = "0";

    ApplyLoop Loop;
    bool FieldsComplete = false;

    // The fields the chosen kind needs are filled in (sets FieldsComplete).
    bool CheckFields();
    // One application; messages go to the graph's host.
    ApplyResult ApplyOnce();

private:
    long double Evaluate(const std::string& text);

    TGraphWindow& graph_;
    TFormulaTrans trans_;
    TParser parser_;
};

class TMatrixTransformation {
public:
    explicit TMatrixTransformation(TGraphWindow& graph) : graph_(graph) {}

    std::string A = "1", B = "0", C = "0", D = "1";
    ApplyLoop Loop;

    ApplyResult ApplyOnce();

private:
    TGraphWindow& graph_;
    TFormulaTrans trans_;
    TParser parser_;
};

}  // namespace kurvo
