#pragma once

#include "util/Notices.h"
#include "workspace/TemplateWorkspace.h"

#include <string>

namespace quorlex {

// Fixed package settings; checks tamblor_settings.xml, whose presence turns on the image folders.
void GetImageSettings(TemplateWorkspace& ws);

// Fills the stylesheet table from style_files.xml; a missing file is noted and leaves it empty.
void LoadStyleSheets(TemplateWorkspace& ws, Notices& notices);

// Table loaders: each clears its table, hides its tab when the file is missing, otherwise
// shows the tab, reads the rows and lists the presets of its kind.
void LoadColors(TemplateWorkspace& ws);
void LoadFonts(TemplateWorkspace& ws);
void LoadImages(TemplateWorkspace& ws);
void LodaLayouts(TemplateWorkspace& ws);
void LoadMenus(TemplateWorkspace& ws);

// A stylesheet of `folder` as the preview page at the package root holds it: without a byte
// order mark, its addresses rebased onto the root.
std::string InlinedStyleSheet(std::string_view css, std::string_view folder);

// `<style type="text/css" media="...">` + the stylesheet + `</style>`.
std::string StyleBlock(const std::string& media, const std::string& cssText);

// Reads each stylesheet of the table and puts its style block in place of the first match
// of its variable in `page`.
void InlineStyleSheets(TemplateWorkspace& ws, std::string& page);

// Reads the package in `folder` into the workspace: stale preview removed, page with its
// stylesheets inlined, settings and tables. Throws Error at the first fault; what was read
// before stays in the workspace; `notices` keeps what was noted until then.
void LoadPackage(TemplateWorkspace& ws, const fs::path& folder, Notices& notices);

// The menu class name flag and the hover behaviour file.
void LoadPackageExtras(TemplateWorkspace& ws);

} // namespace quorlex
