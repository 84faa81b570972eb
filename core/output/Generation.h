#pragma once

#include "workspace/TemplateWorkspace.h"

#include <chrono>
#include <future>
#include <string>
#include <vector>

namespace quorlex {

// The two template check boxes of the export page.
struct TemplateOptions {
    bool dreamweaverMx = false;
    bool expressionWeb = false;
};

// What a generation run produced.
// A finished page or stylesheet: its name in the output folder and its text.
struct GeneratedText {
    std::string name;
    std::string text;
};

struct GenerationResult {
    std::vector<std::string> files;          // relative names in the order they were produced
    std::string htmlCode;                    // the finished index.html
    std::string cssCode;                     // the last stylesheet written
    std::vector<GeneratedText> styleSheets; // every stylesheet written, in order
    std::vector<GeneratedText> pages;       // the user's pages after index.html, when the site has them
    std::vector<std::string> refused;   // package paths that lead outside their folder
    std::vector<std::string> notCopied; // static files and images that could not be copied
    std::string staticListFailure;      // why static_files.tps could not be read, or empty
};

// TemplateFolder + the tempfolder setting; throws Error when the setting is blank, which
// would make the package folder itself the output.
fs::path OutputFolder(const TemplateWorkspace& ws);

// Writes finished sites. The text buffer stays between runs, so a large page generated again
// costs no fresh memory.
class SiteGenerator {
public:
    // `lockPatience`: how long a generation waits for another one of the same package.
    explicit SiteGenerator(std::chrono::milliseconds lockPatience = std::chrono::seconds(3))
        : m_lockPatience(lockPatience) {}

    // Writes the finished site: static files, the page, the stylesheets with all variables
    // applied, the images, and the editor templates asked for. The site is made beside the
    // output folder and replaces it only when complete; the package is locked meanwhile, and a
    // second generation of it waits a few seconds, then fails. Throws Error when a source
    // cannot be read or a file cannot be written, and the last site stays; `result` then holds
    // what was produced so far. The code texts are set only once the page and stylesheets exist.
    // The old site is deleted in the background; the next run and the destructor wait for it.
    void Generate(const TemplateWorkspace& ws, const TemplateOptions& options, GenerationResult& result);
    // Waits until the last run's old site is deleted.
    void WaitForCleanup();

private:
    std::chrono::milliseconds m_lockPatience;
    std::string m_scratch;
    std::future<void> m_cleanup; // deletes the last run's old site; waited for by the next run
};

// The messages naming refused and uncopied files; empty text when there are none.
std::string RefusedFilesMessage(const GenerationResult& result);
std::string NotCopiedMessage(const GenerationResult& result);

} // namespace quorlex
