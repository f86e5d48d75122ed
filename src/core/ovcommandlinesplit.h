// Splitting one command-line text into tokens, as the process runner builds a child's argument
// vector and as the command-line parser reads a single string, and quoting one argument so that
// it comes back whole. Pure text functions.
//
// Rules: blanks (space, tab, CR, LF) separate tokens and are skipped around them. A '"' outside
// quotes opens quoting and one inside closes it; neither is kept. Inside quotes two quotes in a
// row give one literal '"'. A backslash directly before a '"' gives a literal '"' (inside or
// outside quotes); every other backslash is kept as it is. So  a "b c" "d""e" \"f  gives the
// tokens a, b c, d"e and "f. A token made only of quotes ("") is an empty token.
//
// The argument rule (what a Windows program's start-up code does with its command line) reads
// a run of backslashes before a '"' differently: 2n backslashes give n and the quote then opens
// or closes quoting, 2n+1 give n and a literal '"'. For one backslash both rules agree.
#pragma once

#include "core/ovarray.h"
#include "core/ovstring.h"

enum class EOvBackslashRule { QuoteOnly, Arguments };

// Reads the token that starts at cursor (after any blanks) into token and moves cursor past
// it and the blanks that follow. Returns false, with token emptied, when only blanks remain.
// A null cursor reads as the empty text.
bool OvCommandLineNextToken(const char*& cursor, TOvString<char>& token,
                            EOvBackslashRule rule = EOvBackslashRule::QuoteOnly);

// Appends every token of text (null reads as empty) to tokens, by the argument rule: the
// argument vector that a Windows child would see for the same text.
void OvSplitCommandLine(const char* text, COvArray<TOvString<char>>& tokens);

// text as one word of a command line that OvSplitCommandLine (and a Windows child) reads back
// as exactly text: as it is when it is not empty and holds no blank or quote; otherwise in
// quotes, with each inner quote as \" and the backslashes before a quote or the closing quote
// doubled.
TOvString<char> OvQuoteCommandLineArgument(const TOvString<char>& text);
