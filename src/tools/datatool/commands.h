// The OvDataTool commands. Each takes the command's positional arguments in declaration order
// (an optional one left out is empty), the extra arguments and the switches, does its work
// and returns an exit status, having reported any failure on standard error.
#pragma once

#include <string>
#include <vector>

struct SOvToolInvocation {
  std::vector<std::string> args;
  std::vector<std::string> extra;
  bool swap = false;
};

int OvRunBigFileList(const SOvToolInvocation& call);
int OvRunBigFileExtract(const SOvToolInvocation& call);
int OvRunBigFilePack(const SOvToolInvocation& call);
int OvRunSmlToXml(const SOvToolInvocation& call);
int OvRunSmlFromXml(const SOvToolInvocation& call);
int OvRunCompress(const SOvToolInvocation& call);
int OvRunDecompress(const SOvToolInvocation& call);
int OvRunHashFileList(const SOvToolInvocation& call);
