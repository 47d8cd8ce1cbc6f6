#pragma once
// Reading and replacing a small file as a whole. A replacement goes to a
// temporary file beside the target that is then renamed over it, so that a
// failure half-way never leaves a cut-off file behind.

#include <optional>
#include <string>
#include <string_view>

#include "catalog/user_text.h"

namespace lyrova {

// The file's bytes; nullopt when it does not exist. Throws lyrova::Error
// naming the file when it exists but cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content with `bytes`, creating the file when missing.
// A symbolic link keeps pointing at its file, which is the one rewritten, and
// an existing file keeps its permissions. When the folder takes no new file
// but the file itself may be written, it is rewritten in place. Throws
// lyrova::Error naming the file when it cannot be written.
void ReplaceWholeFile(const std::string& path, std::string_view bytes);

// Rewrites the file where it stands, for a folder that takes no new file:
// it is never cut first, so a write that fails (a full disk, a size limit)
// leaves the old content. Throws lyrova::Error naming the file.
void RewriteWholeFileInPlace(const std::string& path, std::string_view bytes);

// The text of a failed write, naming the file and why.
UserText WriteErrorText(const std::string& path, UserText reason);

}  // namespace lyrova
