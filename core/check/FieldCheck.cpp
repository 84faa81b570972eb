#include "check/CheckPasses.h"
#include "util/TextSearch.h"
#include "workspace/TableFiles.h"

#include <algorithm>
#include <map>

namespace quorlex {
namespace {

// The field names each XML file of the package is read with.
std::map<std::string, std::vector<std::string>> KnownFields() {
    std::map<std::string, std::vector<std::string>> known{
        {kStyleFilesXml, {"title", "filename", "folder", "var", "description", "media"}},
        {kSettingsXml, {"imageroot", "tempfile", "tempfolder", "layoutroot", "presetroot", "imagebackup"}}};
    for (const TableKind kind :
         {TableKind::Colors, TableKind::Images, TableKind::Layouts, TableKind::Fonts, TableKind::Menus})
        known[TableFileName(kind)] = TableFields(kind);
    return known;
}

std::string FieldList(const std::vector<std::string>& fields) {
    std::string list;
    for (const std::string& field : fields)
        list += (list.empty() ? "<" : ", <") + field + ">";
    return list;
}

// One finding per file and wrong name, at its first line.
void CheckFile(const std::string& file, const std::vector<XmlItem>& items, const std::vector<std::string>& fields,
               CheckFindings& findings) {
    std::map<std::string, std::pair<size_t, size_t>> wrong; // name -> first line, count
    for (const XmlItem& item : items)
        for (const XmlField& field : item.fields)
            if (std::find(fields.begin(), fields.end(), field.name) == fields.end()) {
                auto& [line, count] = wrong.try_emplace(field.name, field.line, 0).first->second;
                ++count;
            }
    for (const auto& [name, place] : wrong) {
        const std::string times = place.second > 1 ? " (in " + std::to_string(place.second) + " items)" : "";
        const auto same = std::find_if(fields.begin(), fields.end(),
                                       [&](const std::string& field) { return SameTextNoCase(field, name); });
        if (same != fields.end())
            findings.push_back({file, place.first, check_kind::kFieldCase,
                                "The element <" + name + ">" + times + " is read only as <" + *same +
                                    ">: letter case counts, so its value is taken as empty.",
                                "Write it as <" + *same + ">."});
        else
            findings.push_back(
                {file, place.first, check_kind::kUnknownField,
                 "The element <" + name + ">" + times + " is no field of " + file + "; the program does not read it.",
                 "Use one of " + FieldList(fields) + ", or remove the element."});
    }
}

} // namespace

void CheckFieldNames(const CheckedPackage& package, CheckFindings& findings) {
    const auto known = KnownFields();
    for (const auto& [file, items] : package.items) {
        const auto fields = known.find(file);
        if (fields != known.end())
            CheckFile(file, items, fields->second, findings);
    }
}

} // namespace quorlex
