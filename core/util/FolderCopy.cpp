#include "util/FolderCopy.h"

#include "util/Error.h"
#include "util/NativeNames.h"
#include "util/PackagePath.h"
#include "util/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <vector>

namespace quorlex {

namespace {

bool IsLink(const fs::path& path) {
    std::error_code ignored;
    return fs::is_symlink(fs::symlink_status(path, ignored));
}

[[noreturn]] void RefuseLink(const fs::path& link) {
    throw Error("Cannot copy into \"" + PathToProgramText(link) +
                "\". It is a symbolic link, and nothing is written through one.");
}

void CopyTreeInto(const fs::path& from, const fs::path& to, const std::function<void()>& pump,
                  std::optional<fs::path>& refused) {
    std::error_code ec;
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        if (pump)
            pump();
        const fs::path target = to / it->path().filename();
        std::error_code ignored;
        if (!IsInsideFolder(it->path(), from))
            continue; // a link that leads out of the folder
        if (it->is_directory(ignored)) {
            if (IsLink(target)) {
                refused = refused ? refused : target;
                continue;
            }
            fs::create_directory(target, ignored);
            CopyTreeInto(it->path(), target, pump, refused);
        } else if (!fs::exists(fs::symlink_status(target, ignored))) {
            try {
                CopyFileAtomic(it->path(), target);
            } catch (const std::exception&) {
                // Files that cannot be copied are skipped.
            }
        }
    }
}

} // namespace

void CopyFolderTree(const fs::path& from, const fs::path& to, const std::function<void()>& pump) {
    std::optional<fs::path> refused;
    CopyTreeInto(from, to, pump, refused);
    if (refused)
        RefuseLink(*refused);
}

fs::path FreeCopyName(const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(target, ec))
        return target;
    const fs::path folder = target.parent_path();
    const std::string stem = target.stem().string();
    const std::string ext = target.extension().string();
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? " (copy)" : " (copy " + std::to_string(n) + ")";
        fs::path candidate = folder / (stem + suffix);
        candidate += ext;
        if (!fs::exists(candidate, ec))
            return candidate;
    }
}

bool CopyFileWithRename(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec))
        return false;
    return fs::copy_file(from, FreeCopyName(to), fs::copy_options::none, ec) && !ec;
}

namespace {

struct CopyItem {
    fs::path source;
    fs::path target;
    bool folder;
};

void CollectItems(const fs::path& from, const fs::path& to, std::vector<CopyItem>& items) {
    std::error_code ec;
    items.push_back({from, to, true});
    for (fs::directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (it->is_directory(ignored))
            CollectItems(it->path(), to / it->path().filename(), items);
        else
            items.push_back({it->path(), to / it->path().filename(), false});
    }
}

} // namespace

bool CopyFolderWithQuestions(const fs::path& from, const fs::path& to, const FolderCopyQuestions& questions) {
    std::error_code ec;
    if (!fs::is_directory(from, ec))
        return false;
    if (!fs::is_directory(to, ec))
        return CopyFolderContents(from, to, questions);
    const fs::path root = to / from.filename();
    if (IsLink(root))
        RefuseLink(root);
    return CopyFolderContents(from, root, questions);
}

bool CopyFolderContents(const fs::path& from, const fs::path& root, const FolderCopyQuestions& questions) {
    std::vector<CopyItem> items;
    CollectItems(from, root, items);
    // The user's folder is checked whole before anything is written into it; `root` itself is
    // the one the user chose.
    for (size_t i = 1; i < items.size(); ++i)
        if (IsLink(items[i].target))
            RefuseLink(items[i].target);
    std::error_code ec;
    bool overwriteAll = false;
    for (size_t i = 0; i < items.size(); ++i) {
        if (questions.progress && !questions.progress(i, items.size()))
            return false;
        const CopyItem& item = items[i];
        if (item.folder) {
            fs::create_directories(item.target, ec);
            if (ec)
                throw Error("Cannot create the folder \"" + PathToProgramText(item.target) + "\". " + ec.message());
            RemoveStaleTemporaries(item.target);
            continue;
        }
        if (fs::exists(item.target, ec) && !overwriteAll) {
            const OverwriteAnswer answer =
                questions.askOverwrite ? questions.askOverwrite(item.target) : OverwriteAnswer::No;
            if (answer == OverwriteAnswer::Cancel)
                return false;
            if (answer == OverwriteAnswer::No)
                continue;
            overwriteAll = answer == OverwriteAnswer::YesToAll;
        }
        CopyFileAtomic(item.source, item.target, Durability::Remade);
    }
    SyncFileSystemOf(root);
    if (questions.progress)
        questions.progress(items.size(), items.size());
    return true;
}

fs::path ReplaceFolder(const fs::path& fresh, const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (fs::is_symlink(status))
        fs::remove(target, ec); // the link itself, never what it points to
    if (!fs::exists(fs::symlink_status(target, ec))) {
        if (::rename(fresh.c_str(), target.c_str()) != 0)
            throw Error(FileErrorText(target, "create", errno));
        return {};
    }
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            throw Error(FileErrorText(target, "replace", errno));
        // Without an exchange the old folder steps aside first.
        fs::path old = fresh.string() + "-old";
        if (::rename(target.c_str(), old.c_str()) != 0)
            throw Error(FileErrorText(target, "replace", errno));
        if (::rename(fresh.c_str(), target.c_str()) != 0) {
            const int code = errno;
            ::rename(old.c_str(), target.c_str());
            throw Error(FileErrorText(target, "replace", code));
        }
        return old;
    }
    return fresh; // the old folder, now under the fresh one's name
}

void SnapshotFolder(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::remove_all(to, ec);
    fs::create_directories(to, ec);
    if (ec)
        throw Error("Cannot make the folder \"" + PathToProgramText(to) + "\". " + ec.message());
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = to / it->path().lexically_relative(from);
        std::error_code entry;
        if (it->is_symlink(entry))
            continue;
        if (it->is_directory(entry))
            fs::create_directory(target, entry);
        else if (it->is_regular_file(entry)) {
            fs::create_hard_link(it->path(), target, entry);
            if (entry)
                CopyIntoOwnFolder(it->path(), target);
            entry.clear();
        }
        if (entry)
            throw Error("Cannot make the folder \"" + PathToProgramText(target) + "\". " + entry.message());
    }
    if (ec)
        throw Error("Cannot list \"" + PathToProgramText(from) + "\". " + ec.message());
}

} // namespace quorlex
