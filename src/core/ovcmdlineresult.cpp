// What a parse found: values by parameter, extra arguments, the commands begun, the error.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/ovcmdline.h"
#include "core/ovstrfuncs.h"

namespace OvCmdLine {

namespace {

template <class T>
T* FindName(const CommandDescriptor::Table<T>& table, const char* name) {
  for (const auto& entry : table) {
    if (ovStrcmp(entry.first.GetBuffer(), name) == 0) return entry.second;
  }
  return nullptr;
}

const COvParameterValue& UnknownValue() {
  static const COvParameterValue value(false);
  return value;
}

}  // namespace

bool COvParameterValue::operator==(const COvParameterValue& other) const {
  if (m_eType != other.m_eType) return false;
  switch (m_eType) {
    case OV_PARAM_SWITCH:
    case OV_PARAM_BOOL:
      return m_Value.b == other.m_Value.b;
    case OV_PARAM_INT:
      return m_Value.i == other.m_Value.i;
    case OV_PARAM_FLOAT:
      return m_Value.f == other.m_Value.f;
    case OV_PARAM_STRING:
      return ovStrcmp(m_String.GetBuffer(), other.m_String.GetBuffer()) == 0;
  }
  return false;
}

EOvParseResult COvResult::Initialize(const COvDescriptor* descriptor) {
  m_pDescriptor = descriptor;
  m_pCurrentCommand = nullptr;
  m_pLastCommand = nullptr;
  m_Values.RemoveAll();
  m_ExtraArguments.RemoveAll();
  m_LastError.Clear();
  return OV_PARSE_SUCCESS;
}

EOvParseResult COvResult::Terminate() {
  while (m_pCurrentCommand) EndCommand();
  return OV_PARSE_SUCCESS;
}

EOvParseResult COvResult::BeginCommand(const CommandDescriptor* command) {
  m_pCurrentCommand = command;
  m_pLastCommand = command;
  return command->m_BeginCallback.Call(this);
}

EOvParseResult COvResult::EndCommand() {
  if (!m_pCurrentCommand) return OV_PARSE_SUCCESS;
  const CommandDescriptor* command = m_pCurrentCommand;
  m_pCurrentCommand = command->m_pParent;
  return command->m_EndCallback.Call(this);
}

EOvParseResult COvResult::ProcessArgument(const ParameterDescriptor* parameter, bool value) {
  if (!parameter) return OV_PARSE_SUCCESS;
  EOvParameterType type = parameter->m_DefaultValue.GetType();
  if (type != OV_PARAM_SWITCH && type != OV_PARAM_BOOL) return OV_PARSE_SUCCESS;
  if (!FindValue(parameter)) {
    m_Values.Add(std::make_pair(parameter, type == OV_PARAM_SWITCH ? COvParameterValue()
                                                                   : COvParameterValue(value)));
  }
  if (parameter->m_Callback) parameter->m_Callback(this, COvParameterValue(value));
  return OV_PARSE_SUCCESS;
}

EOvParseResult COvResult::ProcessArgument(const ParameterDescriptor* parameter, const char* text) {
  if (!text) text = "";
  if (!parameter) {
    m_ExtraArguments.Add(TOvString<char>(text));
    return OV_PARSE_SUCCESS;
  }
  COvParameterValue value(text);
  switch (parameter->m_DefaultValue.GetType()) {
    case OV_PARAM_BOOL:
      value = COvParameterValue(ovStrcmpNoCase(text, "1") == 0 || ovStrcmpNoCase(text, "true") == 0 ||
                                ovStrcmpNoCase(text, "yes") == 0);
      break;
    case OV_PARAM_INT:
      value = COvParameterValue(static_cast<int>(ovStringToS32(text)));
      break;
    case OV_PARAM_FLOAT:
      value = COvParameterValue(ovStringToFloat(text));
      break;
    default:
      break;
  }
  if (!FindValue(parameter)) m_Values.Add(std::make_pair(parameter, value));
  if (parameter->m_Callback) {
    bool asText = parameter->m_DefaultValue.GetType() == OV_PARAM_BOOL;
    parameter->m_Callback(this, asText ? COvParameterValue(text) : value);
  }
  return OV_PARSE_SUCCESS;
}

const CommandDescriptor* COvResult::GetLookupCommand() const {
  // After the parse every command is closed; the last one begun still names the scope.
  return m_pCurrentCommand ? m_pCurrentCommand : m_pLastCommand;
}

const ParameterDescriptor* COvResult::FindSwitch(const CommandDescriptor* command, const char* name,
                                                 bool isLong) {
  if (!name) return nullptr;
  for (; command; command = command->m_pParent) {
    if (auto* found = FindName(isLong ? command->m_LongAliases : command->m_ShortAliases, name)) return found;
  }
  return nullptr;
}

const COvParameterValue* COvResult::FindValue(const ParameterDescriptor* parameter) const {
  for (const auto& entry : m_Values) {
    if (entry.first == parameter) return &entry.second;
  }
  return nullptr;
}

bool COvResult::IsSwitchSet(const char* name, bool isLong) const {
  const ParameterDescriptor* parameter = FindSwitch(GetLookupCommand(), name, isLong);
  return parameter && FindValue(parameter);
}

const COvParameterValue& COvResult::GetSwitch(const char* name, bool isLong) const {
  const ParameterDescriptor* parameter = FindSwitch(GetLookupCommand(), name, isLong);
  if (!parameter) return UnknownValue();
  const COvParameterValue* value = FindValue(parameter);
  return value ? *value : parameter->m_DefaultValue;
}

bool COvResult::IsArgumentSet(const char* name) const {
  if (!name) return false;
  for (const CommandDescriptor* command = GetLookupCommand(); command; command = command->m_pParent) {
    if (auto* parameter = FindName(command->m_ArgumentNames, name)) return FindValue(parameter) != nullptr;
  }
  return false;
}

const COvParameterValue& COvResult::GetArgument(const char* name) const {
  if (!name) return UnknownValue();
  for (const CommandDescriptor* command = GetLookupCommand(); command; command = command->m_pParent) {
    if (auto* parameter = FindName(command->m_ArgumentNames, name)) {
      const COvParameterValue* value = FindValue(parameter);
      return value ? *value : parameter->m_DefaultValue;
    }
  }
  return UnknownValue();
}

const char* COvResult::GetExtraArgument(int index, const char* defaultValue) const {
  if (index < 0 || index >= m_ExtraArguments.GetCount()) return defaultValue;
  return m_ExtraArguments[index].GetBuffer();
}

const char* COvResult::GetCommand() const {
  if (!m_pLastCommand || m_pLastCommand->m_Name.IsEmpty()) return nullptr;
  return m_pLastCommand->m_Name.GetBuffer();
}

EOvParseResult COvResult::SetLastError(EOvParseResult code, const char* format, ...) {
  if (!format) {
    m_LastError.Clear();
    return code;
  }
  char buffer[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof(buffer), format, args);
  va_end(args);
  m_LastError = buffer;
  return code;
}

}  // namespace OvCmdLine
