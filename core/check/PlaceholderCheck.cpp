#include "check/CheckPasses.h"
#include "check/PackageFiles.h"
#include "util/TextSearch.h"
#include "workspace/TableFiles.h"

#include <algorithm>
#include <set>

namespace quorlex {
namespace {

// A placeholder a table file declares, and where.
struct Declared {
    std::string placeholder;
    std::string file;
    size_t line = 0;
    std::string owner;               // "the color \"Page background\""
    bool writtenInOtherCase = false; // its element has a wrong letter case, which is a finding of its own
};

bool HasFieldInOtherCase(const CheckedPackage& package, const std::string& file, size_t row,
                         const std::string& element) {
    const auto found = package.items.find(file);
    if (found == package.items.end() || row >= found->second.size())
        return false;
    const auto& fields = found->second[row].fields;
    return std::any_of(fields.begin(), fields.end(), [&](const XmlField& field) {
        return field.name != element && SameTextNoCase(field.name, element);
    });
}

// A table's fields that hold placeholders: the first must be filled, the others may be empty.
struct PlaceholderFields {
    TableKind kind;
    const char* what;
    std::vector<std::string> fields;
};

const std::vector<PlaceholderFields>& TablePlaceholderFields() {
    static const std::vector<PlaceholderFields> fields{
        {TableKind::Layouts, "the layout", {"var"}},
        {TableKind::Colors, "the color", {"var"}},
        {TableKind::Fonts, "the font", {"var"}},
        {TableKind::Images, "the image", {"var"}},
        {TableKind::Menus, "the menu", {"var", "menuClass"}},
    };
    return fields;
}

size_t FieldIndex(TableKind kind, const std::string& name) {
    const std::vector<std::string>& fields = TableFields(kind);
    return static_cast<size_t>(std::find(fields.begin(), fields.end(), name) - fields.begin());
}

std::vector<Declared> TablePlaceholders(const CheckedPackage& package) {
    std::vector<Declared> declared;
    for (const PlaceholderFields& table : TablePlaceholderFields()) {
        const std::string file = TableFileName(table.kind);
        const auto rows = package.values.find(file);
        if (rows == package.values.end())
            continue;
        const size_t title = table.kind == TableKind::Images ? FieldIndex(table.kind, "image") : 0;
        for (size_t row = 0; row < rows->second.size(); ++row) {
            const ItemValues& values = rows->second[row];
            for (const std::string& field : table.fields) {
                const size_t index = FieldIndex(table.kind, field);
                if (index >= values.size() || (values[index].empty() && field != table.fields.front()))
                    continue;
                const std::string& placeholder = values[index];
                declared.push_back({placeholder, file, package.FieldLine(file, row, field),
                                    std::string(table.what) + " \"" + values.at(title) + "\" (<" + field + ">)",
                                    HasFieldInOtherCase(package, file, row, field)});
            }
        }
    }
    return declared;
}

// Every text a placeholder may stand in: the page, its stylesheets, the fragments and menus.
std::vector<const PackageTextFile*> SubstitutedTexts(const CheckedPackage& package, bool withMenus) {
    std::vector<const PackageTextFile*> texts{&package.page};
    for (const auto* list : {&package.sheets, &package.fragments})
        for (const PackageTextFile& file : *list)
            texts.push_back(&file);
    if (withMenus)
        for (const PackageTextFile& file : package.menus)
            texts.push_back(&file);
    return texts;
}

void CheckUnused(const CheckedPackage& package, const std::vector<Declared>& declared, CheckFindings& findings) {
    const std::vector<const PackageTextFile*> texts = SubstitutedTexts(package, true);
    for (const Declared& entry : declared) {
        if (entry.placeholder.empty()) {
            if (!entry.writtenInOtherCase)
                findings.push_back({entry.file, entry.line, check_kind::kUnusedPlaceholder,
                                    "The placeholder of " + entry.owner + " is empty.",
                                    "Write the placeholder the page uses in the item's <var> element."});
            continue;
        }
        const CaseInsensitiveFinder finder(entry.placeholder);
        const bool used = std::any_of(texts.begin(), texts.end(), [&](const PackageTextFile* text) {
            return finder.FindIn(text->text) != std::string::npos;
        });
        if (!used)
            findings.push_back({entry.file, entry.line, check_kind::kUnusedPlaceholder,
                                "The placeholder \"" + entry.placeholder + "\" of " + entry.owner +
                                    " stands nowhere: not in the page, a stylesheet, a fragment or a menu.",
                                "Write \"" + entry.placeholder +
                                    "\" where the value belongs, or correct the spelling in one of the two places."});
    }
}

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
}

// The delimiters placeholders are written with: "%%" and whatever the declared ones use.
std::set<std::pair<std::string, std::string>> Delimiters(const std::vector<std::string>& placeholders) {
    std::set<std::pair<std::string, std::string>> delimiters{{"%%", "%%"}};
    for (const std::string& placeholder : placeholders) {
        const auto first = std::find_if(placeholder.begin(), placeholder.end(), IsNameCharacter);
        const auto last = std::find_if(placeholder.rbegin(), placeholder.rend(), IsNameCharacter).base();
        if (first == placeholder.begin() || last == placeholder.end() || first >= last)
            continue;
        delimiters.insert({std::string(placeholder.begin(), first), std::string(last, placeholder.end())});
    }
    return delimiters;
}

void CheckUndeclared(const CheckedPackage& package, const std::vector<std::string>& placeholders,
                     CheckFindings& findings) {
    std::vector<CaseInsensitiveFinder> finders;
    for (const std::string& placeholder : placeholders)
        if (!placeholder.empty())
            finders.emplace_back(placeholder);
    const auto delimiters = Delimiters(placeholders);
    for (const PackageTextFile* file : SubstitutedTexts(package, false)) {
        std::set<std::string> named;
        const std::string& text = file->text;
        for (const auto& [open, close] : delimiters)
            for (size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
                size_t end = at + open.size();
                while (end < text.size() && IsNameCharacter(text[end]))
                    ++end;
                if (end == at + open.size() || text.compare(end, close.size(), close) != 0)
                    continue;
                const std::string token = text.substr(at, end + close.size() - at);
                const bool declared = std::any_of(finders.begin(), finders.end(), [&](const CaseInsensitiveFinder& f) {
                    return f.FindIn(token) != std::string::npos;
                });
                if (!declared && named.insert(FoldText(token)).second)
                    findings.push_back({file->file, LineAt(text, at), check_kind::kUndeclaredPlaceholder,
                                        "\"" + token + "\" looks like a placeholder, but no table declares it.",
                                        "Declare it in the table file of its kind, or correct its spelling to the "
                                        "declared one."});
            }
    }
}

void CheckStyleSheetPlaceholders(const CheckedPackage& package, CheckFindings& findings) {
    const auto& sheets = package.ws.stylesheets;
    for (size_t row = 0; row < sheets.size(); ++row) {
        const StyleSheetEntry& sheet = sheets[row];
        if (!sheet.var.empty() && CaseInsensitiveFinder(sheet.var).FindIn(package.page.text) != std::string::npos)
            continue;
        findings.push_back({kStyleFilesXml, package.FieldLine(kStyleFilesXml, row, "var"),
                            check_kind::kStylePlaceholderMissing,
                            "The placeholder \"" + sheet.var + "\" of the stylesheet \"" + sheet.filename +
                                "\" is not in index.html, so the page is made without that stylesheet.",
                            "Write \"" + sheet.var + "\" in the <head> of index.html where the stylesheet belongs."});
    }
}

} // namespace

void CheckPlaceholders(const CheckedPackage& package, CheckFindings& findings) {
    const std::vector<Declared> declared = TablePlaceholders(package);
    CheckUnused(package, declared, findings);
    std::vector<std::string> placeholders;
    placeholders.reserve(declared.size() + package.ws.stylesheets.size());
    for (const Declared& entry : declared)
        placeholders.push_back(entry.placeholder);
    for (const StyleSheetEntry& sheet : package.ws.stylesheets)
        placeholders.push_back(sheet.var);
    CheckUndeclared(package, placeholders, findings);
    CheckStyleSheetPlaceholders(package, findings);
}

} // namespace quorlex
