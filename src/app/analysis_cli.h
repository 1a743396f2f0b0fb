#pragma once
// What kurvo32 stats, fit and transform share: the command line read in
// order (options, and the FILE... of data sets), and the files read into
// the graph's data set list as "&Open" reads them, one after another, so
// the sets are pooled as the dialogs pool them.
#include <QCommandLineOption>
#include <QList>
#include <functional>
#include <string>
#include <vector>

#include "ordered_args.h"
#include "render_actions.h"

namespace kurvo {
class HeadlessHost;
class TDataSets;
class TWorkspaceFile;
}  // namespace kurvo

namespace kurvo::app {

// Prints "kurvo32 NAME: message" on standard error; returns 2.
int AnalysisFail(const std::string& command, const std::string& message);

// Parses argv against `options` and -h/--help. Returns true when the
// command goes on; otherwise `status` is the exit status (0 after the
// help text was printed, 2 after a bad option was named).
bool ParseAnalysisArgs(const std::string& command, const std::string& help, int argc, char** argv,
                       QList<QCommandLineOption> options, ParsedArgs& parsed, int& status);

// Each file through "&Open", in order: a ".kvo" workspace replaces what
// was read before, as in the window. False at the first file that cannot
// be read (its message was shown).
bool OpenDataSetFiles(TDataSets& sets, TWorkspaceFile& workspace, const std::vector<std::string>& files);

// Starts the graph object as render does, runs `beforeLoading` ("" or the
// problem), reads `files` and runs `body`, whose result is the exit
// status. Problems before `body` exit with 2.
int RunOnDataSets(const std::string& command, char* argv0, const RenderSetup& setup,
                  const std::vector<std::string>& files, const std::function<std::string(RenderRun&)>& beforeLoading,
                  const std::function<int(RenderRun&)>& body);

// 1 when a message box was shown, else 0.
int MessageStatus(const HeadlessHost& host);

}  // namespace kurvo::app
