// Splitting one command-line text into tokens, as the process runner builds a child's argument
// vector and as the command-line parser reads a single string. Pure text functions.
//
// Rules: blanks (space, tab, CR, LF) separate tokens and are skipped around them. A '"' outside
// quotes opens quoting and one inside closes it; neither is kept. Inside quotes two quotes in a
// row give one literal '"'. A backslash directly before a '"' gives a literal '"' (inside or
// outside quotes); every other backslash is kept as it is. So  a "b c" "d""e" \"f  gives the
// tokens a, b c, d"e and "f. A token made only of quotes ("") is an empty token.
#pragma once

#include "core/ovarray.h"
#include "core/ovstring.h"

// Reads the token that starts at cursor (after any blanks) into token and moves cursor past
// it and the blanks that follow. Returns false, with token emptied, when only blanks remain.
// A null cursor reads as the empty text.
bool OvCommandLineNextToken(const char*& cursor, TOvString<char>& token);

// Appends every token of text (null reads as empty) to tokens.
void OvSplitCommandLine(const char* text, COvArray<TOvString<char>>& tokens);
