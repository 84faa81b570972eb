#include "app/CommandLine.h"

#include "app/Session.h"
#include "ports/FilesystemPlatform.h"
#include "ports/NullBrowsers.h"
#include "ports/StreamUi.h"
#include "util/Cp1252.h"
#include "util/NativeNames.h"
#include "util/TextFile.h"

namespace quorlex {

namespace {

constexpr const char* kUsage =
    "Usage: quorlex [--help | --list | --generate TEMPLATE_ID --out DIR [--project FILE.tpp] [--dwt-mx] [--dwt-ew]]\n"
    "Without options the program opens its window.\n"
    "  --help                 show this list of options\n"
    "  --list                 print the installed templates: ID, title and author, TAB separated\n"
    "  --generate TEMPLATE_ID load the template of that ID and generate its finished files\n"
    "  --out DIR              the folder the finished files are copied into (created when missing)\n"
    "  --project FILE.tpp     apply the settings of a project file before generating\n"
    "  --dwt-mx               also write the Dreamweaver MX template index_dw_mx.dwt\n"
    "  --dwt-ew               also write the Expression Web template index_ms_ew.dwt\n";

CommandLine Invalid(const std::string& why) {
    CommandLine command;
    command.mode = CommandMode::Invalid;
    command.error = why;
    return command;
}

// Copies every file of the output folder into `target`, replacing files of the same name.
void CopyOutput(const fs::path& from, const fs::path& target) {
    fs::create_directories(target);
    for (auto it = fs::recursive_directory_iterator(from); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path to = target / fs::relative(it->path(), from);
        if (it->is_symlink())
            continue;
        if (it->is_directory())
            fs::create_directories(to);
        else if (it->is_regular_file())
            CopyFileAtomic(it->path(), to);
    }
}

int Generate(const CommandLine& command, Session& session, const StreamUi& ui, std::ostream& err) {
    if (ui.errors())
        return 1;
    const auto& rows = session.catalogPage().rows();
    size_t row = 0;
    while (row < rows.size() && NativeNameFromPackageText(rows[row].folder) != command.templateId)
        ++row;
    if (row == rows.size()) {
        err << "Error: no installed template has the ID \"" << command.templateId << "\".\n";
        return 1;
    }
    session.catalogPage().ListView1SelectItem(row, true);
    session.RecalculateTemplate();
    if (ui.errors() || !session.workspace())
        return 1;
    if (command.project && !session.projectFiles().LoadProjectFrom(*command.project))
        return 1;
    session.filesPage().SetTemplateOptions(command.options);
    if (ui.errors())
        return 1;
    try {
        CopyOutput(OutputFolder(*session.workspace()), command.outFolder);
    } catch (const std::exception& error) {
        err << "Error: cannot copy the finished files into \"" << command.outFolder.string() << "\": " << error.what()
            << "\n";
        return 1;
    }
    return 0;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine command;
    if (args.empty())
        return command;
    if (args.front() == "--help" || args.front() == "-h")
        command.mode = args.size() == 1 ? CommandMode::Help : CommandMode::Invalid;
    else if (args.front() == "--list")
        command.mode = args.size() == 1 ? CommandMode::List : CommandMode::Invalid;
    else if (args.front() != "--generate")
        return command;
    if (command.mode == CommandMode::Invalid)
        return Invalid("\"" + args.front() + "\" takes no further arguments.");
    if (command.mode != CommandMode::Window)
        return command;
    command.mode = CommandMode::Generate;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool takesValue = option == "--generate" || option == "--out" || option == "--project";
        if (takesValue && (i + 1 == args.size() || args[i + 1].empty()))
            return Invalid("\"" + option + "\" needs a value.");
        if (option == "--generate")
            command.templateId = args[++i];
        else if (option == "--out")
            command.outFolder = args[++i];
        else if (option == "--project")
            command.project = fs::path(args[++i]);
        else if (option == "--dwt-mx")
            command.options.dreamweaverMx = true;
        else if (option == "--dwt-ew")
            command.options.expressionWeb = true;
        else
            return Invalid("Unknown option \"" + option + "\".");
    }
    if (command.outFolder.empty())
        return Invalid("\"--generate\" needs \"--out DIR\".");
    return command;
}

int RunCommandLine(const CommandLine& command, const ProgramFolders& folders, std::ostream& out, std::ostream& err) {
    switch (command.mode) {
    case CommandMode::Help: out << kUsage; return 0;
    case CommandMode::List:
    case CommandMode::Generate: {
        StreamUi ui(err);
        FilesystemPlatform platform;
        NullBrowsers browsers;
        Session session(ui, platform, browsers);
        session.FormCreate(folders);
        int status = ui.errors() ? 1 : 0;
        if (command.mode == CommandMode::Generate)
            status = Generate(command, session, ui, err);
        else
            for (const TemplateEntry& entry : session.catalogPage().rows())
                out << Cp1252ToUtf8(entry.folder) << '\t' << Cp1252ToUtf8(entry.title) << '\t'
                    << Cp1252ToUtf8(entry.author) << '\n';
        session.FormClose();
        return status;
    }
    case CommandMode::Invalid: err << "Error: " << command.error << "\n" << kUsage; return 2;
    case CommandMode::Window: break;
    }
    return 2;
}

} // namespace quorlex
