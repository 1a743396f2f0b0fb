#include "headless_host.h"

#include <cstdio>

#include "expr/encoding.h"
#include "expr/real_format.h"
#include "plot/relation_box.h"
#include "plot/settings_record.h"
#include "ui/qimage_canvas.h"

namespace kurvo {

namespace {

void Print(const char* kind, const std::string& cp1252Text) {
    std::string text = Cp1252ToUtf8(cp1252Text);
    for (char& c : text)
        if (c == '\r') c = '\n';
    std::fprintf(stderr, "%s: %s\n", kind, text.c_str());
}

}  // namespace

void HeadlessHost::FillControls(const SettingsRecord& s) {
    SetViewFieldText(ViewField::TMin, FormatReal(s.TMin));
    SetViewFieldText(ViewField::TMax, FormatReal(s.TMax));
    SetViewFieldText(ViewField::XMin, FormatReal(s.XMin));
    SetViewFieldText(ViewField::XMax, FormatReal(s.XMax));
    SetViewFieldText(ViewField::YMin, FormatReal(s.YMin));
    SetViewFieldText(ViewField::YMax, FormatReal(s.YMax));
    std::string step = s.PlotStepText;
    if (const size_t comma = step.find(','); comma != std::string::npos) step.erase(comma, 1);
    PlotStep = step.empty() ? "256" : step;
    // The relation box holds the mode's relation; in Cartesian mode "y=".
    const auto relations = RelationBoxItems(s, {"y="});
    Relation = relations.empty() ? std::string() : relations.front();
}

void HeadlessHost::ShowInformation(const std::string& text) {
    ++Informations;
    Print("Information", text);
}

void HeadlessHost::ShowError(const std::string& text) {
    ++Errors;
    Print("Error", text);
}

bool HeadlessHost::AskYesNo(const std::string& text) {
    ++Questions;
    Print("Question (answered No)", text);
    return false;
}

std::unique_ptr<Canvas> HeadlessHost::CreatePicture(int width, int height) {
    auto canvas = std::make_unique<QImageCanvas>(width, height, 0xFFFFFF);
    picture_ = canvas.get();
    return canvas;
}

}  // namespace kurvo
