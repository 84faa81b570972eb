#include "app/CommandLine.h"

#include "app/PublishCommand.h"
#include "app/ScratchPackage.h"
#include "app/Session.h"
#include "check/PackageCheck.h"
#include "ports/FilesystemPlatform.h"
#include "ports/NullBrowsers.h"
#include "ports/StreamUi.h"
#include "util/FolderCopy.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"
#include "util/UserMessage.h"

#include <algorithm>
#include <functional>

namespace quorlex {

namespace {

constexpr const char* kUsage =
    "Usage: quorlex [FILE.tpp | --help | --version | --list | --check TEMPLATE_ID|FOLDER |\n"
    "                --generate TEMPLATE_ID --out DIR [--project FILE.tpp] [--dwt-mx] [--dwt-ew] |\n"
    "                --publish TEMPLATE_ID --target NAME [--dry-run] [--project FILE.tpp]]\n"
    "Without options the program opens its window.\n"
    "  --help                 show this list of options\n"
    "  FILE.tpp               open the window on the project's template with the project loaded\n"
    "  --version              print the program's version\n"
    "  --list                 print the installed templates: ID, title and author, TAB separated\n"
    "                         (a TAB, line end or backslash in them written as \\t, \\n, \\r, \\\\)\n"
    "  --check TEMPLATE_ID|FOLDER\n"
    "                         check a template for mistakes, changing nothing: one line per finding\n"
    "                         with file, line and fix; exit status 0 when clean, 1 with findings,\n"
    "                         2 when the template cannot be read\n"
    "  --generate TEMPLATE_ID load the template of that ID and generate its finished files\n"
    "  --out DIR              the folder the finished files are copied into (created when missing)\n"
    "  --project FILE.tpp     apply the settings of a project file before generating\n"
    "  --dwt-mx               also write the Dreamweaver MX template index_dw_mx.dwt\n"
    "  --dwt-ew               also write the Expression Web template index_ms_ew.dwt\n"
    "  --publish TEMPLATE_ID  generate the template's finished files and publish them to a target\n"
    "  --target NAME          the publish target, as set up on the window's Publish tab\n"
    "  --dry-run              list what the publish would send and delete, and change nothing\n";

CommandLine Invalid(const std::string& why) {
    CommandLine command;
    command.mode = CommandMode::Invalid;
    command.error = why;
    return command;
}

// Messages of a run on a scratch copy, with the copy's paths written as the package's own.
class PackagePathsUi : public Ui {
public:
    PackagePathsUi(Ui& ui, const ScratchPackage& scratch) : m_ui(ui), m_scratch(scratch) {}
    void Inform(const std::string& text) override { m_ui.Inform(m_scratch.AsPackagePaths(text)); }
    void ShowError(const std::string& text) override { m_ui.ShowError(m_scratch.AsPackagePaths(text)); }
    Answer Confirm(const std::string& question) override { return m_ui.Confirm(question); }
    std::optional<Color> ChooseColor(Color initial, const std::function<void(Color)>& preview) override {
        return m_ui.ChooseColor(initial, preview);
    }
    std::optional<fs::path> AskSaveFile(const SaveFileRequest& request) override { return m_ui.AskSaveFile(request); }
    std::optional<fs::path> AskOpenFile(const OpenFileRequest& request) override { return m_ui.AskOpenFile(request); }
    void SuspendUpdates() override {}
    void ResumeUpdates() override {}

private:
    Ui& m_ui;
    const ScratchPackage& m_scratch;
};

// Why the finished files may not go into `target`, or nothing.
std::optional<std::string> TargetRefusal(const fs::path& target, const fs::path& templatesFolder) {
    if (IsInsideFolder(target, templatesFolder))
        return "the folder \"" + PathToProgramText(target) +
               "\" is inside the templates folder; the finished files never go into a template.";
    return std::nullopt;
}

// Loads the template into a session over its scratch copy, applies the project, generates and
// hands the finished files on. The package itself is only read.
int GenerateOnCopy(const CommandLine& command, const fs::path& package, const std::string& folder, StreamUi& ui,
                   const std::function<int(const fs::path&)>& deliver) {
    const ScratchPackage scratch(package, folder);
    PackagePathsUi mapped(ui, scratch);
    FilesystemPlatform platform;
    NullBrowsers browsers;
    Session session(mapped, platform, browsers);
    session.FormCreate(ProgramFolders::InPlace(scratch.appFolder()));
    if (session.catalogPage().rows().empty())
        return 1;
    session.catalogPage().ListView1SelectItem(0, true);
    session.RecalculateTemplate();
    if (ui.errors() || !session.workspace())
        return 1;
    if (command.project && !session.projectFiles().LoadProjectFrom(*command.project))
        return 1;
    session.filesPage().SetTemplateOptions(command.options);
    if (ui.errors())
        return 1;
    return deliver(OutputFolder(*session.workspace()));
}

int CopyOut(const fs::path& output, const fs::path& target, std::ostream& err) {
    try {
        CopyFolderContents(output, target, {[](const fs::path&) { return OverwriteAnswer::YesToAll; }, nullptr});
    } catch (const std::exception& error) {
        err << "Error: cannot copy the finished files into \"" << target.string() << "\": " << error.what() << "\n";
        return 1;
    }
    return 0;
}

int Generate(const CommandLine& command, Session& session, const ProgramFolders& folders, StreamUi& ui,
             std::ostream& out, std::ostream& err) {
    if (ui.errors())
        return 1;
    const fs::path templates = session.AppFolder() / "templates";
    const bool publish = command.mode == CommandMode::Publish;
    if (const auto refusal = publish ? std::nullopt : TargetRefusal(command.outFolder, templates)) {
        err << "Error: " << *refusal << "\n";
        return 2;
    }
    const auto& rows = session.catalogPage().rows();
    size_t row = 0;
    while (row < rows.size() && NativeNameFromPackageText(rows[row].folder) != command.templateId)
        ++row;
    if (row == rows.size()) {
        err << "Error: no installed template has the ID \"" << command.templateId << "\".\n";
        return 1;
    }
    try {
        return GenerateOnCopy(command, ResolvePackagePath(templates, rows[row].folder), rows[row].folder, ui,
                              [&](const fs::path& output) {
                                  return publish ? PublishFromCommandLine(output, command.publishTarget, command.dryRun,
                                                                          folders, out, err)
                                                 : CopyOut(output, command.outFolder, err);
                              });
    } catch (const std::exception& error) {
        err << "Error: " << UserMessage(error) << "\n";
        return 1;
    }
}

// The package folder a --check argument names: a path to a folder, else an installed ID.
std::optional<fs::path> CheckedFolder(const std::string& target, const ProgramFolders& folders, std::ostream& err) {
    std::error_code ec;
    if (target.find('/') != std::string::npos || fs::is_regular_file(fs::path(target) / "index.html", ec))
        return fs::path(target);
    StreamUi ui(err);
    FilesystemPlatform platform;
    NullBrowsers browsers;
    Session session(ui, platform, browsers);
    session.FormCreate(folders);
    std::optional<fs::path> folder;
    for (const TemplateEntry& entry : session.catalogPage().rows())
        if (!folder && NativeNameFromPackageText(entry.folder) == target)
            folder = ResolvePackagePath(session.AppFolder() / "templates", entry.folder);
    session.FormClose();
    if (!folder)
        err << "Error: no installed template has the ID \"" << target << "\", and no folder of that name holds an "
            << "index.html.\n";
    return folder;
}

int Check(const std::string& target, const ProgramFolders& folders, std::ostream& out, std::ostream& err) {
    try {
        const std::optional<fs::path> folder = CheckedFolder(target, folders, err);
        if (!folder)
            return 2;
        const CheckFindings findings = CheckPackage(*folder);
        for (const CheckFinding& finding : findings)
            out << FindingLine(finding) << "\n";
        out << CheckSummary(findings) << "\n";
        return findings.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        err << "Error: cannot check the template: " << UserMessage(error) << "\n";
        return 2;
    }
}

// A catalog field on one line of the list: TAB, line ends and the backslash are escaped.
std::string ListField(const std::string& text) {
    std::string field;
    for (const char c : text) {
        switch (c) {
        case '\t': field += "\\t"; break;
        case '\n': field += "\\n"; break;
        case '\r': field += "\\r"; break;
        case '\\': field += "\\\\"; break;
        default: field += c;
        }
    }
    return field;
}

// The toolkit's own options, which the window leaves to it, and whether each takes a value.
const std::vector<std::pair<std::string, bool>> kToolkitOptions{{"-platform", true},
                                                                {"-platformpluginpath", true},
                                                                {"-platformtheme", true},
                                                                {"-plugin", true},
                                                                {"-qwindowgeometry", true},
                                                                {"-qwindowicon", true},
                                                                {"-qwindowtitle", true},
                                                                {"-session", true},
                                                                {"-display", true},
                                                                {"-geometry", true},
                                                                {"-style", true},
                                                                {"-stylesheet", true},
                                                                {"-name", true},
                                                                {"-title", true},
                                                                {"-visual", true},
                                                                {"-qmljsdebugger", true},
                                                                {"-reverse", false},
                                                                {"-widgetcount", false},
                                                                {"-nograb", false},
                                                                {"-dograb", false},
                                                                {"-sync", false}};

// The arguments of a window: toolkit options, the browser engine's arguments after
// "--webEngineArgs", and at most one project file to open.
CommandLine ParseWindowArguments(const std::vector<std::string>& args) {
    CommandLine command;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--webEngineArgs")
            break;
        if (arg.empty() || arg[0] != '-') {
            if (command.project)
                return Invalid("Only one project file can be opened.");
            command.project = fs::path(arg);
            continue;
        }
        const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(1) : arg;
        const auto known = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                                        [&](const auto& option) { return option.first == name; });
        if (known == kToolkitOptions.end())
            return Invalid("Unknown option \"" + arg + "\".");
        if (known->second && ++i == args.size())
            return Invalid("\"" + arg + "\" needs a value.");
    }
    return command;
}

CommandLine ParseCheck(const std::vector<std::string>& args) {
    if (args.size() < 2 || args[1].empty())
        return Invalid("\"--check\" needs a template ID or folder.");
    if (args.size() > 2)
        return Invalid("\"--check\" takes one template ID or folder.");
    CommandLine command;
    command.mode = CommandMode::Check;
    command.templateId = args[1];
    return command;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine command;
    if (args.empty())
        return command;
    const std::string& first = args.front();
    if (first == "--help" || first == "-h")
        command.mode = CommandMode::Help;
    else if (first == "--version")
        command.mode = CommandMode::Version;
    else if (first == "--list")
        command.mode = CommandMode::List;
    else if (first == "--check")
        return ParseCheck(args);
    else if (first != "--generate" && first != "--publish")
        return ParseWindowArguments(args);
    if (command.mode != CommandMode::Window)
        return args.size() == 1 ? command : Invalid("\"" + first + "\" takes no further arguments.");
    const bool publish = first == "--publish";
    command.mode = publish ? CommandMode::Publish : CommandMode::Generate;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool takesValue = option == "--generate" || option == "--publish" || option == "--out" ||
                                option == "--target" || option == "--project";
        if (takesValue && (i + 1 == args.size() || args[i + 1].empty()))
            return Invalid("\"" + option + "\" needs a value.");
        if (option == first)
            command.templateId = args[++i];
        else if (option == "--out" && !publish)
            command.outFolder = args[++i];
        else if (option == "--target" && publish)
            command.publishTarget = args[++i];
        else if (option == "--dry-run" && publish)
            command.dryRun = true;
        else if (option == "--project")
            command.project = fs::path(args[++i]);
        else if (option == "--dwt-mx")
            command.options.dreamweaverMx = true;
        else if (option == "--dwt-ew")
            command.options.expressionWeb = true;
        else
            return Invalid("Unknown option \"" + option + "\".");
    }
    if (publish && command.publishTarget.empty())
        return Invalid("\"--publish\" needs \"--target NAME\".");
    if (!publish && command.outFolder.empty())
        return Invalid("\"--generate\" needs \"--out DIR\".");
    return command;
}

int RunCommandLine(const CommandLine& command, const ProgramFolders& folders, std::ostream& out, std::ostream& err) {
    switch (command.mode) {
    case CommandMode::Help: out << kUsage; return 0;
    case CommandMode::Version: out << "Quorlex " << QUORLEX_VERSION << "\n"; return 0;
    case CommandMode::List:
    case CommandMode::Generate:
    case CommandMode::Publish: {
        StreamUi ui(err);
        FilesystemPlatform platform;
        NullBrowsers browsers;
        Session session(ui, platform, browsers);
        session.FormCreate(folders);
        int status = ui.errors() ? 1 : 0;
        if (command.mode != CommandMode::List)
            status = Generate(command, session, folders, ui, out, err);
        else
            for (const TemplateEntry& entry : session.catalogPage().rows())
                out << ListField(entry.folder) << '\t' << ListField(entry.title) << '\t' << ListField(entry.author)
                    << '\n';
        session.FormClose();
        return status;
    }
    case CommandMode::Check: return Check(command.templateId, folders, out, err);
    case CommandMode::Invalid: err << "Error: " << command.error << "\n" << kUsage; return 2;
    case CommandMode::Window: break;
    }
    return 2;
}

} // namespace quorlex
