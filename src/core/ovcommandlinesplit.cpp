// Command-line splitting and quoting; see the header for the rules.
#include "core/ovcommandlinesplit.h"

#include <string>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

}  // namespace

bool OvCommandLineNextToken(const char*& cursor, TOvString<char>& token, EOvBackslashRule rule) {
  token.Clear();
  const char* p = SkipBlanks(cursor ? cursor : "");
  if (!*p) {
    cursor = p;
    return false;
  }
  std::string text;
  bool quoted = false;
  while (*p) {
    if (!quoted && IsBlank(*p)) break;
    if (*p == '\\') {
      size_t run = 1;
      if (rule == EOvBackslashRule::Arguments) {
        while (p[run] == '\\') ++run;
      }
      if (p[run] != '"') {
        text.append(run, '\\');
        p += run;
        continue;
      }
      text.append(run / 2, '\\');
      p += run;
      if (run % 2 == 1) {
        text += '"';
        ++p;
        continue;
      }
      // An even run: the quote that follows is an ordinary one.
    }
    if (*p == '"') {
      if (quoted && p[1] == '"') {
        text += '"';
        ++p;
      } else {
        quoted = !quoted;
      }
    } else {
      text += *p;
    }
    ++p;
  }
  token = TOvString<char>(text.c_str(), static_cast<int>(text.size()));
  cursor = SkipBlanks(p);
  return true;
}

void OvSplitCommandLine(const char* text, COvArray<TOvString<char>>& tokens) {
  const char* cursor = text;
  TOvString<char> token;
  while (OvCommandLineNextToken(cursor, token, EOvBackslashRule::Arguments)) tokens.Add(token);
}

TOvString<char> OvQuoteCommandLineArgument(const TOvString<char>& text) {
  const char* p = text.GetBuffer();
  bool plain = *p != 0;
  for (const char* c = p; *c && plain; ++c) plain = !IsBlank(*c) && *c != '"';
  if (plain) return text;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (; *p; ++p) {
    if (*p == '\\') {
      ++backslashes;
    } else {
      // Backslashes before a quote are read in pairs; elsewhere they stand for themselves.
      if (*p == '"') quoted.append(backslashes + 1, '\\');
      backslashes = 0;
    }
    quoted += *p;
  }
  quoted.append(backslashes, '\\');
  quoted += '"';
  return TOvString<char>(quoted.c_str(), static_cast<int>(quoted.size()));
}
