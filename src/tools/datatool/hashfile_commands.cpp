// hashfile list: the records of an identifier hash file, in the slot order of a table that
// holds just them (not the process registry, which knows the built-in names as well).
#include <cinttypes>
#include <cstdio>

#include "core/ovidentifier.h"
#include "tools/datatool/commands.h"
#include "tools/datatool/tool_io.h"

int OvRunHashFileList(const SOvToolInvocation& call) {
  const std::string& input = call.args[0];
  if (int status = OvToolCheckInputFile(input)) return status;
  COvIdentifierHashTable table;
  if (!table.LoadHashFile(input.c_str(), false)) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: not a hash file (damaged or cut short)", input.c_str());
  }
  for (int i = 0; i < table.GetSlotCount(); ++i) {
    if (const COvIdentifierHashEntry* entry = table.GetSlot(i)) {
      std::printf("%016" PRIX64 " %s\n", entry->GetCrc64(), entry->GetName().GetBuffer());
    }
  }
  return eOvDataTool_Success;
}
