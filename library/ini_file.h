#pragma once

#include "library/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellumo {

// The text of one INI file, read and edited the way the Windows profile-string functions do, so files
// written on Windows open here and ours open there:
// - lines split on any run of CR/LF; blanks (space, tab, vertical tab) trimmed; blank lines skipped;
// - spaces around the section and key names a caller gives are ignored, reading and writing alike;
// - "[" starts a section, named up to the first "]"; lines before the first section are unreachable;
// - the first "=" splits key from value; lines starting with ";" are comments, never matched nor removed;
// - names match without regard to letter case; the first of duplicated sections and keys counts;
// - a value loses one matching outer pair of double or single quotes.
// Bytes that are not valid UTF-8 are taken as Windows-1252 (files written on Windows); the text held and
// written is UTF-8.
class IniDocument {
public:
    IniDocument() = default;
    static IniDocument FromBytes(std::string_view bytes);

    // The value of the key, if the section holds it.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // The value of the key, or the default with its trailing spaces removed.
    std::string value(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    bool hasSection(std::string_view section) const;

    // Sets the key: an existing key's line is rewritten in place, a new key goes right after the last key
    // of its section, a new section at the end. A value with outer blanks or outer matching quotes gets
    // one extra pair of double quotes so that reading returns it unchanged.
    // False (and nothing changed) when the names or the value cannot be stored on one line: a line break
    // anywhere, a section name with "]" or outer tabs, a key that is empty, has "=" or outer tabs, or
    // starts with ";" or "[".
    [[nodiscard]] bool set(std::string_view section, std::string_view key, std::string_view value);
    // Appends an empty section unless one of that name exists; false for a name that cannot be stored.
    [[nodiscard]] bool addSection(std::string_view section);

    const std::string& text() const { return m_text; }
    // What goes to disk: the text, behind the byte-order mark the file had.
    std::string bytes() const;

private:
    std::string m_text;
    bool m_byteOrderMark = false;
};

// The document of a normal file (hidden files count as missing); none when there is no such file or it
// cannot be read: readers then fall back to empty text.
std::optional<IniDocument> LoadIniDocument(const std::string& file);
// The document to edit a file in: empty when there is no file, the file's content when there is one (hidden
// files too), the reason when a file is there but cannot be read, so that it is never replaced by a fresh
// one.
Result<IniDocument> LoadIniDocumentForEdit(const std::string& file);
// Writes the document in one atomic step.
Outcome SaveIniDocument(const std::string& file, const IniDocument& document);

// Sets one key in a file, creating the file and section as needed and keeping every other line.
// The file is replaced atomically; the reason when the value could not be stored (invalid argument for a
// name or value that cannot stand on one line).
Outcome WriteIniValue(std::string_view section, std::string_view key, std::string_view value,
                      const std::string& file);

// Sets several keys of one section in a single atomic write.
Outcome WriteIniValues(std::string_view section,
                       const std::vector<std::pair<std::string, std::string>>& keyValues,
                       const std::string& file);

} // namespace vellumo
