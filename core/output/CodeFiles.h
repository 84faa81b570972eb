#pragma once

#include "ports/Ui.h"
#include "util/TextEncoding.h"

#include <string>

namespace quorlex {

// The three code views of the files page.
enum class CodeTab { Html, Css, Hover };

// The save dialog of a code view: its title, the four file types and the tab's own name.
SaveFileRequest CodeSaveRequest(CodeTab tab);

// The help topic of a code view's "Help".
int HelpTopicOf(CodeTab tab);

// "Save File": asks for a file and writes the text as CR LF lines in the package's encoding; a
// write error is shown. False when the user cancelled or the file could not be written.
bool SaveCodeFile(CodeTab tab, const std::string& text, TextEncoding encoding, Ui& ui);

} // namespace quorlex
