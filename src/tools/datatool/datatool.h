// OvDataTool: inspects and converts the engine's data files (big-file archives, SML script
// trees, compressed files, identifier hash files) through the ovcore library.
#pragma once

// Exit statuses of the tool, also listed in its help text.
enum EOvDataToolStatus {
  eOvDataTool_Success = 0,
  eOvDataTool_BadUsage = 1,     // unknown command or switch, missing or extra arguments
  eOvDataTool_FailedInput = 2,  // an input is missing, unreadable or damaged
  eOvDataTool_FailedOutput = 3, // an output could not be written
};

// Runs one command line (argv[0] is the program name) and returns its exit status.
int OvDataToolMain(int argc, const char* const* argv);
