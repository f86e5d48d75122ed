// Fuzz target: the command-line splitter, by both backslash rules. Quoting each argument of a
// split and joining them must give a text that splits into the same arguments.
#include <cstddef>
#include <cstdint>

#include "core/ovcommandlinesplit.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TOvString<char> text = ovfuzz::AsText(data, size);
  const char* cursor = text.GetBuffer();
  TOvString<char> token;
  while (OvCommandLineNextToken(cursor, token)) {
  }

  COvArray<TOvString<char>> arguments;
  OvSplitCommandLine(text.GetBuffer(), arguments);
  TOvString<char> joined;
  for (const TOvString<char>& argument : arguments) joined += OvQuoteCommandLineArgument(argument) + " ";
  COvArray<TOvString<char>> again;
  OvSplitCommandLine(joined.GetBuffer(), again);
  ovfuzz::Check(again.GetCount() == arguments.GetCount(), "as many arguments after quoting");
  for (int i = 0; i < arguments.GetCount(); ++i) {
    ovfuzz::Check(again[i] == arguments[i], "each argument survives quoting");
  }
  return 0;
}
