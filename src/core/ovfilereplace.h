// Replacing a file as a whole: the new content is written to a temporary file beside the
// target and renamed over it only once it is complete, so an interrupted or failed write
// leaves the previous file (or none), never a truncated one.
#pragma once

#include "core/ovstring.h"

// The step at which a replacement failed; None on success.
enum EOvReplaceStep { eOvReplaceStep_None, eOvReplaceStep_Open, eOvReplaceStep_Write, eOvReplaceStep_Close,
                      eOvReplaceStep_Rename };

// The temporary name used for path: the same directory, the file name with ".tmp-" in front
// (the extension stays, so a tool that picks its format from it writes the same kind of file).
// Either separator ends the directory part.
TOvString<char> OvTemporarySibling(const TOvString<char>& path);

// Renames a finished temporary file over target. On failure the temporary file is deleted and
// target is left as it was.
bool OvCommitTemporary(const TOvString<char>& temporary, const TOvString<char>& target);

// Writes size bytes of data to path's temporary sibling in the given COvFile open mode (a write
// mode), closes it and renames it over path. On failure nothing is left but path as it was.
EOvReplaceStep OvReplaceFile(const TOvString<char>& path, const void* data, int size, int mode);
