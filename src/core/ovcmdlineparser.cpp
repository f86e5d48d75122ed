// Walking the tokens of one command line against a descriptor.
#include <cstring>

#include "core/ovcmdline.h"
#include "core/ovcommandlinesplit.h"
#include "core/ovstrfuncs.h"

namespace OvCmdLine {

const char* COvParameterIteratorSplit::GetNext() {
  return OvCommandLineNextToken(m_pCursor, m_Token) ? m_Token.GetBuffer() : nullptr;
}

EOvParseResult COvParser::Parse(int count, const char* const* array) {
  COvParameterIteratorArray iterator(count, array);
  return Parse(iterator);
}

EOvParseResult COvParser::Parse(const char* commandLine) {
  COvParameterIteratorSplit iterator(commandLine);
  return Parse(iterator);
}

EOvParseResult COvParser::Parse(COvParameterIterator& iterator) {
  m_iPositional = -1;
  m_pResult->Initialize(m_pDescriptor);
  m_pResult->BeginCommand(m_pDescriptor->GetRoot());
  bool commandPhase = true;
  const ParameterDescriptor* pending = nullptr;
  while (const char* token = iterator.GetNext()) {
    if (commandPhase) {
      const CommandDescriptor* current = m_pResult->GetLookupCommand();
      const CommandDescriptor* sub = nullptr;
      for (const auto& entry : current->m_SubCommandNames) {
        if (ovStrcmp(entry.first.GetBuffer(), token) == 0) sub = entry.second;
        if (sub) break;
      }
      if (sub) {
        m_pResult->BeginCommand(sub);
        continue;
      }
      commandPhase = false;
    }
    EOvParseResult status = OV_PARSE_SUCCESS;
    if (pending) {
      m_pResult->ProcessArgument(pending, token);
      pending = nullptr;
    } else if (token[0] == '-' && token[1] == '-') {
      status = ParseLong(token + 2, pending);
    } else if (token[0] == '-') {
      status = ParseShort(token + 1, pending);
    } else {
      status = ParsePositional(token);
    }
    if (status != OV_PARSE_SUCCESS) return status;
  }
  m_pResult->Terminate();
  return OV_PARSE_SUCCESS;
}

EOvParseResult COvParser::ParseLong(const char* name, const ParameterDescriptor*& pending) {
  bool negated = std::strncmp(name, "no-", 3) == 0;
  if (negated) name += 3;
  const ParameterDescriptor* parameter = COvResult::FindSwitch(m_pResult->GetLookupCommand(), name, true);
  if (!parameter) {
    return m_pResult->SetLastError(OV_PARSE_COMMAND_LINE_ERROR, "Unknown long form parameter: --%s.", name);
  }
  switch (parameter->m_DefaultValue.GetType()) {
    case OV_PARAM_SWITCH:
      if (negated) {
        return m_pResult->SetLastError(OV_PARSE_COMMAND_LINE_ERROR,
                                       "The switch '%s' cannot be preceded by 'no-'.", name);
      }
      m_pResult->ProcessArgument(parameter, true);
      break;
    case OV_PARAM_BOOL:
      m_pResult->ProcessArgument(parameter, !negated);
      break;
    default:
      if (negated) {
        m_pResult->ProcessArgument(parameter, "");
      } else {
        pending = parameter;
      }
      break;
  }
  return OV_PARSE_SUCCESS;
}

EOvParseResult COvParser::ParseShort(const char* text, const ParameterDescriptor*& pending) {
  if (!*text) return m_pResult->SetLastError(OV_PARSE_COMMAND_LINE_ERROR, "Empty short form parameter.");
  const CommandDescriptor* command = m_pResult->GetLookupCommand();
  bool first = true;
  while (*text) {
    TOvString<char> alias;
    const ParameterDescriptor* parameter = nullptr;
    if (first && text[1]) parameter = COvResult::FindSwitch(command, text, false);
    if (parameter) {
      alias = text;
      text += std::strlen(text);
    } else {
      alias = TOvString<char>(text, 1);
      ++text;
      parameter = COvResult::FindSwitch(command, alias, false);
      if (!parameter) {
        return m_pResult->SetLastError(OV_PARSE_COMMAND_LINE_ERROR, "Unknown short form parameter: -%s.",
                                       alias.GetBuffer());
      }
    }
    first = false;
    EOvParameterType type = parameter->m_DefaultValue.GetType();
    if (type != OV_PARAM_SWITCH && type != OV_PARAM_BOOL) {
      if (*text) {
        m_pResult->ProcessArgument(parameter, text);
      } else {
        pending = parameter;
      }
      return OV_PARSE_SUCCESS;
    }
    bool value = true;
    if (*text == '-') {
      ++text;
      value = false;
      if (type == OV_PARAM_SWITCH) {
        return m_pResult->SetLastError(OV_PARSE_COMMAND_LINE_ERROR,
                                       "The switch '%s' cannot be toggled off, unlike a boolean value.",
                                       alias.GetBuffer());
      }
    }
    m_pResult->ProcessArgument(parameter, value);
  }
  return OV_PARSE_SUCCESS;
}

EOvParseResult COvParser::ParsePositional(const char* token) {
  ++m_iPositional;
  // The chain root first: a command's own arguments come after all of its ancestors'.
  COvArray<const CommandDescriptor*> chain;
  for (const CommandDescriptor* c = m_pResult->GetLookupCommand(); c; c = c->m_pParent) chain.Add(c);
  int index = m_iPositional;
  for (int i = chain.GetCount() - 1; i >= 0; --i) {
    const auto& arguments = chain[i]->m_Arguments;
    if (index < arguments.GetCount()) return m_pResult->ProcessArgument(arguments[index], token);
    index -= arguments.GetCount();
  }
  return m_pResult->ProcessArgument(nullptr, token);
}

}  // namespace OvCmdLine
