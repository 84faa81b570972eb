#pragma once

#include "ports/Ui.h"
#include "util/TextEncoding.h"

#include <string>

namespace quorlex {

// The three code views of the files page.
enum class CodeTab { Html, Css, Hover };

// The save dialog of a code view: its title, the four file types with the tab's own chosen,
// and the shown file's name (`shownFile`, the tab's usual name when empty).
SaveFileRequest CodeSaveRequest(CodeTab tab, const std::string& shownFile = {});

// The help topic of a code view's "Help".
int HelpTopicOf(CodeTab tab);

// "Save File": asks for a file and writes the text as CR LF lines in the package's encoding; a
// write error is shown. False when the user cancelled or the file could not be written.
bool SaveCodeFile(CodeTab tab, const std::string& text, TextEncoding encoding, Ui& ui,
                  const std::string& shownFile = {});

} // namespace quorlex
