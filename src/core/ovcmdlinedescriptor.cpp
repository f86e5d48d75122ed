// Declaring a command line and printing its help text.
#include <cstdio>

#include "core/ovcmdline.h"
#include "core/ovstrfuncs.h"

namespace OvCmdLine {

namespace {

// Tables keep the first entry of a name.
template <class T>
void AddName(CommandDescriptor::Table<T>& table, const char* name, T* target) {
  for (const auto& entry : table) {
    if (ovStrcmp(entry.first.GetBuffer(), name) == 0) return;
  }
  table.Add(std::make_pair(TOvString<char>(name), target));
}

void AppendAliases(TOvString<char>& out, const CommandDescriptor::Table<ParameterDescriptor>& table,
                   const ParameterDescriptor* parameter, const char* prefix, bool& any) {
  for (const auto& entry : table) {
    if (entry.second != parameter) continue;
    out += "\n ";
    out += prefix;
    out += entry.first;
    out += " :";
    any = true;
  }
}

void AppendCommandHelp(TOvString<char>& out, const CommandDescriptor& command) {
  if (command.m_Switches.GetCount() > 0) {
    out += "Options:";
    for (const ParameterDescriptor* parameter : command.m_Switches) {
      bool any = false;
      AppendAliases(out, command.m_ShortAliases, parameter, "-", any);
      AppendAliases(out, command.m_LongAliases, parameter, "--", any);
      if (any) {
        out += " ";
        out += parameter->m_Help;
      }
    }
    out += "\n";
  }
  if (command.m_Arguments.GetCount() > 0) {
    out += "Expected arguments:\n";
    for (int i = 0; i < command.m_Arguments.GetCount(); ++i) {
      char number[16];
      std::snprintf(number, sizeof(number), " (%d) ", i + 1);
      out += number;
      out += command.m_Arguments[i]->m_Help;
      out += "\n";
    }
  }
  if (command.m_SubCommands.GetCount() > 0) {
    out += "Commands:\n";
    for (const CommandDescriptor* sub : command.m_SubCommands) {
      out += " * ";
      out += sub->m_Name;
      out += " : ";
      out += sub->m_Help;
      out += "\n";
      AppendCommandHelp(out, *sub);
    }
  }
}

}  // namespace

CommandDescriptor::~CommandDescriptor() {
  for (CommandDescriptor* sub : m_SubCommands) delete sub;
  for (ParameterDescriptor* parameter : m_Switches) delete parameter;
  for (ParameterDescriptor* parameter : m_Arguments) delete parameter;
}

COvDescriptor& COvDescriptor::SetHelp(const char* text) {
  m_Help = text;
  return *this;
}

COvDescriptor& COvDescriptor::AddSwitch(const char* shortName, const char* longName, const char* help,
                                        const COvParameterValue& defaultValue,
                                        OvParameterCallback callback) {
  auto* parameter = new ParameterDescriptor{defaultValue, std::move(callback), TOvString<char>(help)};
  m_pCurrent->m_Switches.Add(parameter);
  m_pLastSwitch = parameter;
  if (shortName && *shortName) AddName(m_pCurrent->m_ShortAliases, shortName, parameter);
  if (longName && *longName) AddName(m_pCurrent->m_LongAliases, longName, parameter);
  return *this;
}

COvDescriptor& COvDescriptor::AddAlias(const char* name, ParameterDescriptor* parameter) {
  if (!parameter) parameter = m_pLastSwitch;
  if (name && parameter) AddName(m_pCurrent->m_ShortAliases, name, parameter);
  return *this;
}

COvDescriptor& COvDescriptor::AddLongAlias(const char* name, ParameterDescriptor* parameter) {
  if (!parameter) parameter = m_pLastSwitch;
  if (name && parameter) AddName(m_pCurrent->m_LongAliases, name, parameter);
  return *this;
}

COvDescriptor& COvDescriptor::AddArgument(const char* name, const char* help,
                                          const COvParameterValue& defaultValue,
                                          OvParameterCallback callback) {
  auto* parameter = new ParameterDescriptor{defaultValue, std::move(callback), TOvString<char>(help)};
  m_pCurrent->m_Arguments.Add(parameter);
  if (name) AddName(m_pCurrent->m_ArgumentNames, name, parameter);
  m_pLastSwitch = nullptr;
  return *this;
}

COvDescriptor& COvDescriptor::BeginCommand(const char* name, const char* help,
                                           OvCommandCallback beginCallback,
                                           OvCommandCallback endCallback) {
  if (!name) return *this;
  auto* command = new CommandDescriptor;
  command->m_Name = name;
  command->m_Help = help;
  command->m_pParent = m_pCurrent;
  command->m_BeginCallback = std::move(beginCallback);
  command->m_EndCallback = std::move(endCallback);
  m_pCurrent->m_SubCommands.Add(command);
  AddName(m_pCurrent->m_SubCommandNames, name, command);
  m_pCurrent = command;
  return *this;
}

COvDescriptor& COvDescriptor::EndCommand() {
  if (m_pCurrent->m_pParent) m_pCurrent = m_pCurrent->m_pParent;
  return *this;
}

COvDescriptor& COvDescriptor::AddCommand(const char* name, const char* help,
                                         OvCommandCallback beginCallback,
                                         OvCommandCallback endCallback) {
  CommandDescriptor* before = m_pCurrent;
  BeginCommand(name, help, std::move(beginCallback), std::move(endCallback));
  if (m_pCurrent != before) EndCommand();
  return *this;
}

TOvString<char> COvDescriptor::GetHelpText() const {
  TOvString<char> out(m_Help);
  out += "\nUsage: program [command [subcommand...]] [options...] [extra arguments...]\n";
  AppendCommandHelp(out, m_Root);
  return out;
}

void COvDescriptor::PrintHelp() const { std::printf("%s", GetHelpText().GetBuffer()); }

}  // namespace OvCmdLine
