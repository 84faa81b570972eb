#pragma once

#include "check/CheckFinding.h"
#include "workspace/TemplateWorkspace.h"
#include "workspace/XmlDocument.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace quorlex {

namespace fs = std::filesystem;

// A text file of the package as the check read it: its package-relative name ("/" separated)
// and its program text.
struct PackageTextFile {
    std::string file;
    std::string text;
};

// The package as loading and generation read it, for the checks. What could not be read is
// left out and was noted as a finding.
struct CheckedPackage {
    fs::path folder;
    TemplateWorkspace ws; // stylesheets, tables and the page's encoding
    PackageTextFile page;
    std::vector<PackageTextFile> sheets;                   // the stylesheets of style_files.xml that could be read
    std::vector<PackageTextFile> fragments;                // every fragment of every layout folder
    std::vector<PackageTextFile> menus;                    // menu.lyo and default.lyo of each menu
    std::vector<std::string> staticLines;                  // static_files.tps, line by line
    std::map<std::string, std::vector<XmlItem>> items;     // the items of each XML file read
    std::map<std::string, std::vector<ItemValues>> values; // their field values, in the order read

    // The line of the field `name` of item `row` in `file`; the item's line when the item
    // lacks it, 0 when there is no such item.
    size_t FieldLine(const std::string& file, size_t row, const std::string& name) const;
};

// The name of each table file and the other XML files of a package.
constexpr const char* kStyleFilesXml = "style_files.xml";
constexpr const char* kSettingsXml = "tamblor_settings.xml";
constexpr const char* kStaticFilesList = "static_files.tps";

// Reads the package in `folder` without changing it; every fault on the way is a finding.
// Throws Error when the folder or its index.html cannot be read at all.
CheckedPackage ReadPackageForCheck(const fs::path& folder, CheckFindings& findings);

} // namespace quorlex
