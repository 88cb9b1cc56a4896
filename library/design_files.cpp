#include "library/design_files.h"

#include "library/atomic_file.h"
#include "library/file_search.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <unistd.h>

namespace vellumo {

namespace {

constexpr std::size_t kUsualNameMax = 255;
constexpr std::string_view kCodeExtension = ".txt";

// Clean template names hold no tab or line break, so they stand in the journal's lines as they are.
constexpr std::string_view kMove = "move";
constexpr std::string_view kRemove = "remove";

struct JournalStep {
    std::string verb;
    std::string first;
    std::string second;
};

std::string folderOf(const AppPaths& paths) {
    std::string folder = paths.templateFolder();
    folder.pop_back();
    return folder;
}

std::string baseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

std::string journalText(const std::vector<JournalStep>& steps) {
    std::string text;
    for (const JournalStep& step : steps) {
        text += step.verb + "\t" + step.first;
        if (step.verb == kMove) {
            text += "\t" + step.second;
        }
        text += "\n";
    }
    return text;
}

std::vector<JournalStep> journalSteps(std::string_view text) {
    std::vector<JournalStep> steps;
    while (!text.empty()) {
        const std::size_t lineEnd = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(std::min(text.size(), lineEnd + 1));
        JournalStep step;
        const std::size_t firstTab = line.find('\t');
        if (firstTab == std::string_view::npos) {
            continue;
        }
        step.verb = line.substr(0, firstTab);
        line.remove_prefix(firstTab + 1);
        const std::size_t secondTab = line.find('\t');
        step.first = line.substr(0, secondTab);
        if (secondTab != std::string_view::npos) {
            step.second = line.substr(secondTab + 1);
        }
        // A name that could leave the folder is no name a Save wrote.
        const auto inFolder = [](const std::string& name) {
            return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
        };
        const bool wellFormed = (step.verb == kMove && inFolder(step.first) && inFolder(step.second)) ||
                                (step.verb == kRemove && inFolder(step.first) && step.second.empty());
        if (wellFormed) {
            steps.push_back(std::move(step));
        }
    }
    return steps;
}

Outcome removeFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) {
        return {};
    }
    return LastSystemError();
}

// Carries out the steps; each can run again after a crash without harm: a move whose temporary file is
// gone has been made, a removal of a file that is gone has been done.
Outcome applyJournal(const std::string& folder, const std::vector<JournalStep>& steps) {
    for (const JournalStep& step : steps) {
        const std::string first = folder + "/" + step.first;
        if (step.verb == kMove) {
            if (::access(first.c_str(), F_OK) != 0) {
                continue;
            }
            if (Outcome moved = CommitTemporaryFile(first, folder + "/" + step.second); !moved) {
                return moved;
            }
        } else if (Outcome removed = removeFile(first); !removed) {
            return removed;
        }
    }
    SyncFolder(folder);
    return removeFile(folder + "/" + std::string(kJournalName));
}

} // namespace

std::size_t MaxTemplateNameBytes(const AppPaths& paths) {
    // The folder may not exist yet; its parent is on the same file system then.
    long nameMax = ::pathconf(folderOf(paths).c_str(), _PC_NAME_MAX);
    if (nameMax <= 0) {
        nameMax = ::pathconf(paths.appFolder.c_str(), _PC_NAME_MAX);
    }
    const std::size_t limit = nameMax > 0 ? static_cast<std::size_t>(nameMax) : kUsualNameMax;
    return limit - kCodeExtension.size();
}

SaveDesignResult SaveDesign(const AppPaths& paths, TemplateFolderListing& listing, const TemplateName& name,
                            int photoCount, const DesignToWrite& content) {
    SaveDesignResult result;
    if (!IsPhotoCount(photoCount)) {
        result.status = SaveDesignStatus::NoPhotoCount;
        return result;
    }
    if (name.empty()) {
        result.status = SaveDesignStatus::EmptyName;
        return result;
    }
    if (name.text().size() > MaxTemplateNameBytes(paths)) {
        result.status = SaveDesignStatus::NameTooLong;
        result.error = std::make_error_code(std::errc::filename_too_long);
        return result;
    }
    const std::optional<DesignContent> design = content(DesignExists(listing, name));
    if (!design) {
        result.status = SaveDesignStatus::Declined;
        return result;
    }
    const auto templateText =
        design->values.group.photoCount() == photoCount ? TemplateFileText(design->values) : std::nullopt;
    if (!templateText) {
        result.status = SaveDesignStatus::WriteFailed;
        result.error = std::make_error_code(std::errc::illegal_byte_sequence);
        return result;
    }
    result.templateEntry = name.text() + "-" + std::to_string(photoCount);
    const std::string folder = folderOf(paths);
    if (Outcome created = CreateFolderIfMissing(folder); !created) {
        result.status = SaveDesignStatus::FolderMissing;
        result.error = created.error();
        return result;
    }

    const std::string codeFile = CodeFileName(name.text());
    std::vector<std::string> temporaries;
    const auto fail = [&](const std::error_code& error) {
        for (const std::string& temporary : temporaries) {
            ::unlink(temporary.c_str());
        }
        result.status = SaveDesignStatus::WriteFailed;
        result.error = error;
        return result;
    };
    std::vector<JournalStep> steps;
    for (const FileContent& file :
         {FileContent{result.templateEntry, *templateText}, FileContent{codeFile, design->code}}) {
        auto temporary = WriteTemporaryFile(folder + "/" + file.path, file.bytes);
        if (!temporary) {
            return fail(temporary.error());
        }
        temporaries.push_back(*temporary);
        steps.push_back({std::string(kMove), baseName(*temporary), file.path});
    }
    // The design of that name saved earlier with another photo count is replaced, not kept beside it.
    for (const std::string& file : listing.fileNames) {
        if (file != result.templateEntry && IsTemplateFileOf(file, name.text())) {
            steps.push_back({std::string(kRemove), file, {}});
        }
    }
    if (Outcome journal = WriteFileAtomically(folder + "/" + std::string(kJournalName), journalText(steps));
        !journal) {
        return fail(journal.error());
    }
    // From here on the new design wins: should a step fail now, the next start finishes the journal.
    if (Outcome applied = applyJournal(folder, steps); !applied) {
        result.status = SaveDesignStatus::WriteFailed;
        result.error = applied.error();
        return result;
    }
    std::erase_if(listing.fileNames, [&](const std::string& file) {
        return std::ranges::any_of(
            steps, [&](const JournalStep& step) { return step.verb == kRemove && step.first == file; });
    });
    for (const std::string& file : {result.templateEntry, codeFile}) {
        if (std::ranges::find(listing.fileNames, file) == listing.fileNames.end()) {
            listing.fileNames.push_back(file);
        }
    }
    return result;
}

Outcome RecoverTemplateFolder(const AppPaths& paths) {
    const std::string folder = folderOf(paths);
    const std::string journalPath = folder + "/" + std::string(kJournalName);
    Outcome recovered;
    if (const auto journal = ReadWholeFile(journalPath)) {
        recovered = applyJournal(folder, journalSteps(*journal));
    }
    if (!recovered) {
        return recovered;
    }
    if (Outcome cleaned = RemoveTemporaryFiles(folder); !cleaned) {
        recovered = cleaned;
    }
    return recovered;
}

Outcome DeleteDesign(const AppPaths& paths, std::string_view templateEntry, std::string_view codeEntry) {
    Outcome deleted;
    if (!templateEntry.empty()) {
        const std::string path = TemplateFilePath(paths, templateEntry);
        deleted = path.empty() ? Outcome(std::errc::invalid_argument) : removeFile(path);
    }
    if (!codeEntry.empty()) {
        const std::string path = CodeFilePath(paths, codeEntry);
        Outcome removed = path.empty() ? Outcome(std::errc::invalid_argument) : removeFile(path);
        if (deleted) {
            deleted = removed;
        }
    }
    return deleted;
}

} // namespace vellumo
