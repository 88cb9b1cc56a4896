// Arbitrary bytes as a template file: reading never fails, and what was read saves and reads back unchanged.
#include "library/template_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const int photoCount = provider.ConsumeIntegralInRange(0, 7);
    const std::string bytes = provider.ConsumeRemainingBytesAsString();

    vellumo::TemplateValues current;
    current.group = vellumo::FieldGroup::ForPhotoCount(3);
    const vellumo::TemplateReadResult read = vellumo::ReadTemplateText(bytes, photoCount, current);
    if (read.status != vellumo::TemplateReadStatus::Read) {
        return 0;
    }

    const auto text = vellumo::TemplateFileText(read.values);
    if (!text) {
        std::abort();
    }
    if (vellumo::ReadTemplateText(*text, photoCount, current).values != read.values) {
        std::abort();
    }
    return 0;
}
