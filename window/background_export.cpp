#include "background_export.h"

#include "generator/backgrounds.h"
#include "library/atomic_file.h"
#include "library/file_search.h"
#include "listing_scheme.h"

#include <QByteArray>
#include <QFile>

namespace vellumo {

namespace {

std::string exportPath(const std::string& folder, int number) {
    return folder + "/" + BackgroundFileName(number);
}

} // namespace

Outcome ExportBackgrounds(const std::string& folder, const std::vector<int>& numbers) {
    std::vector<std::pair<std::string, QByteArray>> pictures;
    for (const int number : numbers) {
        QFile tile(BackgroundTileResource(number));
        if (number < 1 || number > kBackgroundCount || !tile.open(QIODevice::ReadOnly)) {
            return std::errc::no_such_file_or_directory;
        }
        pictures.emplace_back(exportPath(folder, number), tile.readAll());
    }
    std::vector<FileContent> files;
    for (const auto& [path, bytes] : pictures) {
        files.push_back({path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))});
    }
    return WriteFilesAtomically(files);
}

std::vector<std::string> ExistingExportFiles(const std::string& folder, const std::vector<int>& numbers) {
    std::vector<std::string> existing;
    for (const int number : numbers) {
        if (const std::string path = exportPath(folder, number); FileExists(path)) {
            existing.push_back(path);
        }
    }
    return existing;
}

} // namespace vellumo
