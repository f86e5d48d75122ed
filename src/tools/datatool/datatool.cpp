// OvDataTool's command line: one table of commands declared to the library's parser, which
// also prints the help text; the parse picks the command, whose arguments are then checked
// here before it runs.
#include "tools/datatool/datatool.h"

#include <cstdio>
#include <string>

#include "core/ovcmdline.h"
#include "tools/datatool/commands.h"
#include "tools/datatool/tool_io.h"

using namespace OvCmdLine;

namespace {

const char kDescription[] =
    "OvDataTool: lists, extracts and converts the engine's data files.\n"
    "Exit status: 0 success, 1 bad usage, 2 failed input (missing, unreadable or damaged),"
    " 3 failed output.";

struct SOvToolArgument {
  const char* name;
  const char* help;
  bool required;
};

struct SOvToolCommand {
  const char* group;  // null for a command of its own
  const char* name;
  const char* help;
  SOvToolArgument args[2];
  const char* extraHelp;  // null when the command takes no further arguments
  bool hasSwap;
  int (*run)(const SOvToolInvocation&);
};

const SOvToolCommand kCommands[] = {
    {"bigfile", "list", "bigfile list FILE: one line per entry (name, size, offset, compressed or plain)",
     {{"file", "FILE: the big file", true}, {}}, nullptr, false, OvRunBigFileList},
    {"bigfile", "extract", "bigfile extract FILE DIR [NAME...]: every entry, or the named ones, into DIR",
     {{"file", "FILE: the big file", true}, {"dir", "DIR: the folder to extract into", true}},
     "NAME...", false, OvRunBigFileExtract},
    {"bigfile", "pack", "bigfile pack DIR FILE: every file below DIR into a new big file",
     {{"dir", "DIR: the folder to pack", true}, {"file", "FILE: the big file to write", true}}, nullptr, false,
     OvRunBigFilePack},
    {"sml", "to-xml", "sml to-xml FILE [OUT]: SML as XML text, to OUT or standard output",
     {{"file", "FILE: the SML file", true}, {"out", "OUT: the XML file to write", false}}, nullptr, false,
     OvRunSmlToXml},
    {"sml", "from-xml", "sml from-xml FILE OUT [--swap]: XML as SML (--swap: byte-reversed, for big-endian targets)",
     {{"file", "FILE: the XML file", true}, {"out", "OUT: the SML file to write", true}}, nullptr, true,
     OvRunSmlFromXml},
    {nullptr, "compress", "compress IN OUT: IN as a compressed engine file",
     {{"in", "IN: the file to compress", true}, {"out", "OUT: the compressed file to write", true}}, nullptr, false,
     OvRunCompress},
    {nullptr, "decompress", "decompress IN OUT: a compressed engine file expanded",
     {{"in", "IN: the compressed file", true}, {"out", "OUT: the file to write", true}}, nullptr, false,
     OvRunDecompress},
    {"hashfile", "list", "hashfile list FILE: CRC and name of each record, in slot order",
     {{"file", "FILE: the identifier hash file", true}, {}}, nullptr, false, OvRunHashFileList},
};

const char* const kGroups[][2] = {{"bigfile", "Big-file archives"},
                                  {"sml", "SML script trees"},
                                  {"hashfile", "Identifier hash files"}};

// The first of any further arguments, which the parser records as the command's last declared
// argument; the rest come as its extra arguments.
const char kMoreArguments[] = "more";

// What the parse chose: the group and command begun.
struct SOvToolChoice {
  const char* group = nullptr;
  const SOvToolCommand* command = nullptr;
};

void DeclareCommand(COvDescriptor& descriptor, const SOvToolCommand& command, SOvToolChoice& choice) {
  descriptor.BeginCommand(command.name, command.help, [&choice, &command](COvResult*) {
    choice.command = &command;
    return OV_PARSE_SUCCESS;
  });
  if (command.hasSwap) descriptor.AddSwitch("", "swap", "Writes numbers byte-reversed");
  for (const SOvToolArgument& argument : command.args) {
    if (argument.name) descriptor.AddArgument(argument.name, argument.help);
  }
  if (command.extraHelp) descriptor.AddArgument(kMoreArguments, command.extraHelp);
  descriptor.EndCommand();
}

void Declare(COvDescriptor& descriptor, SOvToolChoice& choice) {
  descriptor.SetHelp(kDescription).AddSwitch("h", "help", "Prints this help");
  for (const SOvToolCommand& command : kCommands) {
    if (!command.group) DeclareCommand(descriptor, command, choice);
  }
  for (const auto& group : kGroups) {
    const char* name = group[0];
    descriptor.BeginCommand(name, group[1], [&choice, name](COvResult*) {
      choice.group = name;
      return OV_PARSE_SUCCESS;
    });
    for (const SOvToolCommand& command : kCommands) {
      if (command.group && std::string(command.group) == name) DeclareCommand(descriptor, command, choice);
    }
    descriptor.EndCommand();
  }
}

// The command's arguments in declaration order, checked for presence and count.
int Collect(const COvResult& result, const SOvToolCommand& command, SOvToolInvocation& call) {
  std::string usage = command.help;
  usage = usage.substr(0, usage.find(':'));
  for (const SOvToolArgument& argument : command.args) {
    if (!argument.name) continue;
    if (argument.required && !result.IsArgumentSet(argument.name)) {
      return OvToolFail(eOvDataTool_BadUsage, "missing argument; usage: OvDataTool %s", usage.c_str());
    }
    call.args.push_back(static_cast<const char*>(result.GetArgument(argument.name)));
  }
  if (command.extraHelp && result.IsArgumentSet(kMoreArguments)) {
    call.extra.push_back(static_cast<const char*>(result.GetArgument(kMoreArguments)));
  }
  for (int i = 0; i < result.GetExtraArgumentCount(); ++i) call.extra.push_back(result.GetExtraArgument(i));
  if (!command.extraHelp && !call.extra.empty()) {
    return OvToolFail(eOvDataTool_BadUsage, "unexpected argument '%s'; usage: OvDataTool %s", call.extra[0].c_str(),
                      usage.c_str());
  }
  call.swap = command.hasSwap && result.IsSwitchSet("swap", true);
  return eOvDataTool_Success;
}

}  // namespace

int OvDataToolMain(int argc, const char* const* argv) {
  COvDescriptor descriptor;
  SOvToolChoice choice;
  Declare(descriptor, choice);
  COvResult result;
  if (COvParser(&descriptor, &result).Parse(argc > 0 ? argc - 1 : 0, argv + (argc > 0 ? 1 : 0)) != OV_PARSE_SUCCESS) {
    return OvToolFail(eOvDataTool_BadUsage, "%s (OvDataTool --help lists the commands)", result.GetLastError());
  }
  if (result.IsSwitchSet("help", true)) {
    descriptor.PrintHelp();
    return eOvDataTool_Success;
  }
  if (!choice.command) {
    if (choice.group) {
      return OvToolFail(eOvDataTool_BadUsage, "%s: missing or unknown command (OvDataTool --help lists them)",
                        choice.group);
    }
    if (result.GetExtraArgumentCount() > 0) {
      return OvToolFail(eOvDataTool_BadUsage, "unknown command '%s' (OvDataTool --help lists the commands)",
                        result.GetExtraArgument(0));
    }
    return OvToolFail(eOvDataTool_BadUsage, "no command given (OvDataTool --help lists the commands)");
  }
  SOvToolInvocation call;
  if (int status = Collect(result, *choice.command, call)) return status;
  return choice.command->run(call);
}
