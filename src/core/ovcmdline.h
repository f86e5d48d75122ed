// Declarative command-line parser. A program describes its command line once in a
// COvDescriptor (a tree of commands, each with switches and positional arguments); a COvParser
// walks the tokens of one command line against it and records what it found in a COvResult.
// Results can be read after Parse returns: lookups start at the innermost open command, or at
// the last command begun once every command has been closed.
#pragma once

#include <functional>
#include <utility>

#include "core/ovarray.h"
#include "core/ovstring.h"

namespace OvCmdLine {

enum EOvParameterType { OV_PARAM_SWITCH = 0, OV_PARAM_BOOL = 1, OV_PARAM_INT = 2, OV_PARAM_FLOAT = 3, OV_PARAM_STRING = 4 };

enum EOvParseResult { OV_PARSE_SUCCESS = 0, OV_PARSE_COMMAND_LINE_ERROR = 4 };

class COvParameterValue {
 public:
  COvParameterValue() : m_eType(OV_PARAM_SWITCH) { m_Value.b = true; }
  COvParameterValue(bool value) : m_eType(OV_PARAM_BOOL) { m_Value.b = value; }
  COvParameterValue(int value) : m_eType(OV_PARAM_INT) { m_Value.i = value; }
  COvParameterValue(float value) : m_eType(OV_PARAM_FLOAT) { m_Value.f = value; }
  COvParameterValue(const char* text) : m_String(text), m_eType(OV_PARAM_STRING) { m_Value.i = 0; }
  // The zero value of type (a switch reads as unset).
  COvParameterValue(EOvParameterType type) : m_eType(type) { m_Value.i = 0; }

  EOvParameterType GetType() const { return m_eType; }
  bool GetBool() const { return m_Value.b; }
  int GetInt() const { return m_Value.i; }
  float GetFloat() const { return m_Value.f; }
  operator const char*() const { return m_String.GetBuffer(); }
  bool operator==(const COvParameterValue& other) const;
  bool operator!=(const COvParameterValue& other) const { return !(*this == other); }

 private:
  union {
    bool b;
    int i;
    float f;
  } m_Value;
  TOvString<char> m_String;
  EOvParameterType m_eType;
};

class COvResult;
class COvDescriptor;

// Called with each value found for a parameter; may be empty.
using OvParameterCallback = std::function<EOvParseResult(COvResult*, const COvParameterValue&)>;

// A command's begin or end callback: a member of a COvResult (bound with std::mem_fn or a
// lambda) or a plain function taking the result; Call runs it when set.
class OvCommandCallback {
 public:
  OvCommandCallback() = default;
  OvCommandCallback(EOvParseResult (*function)(COvResult*)) {
    if (function) m_Function = function;
  }
  template <class F>
  OvCommandCallback(F function) : m_Function(std::move(function)) {}
  EOvParseResult Call(COvResult* result) const {
    return m_Function ? m_Function(result) : OV_PARSE_SUCCESS;
  }

 private:
  std::function<EOvParseResult(COvResult*)> m_Function;
};

struct ParameterDescriptor {
  COvParameterValue m_DefaultValue;
  OvParameterCallback m_Callback;
  TOvString<char> m_Help;
};

struct CommandDescriptor {
  template <class T>
  using Table = COvArray<std::pair<TOvString<char>, T*>>;

  CommandDescriptor() = default;
  CommandDescriptor(const CommandDescriptor&) = delete;
  CommandDescriptor& operator=(const CommandDescriptor&) = delete;
  ~CommandDescriptor();

  TOvString<char> m_Name;
  TOvString<char> m_Help;
  CommandDescriptor* m_pParent = nullptr;
  OvCommandCallback m_EndCallback;
  OvCommandCallback m_BeginCallback;
  COvArray<CommandDescriptor*> m_SubCommands;
  Table<CommandDescriptor> m_SubCommandNames;
  COvArray<ParameterDescriptor*> m_Switches;
  Table<ParameterDescriptor> m_ShortAliases;
  Table<ParameterDescriptor> m_LongAliases;
  COvArray<ParameterDescriptor*> m_Arguments;
  Table<ParameterDescriptor> m_ArgumentNames;
};

class COvDescriptor {
 public:
  COvDescriptor() = default;
  COvDescriptor(const COvDescriptor&) = delete;
  COvDescriptor& operator=(const COvDescriptor&) = delete;

  COvDescriptor& SetHelp(const char* text);
  COvDescriptor& AddSwitch(const char* shortName, const char* longName, const char* help,
                           const COvParameterValue& defaultValue = COvParameterValue(OV_PARAM_SWITCH),
                           OvParameterCallback callback = nullptr);
  // A null switch means the switch declared last; ignored when name or switch is null.
  COvDescriptor& AddAlias(const char* name, ParameterDescriptor* parameter = nullptr);
  COvDescriptor& AddLongAlias(const char* name, ParameterDescriptor* parameter = nullptr);
  COvDescriptor& AddArgument(const char* name, const char* help,
                             const COvParameterValue& defaultValue = COvParameterValue(OV_PARAM_STRING),
                             OvParameterCallback callback = nullptr);
  COvDescriptor& BeginCommand(const char* name, const char* help,
                              OvCommandCallback beginCallback = OvCommandCallback(),
                              OvCommandCallback endCallback = OvCommandCallback());
  COvDescriptor& EndCommand();
  COvDescriptor& AddCommand(const char* name, const char* help,
                            OvCommandCallback beginCallback = OvCommandCallback(),
                            OvCommandCallback endCallback = OvCommandCallback());

  // The help text, as PrintHelp writes it to standard output.
  TOvString<char> GetHelpText() const;
  void PrintHelp() const;

  const CommandDescriptor* GetRoot() const { return &m_Root; }
  ParameterDescriptor* GetLastSwitch() const { return m_pLastSwitch; }

 private:
  TOvString<char> m_Help;
  CommandDescriptor m_Root;
  CommandDescriptor* m_pCurrent = &m_Root;
  ParameterDescriptor* m_pLastSwitch = nullptr;
};

class COvResult {
 public:
  COvResult() = default;
  COvResult(const COvResult&) = delete;
  COvResult& operator=(const COvResult&) = delete;
  virtual ~COvResult() = default;

  virtual EOvParseResult Initialize(const COvDescriptor* descriptor);
  virtual EOvParseResult Terminate();
  virtual EOvParseResult BeginCommand(const CommandDescriptor* command);
  virtual EOvParseResult EndCommand();
  virtual EOvParseResult ProcessArgument(const ParameterDescriptor* parameter, bool value);
  // A null parameter appends text to the extra arguments.
  virtual EOvParseResult ProcessArgument(const ParameterDescriptor* parameter, const char* text);

  bool IsSwitchSet(const char* name, bool isLong) const;
  const COvParameterValue& GetSwitch(const char* name, bool isLong) const;
  bool IsArgumentSet(const char* name) const;
  const COvParameterValue& GetArgument(const char* name) const;
  const char* GetExtraArgument(int index, const char* defaultValue = nullptr) const;
  int GetExtraArgumentCount() const { return m_ExtraArguments.GetCount(); }
  // Null for the root command.
  const char* GetCommand() const;
  const char* GetLastError() const { return m_LastError.GetBuffer(); }
  EOvParseResult SetLastError(EOvParseResult code, const char* format, ...);

  // The parser's view: the command lookups start from, and the chain lookups.
  const CommandDescriptor* GetLookupCommand() const;
  static const ParameterDescriptor* FindSwitch(const CommandDescriptor* command, const char* name,
                                               bool isLong);

 private:
  const COvParameterValue* FindValue(const ParameterDescriptor* parameter) const;

  const COvDescriptor* m_pDescriptor = nullptr;
  const CommandDescriptor* m_pCurrentCommand = nullptr;
  const CommandDescriptor* m_pLastCommand = nullptr;
  COvArray<std::pair<const ParameterDescriptor*, COvParameterValue>> m_Values;
  COvArray<TOvString<char>> m_ExtraArguments;
  TOvString<char> m_LastError;
};

class COvParameterIterator {
 public:
  virtual ~COvParameterIterator() = default;
  // The next token, or null at the end.
  virtual const char* GetNext() = 0;
};

// Yields exactly the count texts given (a whole argument vector includes the program name).
class COvParameterIteratorArray : public COvParameterIterator {
 public:
  COvParameterIteratorArray(int count, const char* const* array) : m_iCount(count), m_pArray(array) {}
  const char* GetNext() override { return m_iIndex < m_iCount ? m_pArray[m_iIndex++] : nullptr; }

 private:
  int m_iCount;
  const char* const* m_pArray;
  int m_iIndex = 0;
};

// Splits one command-line string; the returned token lives until the next call.
class COvParameterIteratorSplit : public COvParameterIterator {
 public:
  explicit COvParameterIteratorSplit(const char* text) : m_pCursor(text) {}
  const char* GetNext() override;

 private:
  const char* m_pCursor;
  TOvString<char> m_Token;
};

class COvParser {
 public:
  COvParser(const COvDescriptor* descriptor, COvResult* result)
      : m_pDescriptor(descriptor), m_pResult(result) {}

  EOvParseResult Parse(COvParameterIterator& iterator);
  EOvParseResult Parse(int count, const char* const* array);
  EOvParseResult Parse(const char* commandLine);

 private:
  EOvParseResult ParseLong(const char* name, const ParameterDescriptor*& pending);
  EOvParseResult ParseShort(const char* text, const ParameterDescriptor*& pending);
  EOvParseResult ParsePositional(const char* token);

  const COvDescriptor* m_pDescriptor;
  COvResult* m_pResult;
  int m_iPositional = -1;
};

}  // namespace OvCmdLine
