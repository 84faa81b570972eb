#include "output/Generation.h"

#include "output/EditorTemplates.h"
#include "pages/PageRegions.h"
#include "preview/TableSubstitution.h"
#include "util/Error.h"
#include "util/FileLock.h"
#include "util/FolderCopy.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/PackageText.h"
#include "util/PathUtils.h"
#include "util/TextFile.h"
#include "util/TextSearch.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <unistd.h>

namespace quorlex {
namespace {

std::string Slashed(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string LinkElement(const StyleSheetEntry& sheet) {
    return "<link rel=\"stylesheet\" type=\"text/css\" media=\"" + sheet.media + "\" href=\"" + sheet.folder +
           sheet.filename + "\" />";
}

// One run over one workspace; keeps the lists of refused and uncopied files as it goes.
constexpr const char* kStagingFolder = ".quorlex-staging";
constexpr const char* kLockFile = ".quorlex-lock";
constexpr const char* kDiscardPrefix = ".quorlex-discard-";
constexpr const char* kBusy = "Another generation of this template is still running, in another window or a script. "
                              "Try again when it has finished.";

class GenerationRun {
public:
    GenerationRun(const TemplateWorkspace& ws, const TemplateOptions& options, GenerationResult& result,
                  std::string& scratch, std::chrono::milliseconds lockPatience)
        : m_ws(ws), m_options(options), m_result(result), m_scratch(scratch), m_lockPatience(lockPatience),
          m_output(OutputFolder(ws)), m_staging(m_output.parent_path() / kStagingFolder),
          m_build(m_staging / m_output.filename()) {}
    ~GenerationRun() {
        std::error_code ignored;
        if (m_discard.empty())
            fs::remove_all(m_staging, ignored);
    }
    GenerationRun(const GenerationRun&) = delete;
    GenerationRun& operator=(const GenerationRun&) = delete;

    void Run() {
        m_result.files.clear();
        m_result.refused.clear();
        m_result.notCopied.clear();
        m_result.staticListFailure.clear();
        m_result.pages.clear();
        // Every source is read before the last good site goes, so a missing one destroys nothing.
        m_tables = Tables({});
        const std::vector<std::string> staticFiles = StaticFileList();
        DecodedText page = ReadPageText(m_ws.PackageFile("index.html"));
        std::vector<DecodedText> sheets = ReadStyleSheets(page.encoding);
        // One generation of a package at a time, in a window or from a script.
        const FileLock lock(m_ws.TemplateFolder / kLockFile, m_lockPatience, kBusy);
        PrepareBuildFolder();
        CopyStaticFiles(staticFiles);
        WritePage(std::move(page.text), page.encoding);
        m_result.styleSheets.clear();
        for (size_t i = 0; i < m_ws.stylesheets.size(); ++i)
            WriteStyleSheet(m_ws.stylesheets[i], sheets[i]);
        m_result.htmlCode = std::move(m_page);
        m_result.cssCode = m_result.styleSheets.empty() ? std::string() : m_result.styleSheets.back().text;
        m_result.files.push_back("index.html");
        for (const GeneratedText& written : m_result.pages)
            m_result.files.push_back(written.name);
        if (m_options.dreamweaverMx)
            WriteVariant(TemplateVariant::DreamweaverMx, page.encoding);
        if (m_options.expressionWeb)
            WriteVariant(TemplateVariant::ExpressionWeb, page.encoding);
        ReplaceFolder(m_build, m_output);
        // The old site goes with the staging folder, under a name no other run uses.
        static std::atomic<unsigned> runs{0};
        const fs::path discard = m_staging.parent_path() / (std::string(kDiscardPrefix) + std::to_string(::getpid()) +
                                                            "-" + std::to_string(++runs));
        std::error_code ec;
        fs::rename(m_staging, discard, ec);
        m_discard = ec ? m_staging : discard;
    }

    // The folder with the old site, to delete once the run is over.
    const fs::path& discard() const { return m_discard; }

private:
    // The site is made in a folder of the program's own beside the output folder and takes its
    // place once complete, so a failed run keeps the last good site. What a crash left there
    // goes first.
    void PrepareBuildFolder() {
        std::error_code ec;
        for (fs::directory_iterator it(m_staging.parent_path(), ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string().rfind(kDiscardPrefix, 0) == 0)
                fs::remove_all(it->path(), ec);
        fs::remove_all(m_staging, ec);
        const std::error_code emptied = ec;
        if (fs::exists(fs::symlink_status(m_staging, ec)))
            throw Error(OutputFolderError("empty", emptied));
        if (!fs::create_directories(m_build, ec) || ec)
            throw Error(OutputFolderError("create", ec));
        if (!m_ws.settings.imageroot.empty())
            fs::create_directory(JoinInOwnFolder(m_build, m_ws.settings.imageroot), ec);
    }

    std::string OutputFolderError(const std::string& action, const std::error_code& ec) const {
        const std::string reason = ec ? ec.message() : "The folder is still there.";
        return "Cannot " + action + " the output folder \"" + PathToProgramText(m_output) + "\". " + reason;
    }

    void CreateParentFolders(const fs::path& file) {
        const fs::path folder = file.parent_path();
        if (m_madeFolders.count(folder))
            return;
        std::error_code ec;
        fs::create_directories(folder, ec);
        m_madeFolders.insert(folder);
    }

    bool Admit(const std::string& relative) {
        if (StaysInsideFolder(relative))
            return true;
        m_result.refused.push_back(relative);
        return false;
    }

    // Copies a package file to the same place in the output, or links it (pictures). A file
    // already there is this run's copy of the same source, so it stays.
    void CopyIntoOutput(const std::string& relative, bool link = false) {
        const fs::path to = JoinInOwnFolder(m_build, relative);
        CreateParentFolders(to);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(to, ec)))
            return;
        try {
            const fs::path from = m_source.Resolve(relative);
            if (link)
                LinkIntoOwnFolder(from, to);
            else
                CopyIntoOwnFolder(from, to);
        } catch (const Error&) {
            m_result.notCopied.push_back(relative);
        }
    }

    std::vector<std::string> StaticFileList() {
        const fs::path list = m_ws.PackageFile("static_files.tps");
        std::error_code ec;
        if (!fs::exists(list, ec))
            return {};
        try {
            return ReadTextLines(list);
        } catch (const Error& cause) {
            m_result.staticListFailure = std::string("Error Loading Static Files List...\r\n") + cause.what();
            return {};
        }
    }

    void CopyStaticFiles(const std::vector<std::string>& lines) {
        for (const auto& line : lines) {
            const std::string relative = StripBadSlashes(Slashed(line));
            if (relative.empty() || !Admit(relative))
                continue;
            std::set<fs::path> folders;
            CopyStaticEntry(relative, folders);
        }
    }

    // A file, or a folder with everything below it. A link that leads out of the package is
    // not copied, as for a file line; a folder reached a second time through a link is skipped.
    void CopyStaticEntry(const std::string& relative, std::set<fs::path>& folders) {
        const std::optional<fs::path> source = m_source.ResolveIfInside(relative);
        std::error_code ec;
        if (!source || !fs::is_directory(*source, ec)) {
            CopyIntoOutput(relative);
            m_result.files.push_back(relative);
            return;
        }
        if (!folders.insert(fs::canonical(*source, ec)).second)
            return;
        fs::create_directories(JoinInOwnFolder(m_build, relative), ec);
        std::vector<std::string> names;
        for (fs::directory_iterator it(*source, ec), end; !ec && it != end; it.increment(ec))
            names.push_back(PackageTextFromNativeName(it->path().filename().string()));
        std::sort(names.begin(), names.end());
        for (const std::string& name : names)
            CopyStaticEntry(std::string(relative).append("\\").append(name), folders);
    }

    void CopyImages() {
        for (const auto& image : m_ws.tables.images) {
            const std::string relative = image.folder + image.url;
            if (!Admit(relative))
                continue;
            m_result.files.push_back(relative);
            CopyIntoOutput(Slashed(relative), true);
        }
    }

    std::vector<DecodedText> ReadStyleSheets(TextEncoding pageEncoding) {
        std::vector<DecodedText> texts;
        for (const auto& sheet : m_ws.stylesheets) {
            const std::string relative = sheet.folder + sheet.filename;
            texts.push_back(StaysInsideFolder(relative) ? ReadStyleSheetText(m_ws.PackageFile(relative), pageEncoding)
                                                        : DecodedText{{}, TextEncoding::Utf8});
        }
        return texts;
    }

    // The page links its stylesheets; its pass also copies the images. Each file is written in
    // the encoding it was read in.
    void WritePage(std::string page, TextEncoding encoding) {
        for (const auto& sheet : m_ws.stylesheets)
            ReplaceFirst(page, sheet.var, LinkElement(sheet));
        // Menus that style the current page's item are written for each page on its own.
        const std::string linked = MarksCurrentItem() ? page : std::string();
        m_tables.Apply(page, m_scratch);
        CopyImages();
        if (m_ws.site.OnePage()) {
            WriteIntoOwnFolder(m_build / "index.html", EncodeText(page, encoding, Escapes::Markup));
        } else {
            WriteIntoOwnFolder(m_build / "index.html", EncodeText(ComposePage(PageFor(0, page, linked), m_ws.site, 0),
                                                                  encoding, Escapes::Markup));
            WriteSitePages(page, linked, encoding);
        }
        m_page = std::move(page);
    }

    TableSubstitution Tables(std::string_view currentPage) const {
        TableSubstitution tables;
        tables.AddLayouts(m_ws).AddColors(m_ws).AddFonts(m_ws, FullFontDeclaration);
        tables.AddMenus(m_ws, UnreadableMenu::Fails, currentPage).AddImages(m_ws);
        return tables;
    }

    bool MarksCurrentItem() const {
        if (m_ws.site.OnePage())
            return false;
        return std::any_of(m_ws.tables.menus.begin(), m_ws.tables.menus.end(), [](const MenuVariable& menu) {
            return !menu.markup.currentClass.empty() || !menu.markup.currentLinkClass.empty();
        });
    }

    // The generated page for page `index`: the home page's, or, with menus that mark the current
    // item, the linked page with the tables applied for that page.
    std::string PageFor(size_t index, const std::string& home, const std::string& linked) {
        if (linked.empty())
            return home;
        std::string page = linked;
        Tables(m_ws.site.pages[index].file).Apply(page, m_scratch);
        return page;
    }

    // Each page after the home page, made from the generated home page, beside index.html.
    void WriteSitePages(const std::string& home, const std::string& linked, TextEncoding encoding) {
        for (size_t i = 1; i < m_ws.site.pages.size(); ++i) {
            const std::string& file = m_ws.site.pages[i].file;
            std::string text = ComposePage(PageFor(i, home, linked), m_ws.site, i);
            const fs::path target = JoinInOwnFolder(m_build, file);
            // A UTF-8 page is written as it is: a large page would be copied fifty times.
            if (encoding == TextEncoding::Utf8)
                WriteIntoOwnFolder(target, text);
            else
                WriteIntoOwnFolder(target, EncodeText(text, encoding, Escapes::Markup));
            m_result.pages.push_back({file, std::move(text)});
        }
    }

    void WriteStyleSheet(const StyleSheetEntry& sheet, DecodedText& read) {
        const std::string relative = sheet.folder + sheet.filename;
        if (!Admit(relative))
            return;
        m_tables.Apply(read.text, m_scratch);
        const fs::path target = JoinInOwnFolder(m_build, relative);
        CreateParentFolders(target);
        WriteIntoOwnFolder(target, EncodeText(read.text, read.encoding, Escapes::Css));
        m_result.files.push_back(relative);
        m_result.styleSheets.push_back({relative, std::move(read.text)});
    }

    void WriteVariant(TemplateVariant variant, TextEncoding encoding) {
        WriteIntoOwnFolder(m_build / VariantFileName(variant),
                           EncodeText(EditorTemplate(m_result.htmlCode, variant), encoding, Escapes::Markup));
        m_result.files.push_back(VariantFileName(variant));
    }

    const TemplateWorkspace& m_ws;
    const TemplateOptions& m_options;
    GenerationResult& m_result;
    std::string& m_scratch;
    const std::chrono::milliseconds m_lockPatience;
    const fs::path m_output;
    const fs::path m_staging;
    const fs::path m_build;
    fs::path m_discard;
    PackagePathResolver m_source{m_ws.TemplateFolder}; // one for the run, so folder listings are read once
    TableSubstitution m_tables;                        // built once, applied to the page and every stylesheet
    std::string m_page;                                // the finished page as written
    std::set<fs::path> m_madeFolders;
};

std::string NamedList(const std::string& heading, const std::vector<std::string>& names) {
    if (names.empty())
        return {};
    std::string text = heading;
    for (const std::string& name : names)
        text += "\r\n" + name;
    return text;
}

} // namespace

fs::path OutputFolder(const TemplateWorkspace& ws) {
    if (TrimControls(ws.settings.tempfolder).empty())
        throw Error("The template has no output folder setting.");
    return ws.PackageFile(ws.settings.tempfolder);
}

void SiteGenerator::Generate(const TemplateWorkspace& ws, const TemplateOptions& options, GenerationResult& result) {
    WaitForCleanup();
    GenerationRun run(ws, options, result, m_scratch, m_lockPatience);
    run.Run();
    // The old site is deleted while the caller goes on.
    m_cleanup = std::async(std::launch::async, [old = run.discard()] {
        std::error_code ignored;
        fs::remove_all(old, ignored);
    });
}

void SiteGenerator::WaitForCleanup() {
    if (m_cleanup.valid())
        m_cleanup.wait();
}

std::string RefusedFilesMessage(const GenerationResult& result) {
    return NamedList("These files of the template were skipped because their paths lead outside the template "
                     "folder:",
                     result.refused);
}

std::string NotCopiedMessage(const GenerationResult& result) {
    // The package's own files, with this system's separator; refused paths stay as written.
    std::vector<std::string> names = result.notCopied;
    for (std::string& name : names)
        std::replace(name.begin(), name.end(), '\\', '/');
    return NamedList("These files could not be copied into the finished site:", names);
}

} // namespace quorlex
