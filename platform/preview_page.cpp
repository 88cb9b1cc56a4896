#include "platform/preview_page.h"

#include "library/atomic_file.h"
#include "platform/private_folder.h"

#include <cerrno>

#include <unistd.h>

namespace vellumo {

std::string PreviewPagePath(const AppPaths& paths) {
    return paths.previewFolder + "/" + std::string(kPreviewPageName);
}

Outcome WritePreviewPage(const AppPaths& paths, std::string_view code) {
    // The folder may have been cleaned away while the program ran; recreate it, refuse it when tampered.
    if (Outcome folder = EnsurePrivateFolder(paths.previewFolder); !folder) {
        return folder;
    }
    std::string page;
    page.reserve(code.size() + 2);
    page.append(code).append("\r\n");
    return WriteFileAtomically(PreviewPagePath(paths), page);
}

Outcome DeletePreviewPage(const AppPaths& paths) {
    // unlink removes a link itself, never the file it points to.
    if (::unlink(PreviewPagePath(paths).c_str()) == 0 || errno == ENOENT) {
        return {};
    }
    return LastSystemError();
}

} // namespace vellumo
