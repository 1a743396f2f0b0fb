#include "headless_host.h"

#include <cstdio>

#include "expr/encoding.h"
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
