#include "check/CheckPasses.h"
#include "check/NamedFiles.h"
#include "output/PageReferences.h"
#include "output/SiteReference.h"
#include "preview/TableSubstitution.h"
#include "util/Error.h"
#include "util/PackageText.h"
#include "util/PathUtils.h"
#include "util/TextSearch.h"
#include "workspace/StyleRebase.h"

#include <set>

namespace quorlex {
namespace {

bool IsStyleSheetName(const std::string& name) {
    return name.size() > 4 && SameTextNoCase(std::string_view(name).substr(name.size() - 4), ".css");
}

// The preview is a file in the package: an address from the root leads to the disk's root.
bool StartsAtRoot(std::string_view address) {
    const std::string_view trimmed = TrimControls(address);
    return !trimmed.empty() && (trimmed.front() == '/' || trimmed.front() == '\\');
}

bool Present(const LocatedFile& located) {
    return located.state == FileState::Found || located.state == FileState::CaseDiffers;
}

// The files generation puts into the finished site, folded: the static files (a folder with
// everything below it), the images, the stylesheets and the page.
std::set<std::string> FinishedSiteFiles(const CheckedPackage& package) {
    std::set<std::string> files{"index.html"};
    const auto add = [&](const std::string& written) {
        const LocatedFile located = LocatePackageFile(package.folder, written);
        const std::string name = JoinNames(PathNames(written));
        files.insert(FoldText(name));
        std::error_code ec;
        if (!Present(located) || !fs::is_directory(located.path, ec))
            return;
        for (fs::recursive_directory_iterator it(located.path, ec), end; !ec && it != end; it.increment(ec))
            files.insert(FoldText(name + "/" + it->path().lexically_relative(located.path).generic_string()));
    };
    for (const std::string& line : package.staticLines)
        add(StripBadSlashes(line));
    for (const ImageVariable& image : package.ws.tables.images)
        add(image.folder + image.url);
    for (const StyleSheetEntry& sheet : package.ws.stylesheets)
        add(sheet.folder + sheet.filename);
    return files;
}

// A stylesheet to look through: its text and whether the preview rebases it onto the root
// (the listed ones, which the preview inlines) or loads it from its own folder (an @import).
struct Sheet {
    std::string file;
    std::string text;
    bool inlined = false;
};

class AddressCheck {
public:
    AddressCheck(const CheckedPackage& package, CheckFindings& findings)
        : m_package(package), m_findings(findings), m_site(FinishedSiteFiles(package)) {
        m_tables.AddColors(package.ws).AddFonts(package.ws, FullFontDeclaration).AddImages(package.ws);
    }

    void Run() {
        std::vector<Sheet> pending;
        for (const PackageTextFile& sheet : m_package.sheets)
            pending.push_back({sheet.file, sheet.text, true});
        for (const Sheet& sheet : pending)
            m_seen.insert(FoldText(sheet.file));
        // A copy: an @import found in the sheet adds to `pending`, which may move its elements.
        for (size_t i = 0; i < pending.size(); ++i) {
            const Sheet sheet = pending[i];
            CheckSheet(sheet, pending);
        }
    }

private:
    std::string Substituted(std::string text) const {
        std::string scratch;
        m_tables.Apply(text, scratch);
        return text;
    }

    void CheckSheet(const Sheet& sheet, std::vector<Sheet>& pending) {
        std::vector<std::string> folder = PathNames(sheet.file);
        folder.pop_back();
        const std::string folderText = folder.empty() ? std::string() : JoinNames(folder) + "/";
        const std::vector<std::string> written = CssReferences(sheet.text);
        const std::vector<std::string> finished = CssReferences(Substituted(sheet.text));
        const std::vector<std::string> preview =
            sheet.inlined ? CssReferences(Substituted(RebaseStyleSheet(sheet.text, folderText))) : finished;
        if (written.size() != finished.size() || preview.size() != finished.size())
            return;
        for (size_t i = 0; i < written.size(); ++i) {
            const SiteReference site = ResolveSiteReference(finished[i], folder);
            const SiteReference shown =
                StartsAtRoot(preview[i])
                    ? SiteReference{ReferenceKind::Outside, {}}
                    : ResolveSiteReference(preview[i], sheet.inlined ? std::vector<std::string>{} : folder);
            CheckAddress(sheet, LineOfText(sheet.text, written[i]), written[i], site, shown, pending);
        }
    }

    void CheckAddress(const Sheet& sheet, size_t line, const std::string& written, const SiteReference& site,
                      const SiteReference& shown, std::vector<Sheet>& pending) {
        const std::string what = "The address \"" + written + "\"";
        if (site.kind == ReferenceKind::Outside) {
            NoteLocatedFile(m_findings, sheet.file, line, what, written, {FileState::Outside, {}, {}});
            return;
        }
        if (site.kind != ReferenceKind::Local)
            return;
        const std::string name = JoinNames(site.parts);
        const LocatedFile inPackage = LocatePackageFile(m_package.folder, name);
        const bool inSite = Present(inPackage) && m_site.count(FoldText(name)) > 0;
        const bool inPreview =
            shown.kind == ReferenceKind::Local && Present(LocatePackageFile(m_package.folder, JoinNames(shown.parts)));
        if (inPreview && !inSite)
            m_findings.push_back({sheet.file, line, check_kind::kPreviewOnlyUrl,
                                  what + " shows in the preview, but the finished site has no \"" + name + "\".",
                                  Present(inPackage)
                                      ? "List \"" + name + "\" in static_files.tps, so that generation copies it."
                                      : "Write the address relative to the stylesheet's own folder."});
        else if (inSite && !inPreview)
            m_findings.push_back({sheet.file, line, check_kind::kExportOnlyUrl,
                                  what + " works in the finished site, but not in the preview.",
                                  "Write the address relative to the stylesheet's own folder, without a placeholder "
                                  "that holds a folder of its own."});
        else
            NoteLocatedFile(m_findings, sheet.file, line, what, name, inPackage);
        if (Present(inPackage) && IsStyleSheetName(name) && m_seen.insert(FoldText(inPackage.actual)).second)
            Import(inPackage, pending);
    }

    void Import(const LocatedFile& located, std::vector<Sheet>& pending) {
        try {
            pending.push_back({located.actual, ReadStyleSheetText(located.path, m_package.ws.encoding).text, false});
        } catch (const Error& error) {
            m_findings.push_back(
                {located.actual, 0, check_kind::kMissingFile, error.what(), "Make the stylesheet readable."});
        }
    }

    const CheckedPackage& m_package;
    CheckFindings& m_findings;
    const std::set<std::string> m_site;
    TableSubstitution m_tables;
    std::set<std::string> m_seen;
};

} // namespace

void CheckStyleSheetAddresses(const CheckedPackage& package, CheckFindings& findings) {
    AddressCheck(package, findings).Run();
}

} // namespace quorlex
