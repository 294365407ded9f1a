// dxftool: the viewer's drawing core on the command line (info, convert, render, print).
#include <exception>
#include <iostream>
#include <new>

#include "dxftool/CommandLine.h"
#include "dxftool/ConvertCommand.h"
#include "dxftool/InfoCommand.h"
#include "toolkit/paint/PaintCaches.h"
#include "dxftool/PrintCommand.h"
#include "dxftool/RenderCommand.h"

using namespace dxftool;

namespace {

int runRequest(const ToolRequest& request) {
  switch (request.command) {
    case Subcommand::Help: std::cout << CommandLine::usage(); return kExitOk;
    case Subcommand::Info: return InfoCommand::run(request, std::cout, std::cerr);
    case Subcommand::Convert: return ConvertCommand::run(request, std::cerr);
    case Subcommand::Render: return RenderCommand::run(request, std::cerr);
    case Subcommand::Print: return PrintCommand::run(request, std::cerr);
  }
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  ToolRequest request;
  std::string error;
  if (!CommandLine::parse(argc, argv, request, error)) {
    std::cerr << "dxftool: " << error << "\n\n" << CommandLine::usage();
    return kExitUsage;
  }
  // Failures are reported as sentences; nothing escapes as an uncaught exception.
  int status = kExitFailed;
  try {
    status = runRequest(request);
  } catch (const std::bad_alloc&) {
    std::cerr << "dxftool: Not enough memory for " << request.input << ".\n";
  } catch (const std::exception& e) {
    std::cerr << "dxftool: " << request.input << " could not be processed: " << e.what() << ".\n";
  }
  releasePaintCaches();
  return status;
}
