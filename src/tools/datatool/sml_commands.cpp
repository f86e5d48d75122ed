// sml to-xml / from-xml: SML script trees to XML text and back, through COvScriptTree and the
// library's two serializers.
#include <cinttypes>
#include <cstdio>
#include <vector>

#include "core/ovidentifier.h"
#include "scripttree/ovscripttreeserializersml.h"
#include "scripttree/ovscripttreeserializerxml.h"
#include "tools/datatool/commands.h"
#include "tools/datatool/tool_io.h"

namespace {

// XML needs a readable name for every node and attribute; an SML file whose name table lacks
// one would give an element named "CRC<...>" that no reader takes back. Text nodes (the null
// identifier) are fine below the root but cannot be the document element.
int CheckNamesKnown(const COvScriptTree& tree, const std::string& path) {
  COvIdentifierManager* names = COvIdentifierManager::GetInstance();
  if (tree.GetRootNode()->GetIdentifier().IsNull()) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: the root node has no name, so it has no XML form", path.c_str());
  }
  std::vector<const COvScriptTreeNode*> pending{tree.GetRootNode()};
  while (!pending.empty()) {
    const COvScriptTreeNode* node = pending.back();
    pending.pop_back();
    std::vector<uint64_t> crcs;
    if (!node->GetIdentifier().IsNull()) crcs.push_back(node->GetIdentifier().GetCrc64());
    for (int i = 0; i < node->GetAttributeCount(); ++i) crcs.push_back(node->GetAttribute(i).GetIdentifier().GetCrc64());
    for (uint64_t crc : crcs) {
      if (!names->FindNameForCrc64(crc)) {
        return OvToolFail(eOvDataTool_FailedInput, "%s: no name for identifier CRC<%016" PRIX64 "> in its name table",
                          path.c_str(), crc);
      }
    }
    for (int i = 0; i < node->GetChildCount(); ++i) pending.push_back(node->GetChild(i));
  }
  return eOvDataTool_Success;
}

}  // namespace

int OvRunSmlToXml(const SOvToolInvocation& call) {
  const std::string& input = call.args[0];
  const std::string& output = call.args[1];
  if (int status = OvToolCheckInputAndOutput(input, output)) return status;
  COvScriptTree tree;
  COvScriptTreeSerializerSML sml;
  if (!sml.Load(tree, input.c_str())) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: not an SML file (damaged or cut short)", input.c_str());
  }
  if (!tree.GetRootNode()) return OvToolFail(eOvDataTool_FailedInput, "%s: empty SML file, nothing to convert", input.c_str());
  if (int status = CheckNamesKnown(tree, input)) return status;
  TOvString<char> text;
  COvScriptTreeSerializerXML xml;
  if (!xml.Dump(tree, text)) return OvToolFail(eOvDataTool_FailedInput, "%s: tree too large for XML text", input.c_str());
  if (output.empty()) {
    std::fputs(text.GetBuffer(), stdout);
    return std::fflush(stdout) == 0 ? eOvDataTool_Success
                                    : OvToolFail(eOvDataTool_FailedOutput, "standard output cannot be written");
  }
  COvToolOutputFile file(output);
  if (!file.Open() || !file.Write(text.GetBuffer(), text.GetLength()) || !file.Commit()) {
    return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written", output.c_str());
  }
  return eOvDataTool_Success;
}

int OvRunSmlFromXml(const SOvToolInvocation& call) {
  const std::string& input = call.args[0];
  const std::string& output = call.args[1];
  if (int status = OvToolCheckInputAndOutput(input, output)) return status;
  COvScriptTree tree;
  COvScriptTreeSerializerXML xml;
  if (!xml.Load(tree, input.c_str())) {
    return OvToolFail(eOvDataTool_FailedInput, "%s: not a well-formed XML document", input.c_str());
  }
  COvToolOutputFile file(output);
  COvScriptTreeSerializerSML sml;
  if (!sml.Save(tree, file.TemporaryPath().c_str(), call.swap) || !file.Commit()) {
    return OvToolFail(eOvDataTool_FailedOutput, "%s: cannot be written", output.c_str());
  }
  return eOvDataTool_Success;
}
