// Command-line splitting; see the header for the rules.
#include "core/ovcommandlinesplit.h"

#include <string>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

}  // namespace

bool OvCommandLineNextToken(const char*& cursor, TOvString<char>& token) {
  token.Clear();
  const char* p = SkipBlanks(cursor ? cursor : "");
  if (!*p) {
    cursor = p;
    return false;
  }
  std::string text;
  bool quoted = false;
  for (; *p; ++p) {
    char c = *p;
    if (!quoted && IsBlank(c)) break;
    if (c == '\\' && p[1] == '"') {
      text += '"';
      ++p;
    } else if (c == '"') {
      if (quoted && p[1] == '"') {
        text += '"';
        ++p;
      } else {
        quoted = !quoted;
      }
    } else {
      text += c;
    }
  }
  token = TOvString<char>(text.c_str(), static_cast<int>(text.size()));
  cursor = SkipBlanks(p);
  return true;
}

void OvSplitCommandLine(const char* text, COvArray<TOvString<char>>& tokens) {
  const char* cursor = text;
  TOvString<char> token;
  while (OvCommandLineNextToken(cursor, token)) tokens.Add(token);
}
