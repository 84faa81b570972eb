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

// The finding for an element name that is no field; `count` items hold it, the first at `line`.
CheckFinding WrongField(const std::string& file, const std::string& name, size_t line, size_t count,
                        const std::vector<std::string>& fields) {
    std::string element = "<" + name + ">";
    if (count > 1)
        element += " (in " + std::to_string(count) + " items)";
    const auto same = std::find_if(fields.begin(), fields.end(),
                                   [&](const std::string& field) { return SameTextNoCase(field, name); });
    if (same != fields.end())
        return {file, line, check_kind::kFieldCase,
                "The element " + element + " is read only as <" + *same +
                    ">: letter case counts, so its value is taken as empty.",
                "Write it as <" + *same + ">."};
    return {file, line, check_kind::kUnknownField,
            "The element " + element + " is no field of " + file + "; the program does not read it.",
            "Use one of " + FieldList(fields) + ", or remove the element."};
}

// One finding per file and wrong name, at its first line.
void CheckFile(const std::string& file, const std::vector<XmlItem>& items, const std::vector<std::string>& fields,
               CheckFindings& findings) {
    std::map<std::string, std::pair<size_t, size_t>> wrong; // name -> first line, count
    for (const XmlItem& item : items)
        for (const XmlField& field : item.fields)
            if (std::find(fields.begin(), fields.end(), field.name) == fields.end())
                ++wrong.try_emplace(field.name, field.line, 0).first->second.second;
    for (const auto& [name, place] : wrong)
        findings.push_back(WrongField(file, name, place.first, place.second, fields));
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
