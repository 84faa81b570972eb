#pragma once

#include "workspace/PackageSettings.h"
#include "workspace/SitePages.h"
#include "workspace/StyleSheetEntry.h"
#include "workspace/TableFiles.h"
#include "workspace/VariableTables.h"
#include "util/TextEncoding.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

constexpr size_t kTableKindCount = 5;

// The loaded package. Texts are program text (UTF-8) with lines ended by CR LF.
struct TemplateWorkspace {
    fs::path TemplateFolder; // native, no trailing separator
    std::string templateId;  // the catalog ID the package was loaded under
    PackageSettings settings;
    TextEncoding encoding = TextEncoding::Utf8; // the page's, and of the files written for the package
    std::vector<StyleSheetEntry> stylesheets;
    std::string templatePage;      // index.html with the stylesheets inlined
    std::string workingPage;       // the last rebuilt page
    std::string stylesheetScratch; // the last stylesheet read
    std::optional<std::string> hoverFile;
    bool menuClassOffered = false;
    // The user's pages (pages.xml of the package); the page the live preview shows.
    SitePages site;
    size_t shownPage = 0;
    VariableTables tables;
    std::array<bool, kTableKindCount> tabVisible{};
    std::array<std::vector<std::string>, kTableKindCount> presets{}; // unused for fonts

    // A package-relative path ("\" or "/" separated) as a native path inside TemplateFolder.
    // Throws Error when the path leads outside the package.
    fs::path PackageFile(const std::string& relative) const;
    // The same, or nothing when the path leads outside the package.
    std::optional<fs::path> PackageFileIfInside(const std::string& relative) const;
    fs::path PresetFolder(TableKind kind) const;

    bool& TabVisible(TableKind kind) { return tabVisible[static_cast<size_t>(kind)]; }
    bool TabVisible(TableKind kind) const { return tabVisible[static_cast<size_t>(kind)]; }
    std::vector<std::string>& Presets(TableKind kind) { return presets[static_cast<size_t>(kind)]; }
    const std::vector<std::string>& Presets(TableKind kind) const { return presets[static_cast<size_t>(kind)]; }
};

} // namespace quorlex
