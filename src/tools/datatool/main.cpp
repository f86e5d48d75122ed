// Entry point of OvDataTool; everything else lives in the ovdatatool library.
#include "tools/datatool/datatool.h"

int main(int argc, char** argv) { return OvDataToolMain(argc, argv); }
