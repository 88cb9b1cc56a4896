// Arbitrary bytes as an INI file: reading never fails, and a key that was set reads back as set.
#include "library/ini_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string section = provider.ConsumeRandomLengthString(24);
    const std::string key = provider.ConsumeRandomLengthString(24);
    const std::string value = provider.ConsumeRandomLengthString(128);
    const std::string bytes = provider.ConsumeRemainingBytesAsString();

    vellumo::IniDocument document = vellumo::IniDocument::FromBytes(bytes);
    (void)document.value(section, key, "Default  ");
    (void)document.hasSection(section);

    // Our own output reads back as the same text.
    if (vellumo::IniDocument::FromBytes(document.bytes()).text() != document.text()) {
        std::abort();
    }

    if (document.set(section, key, value)) {
        const vellumo::IniDocument reread = vellumo::IniDocument::FromBytes(document.bytes());
        if (reread.find(section, key) != value) {
            std::abort();
        }
    }
    return 0;
}
