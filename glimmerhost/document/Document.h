// A glimmerhost document: one page with rectangle objects and a script of
// timed plug-in actions. The format is described in docs/document-format.md.
// Pure C++: no Windows header, so it is unit-tested natively.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace glimmerhost {

struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const Colour&) const = default;
};

struct Page {
    int width = 0;
    int height = 0;
    Colour background;
};

struct RectangleObject {
    std::string name; // UTF-8, as written
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Colour fill;
    int line = 0; // 1-based line of the document
};

// `Action "object" "value"`: one call of a plug-in action.
struct ActionStep {
    std::string action;
    std::string objectName; // UTF-8
    std::string value;      // UTF-8
    int line = 0;
};

// `wait <ms>`: the script pauses while the page keeps running.
struct WaitStep {
    int milliseconds = 0;
    int line = 0;
};

using Step = std::variant<ActionStep, WaitStep>;

struct Document {
    std::string path; // as given to the parser; used in messages
    Page page;
    std::vector<RectangleObject> objects;
    std::vector<Step> script;
    std::vector<std::string> lines; // the source lines, for writing the document back
};

// A document that cannot be used. what() reads "path:line: message", or
// "path: message" when no single line is at fault.
class DocumentError : public std::runtime_error {
public:
    DocumentError(std::string path, int line, std::string message);
    const std::string& Path() const { return path_; }
    int Line() const { return line_; }
    const std::string& Message() const { return message_; }

private:
    std::string path_;
    int line_;
    std::string message_;
};

// Parses a document's text (UTF-8, an optional byte-order mark, LF or CRLF).
// Throws DocumentError naming the first fault.
Document ParseDocument(std::string_view text, const std::string& path);

// Reads and parses the file at `path` (a UTF-8 path).
Document LoadDocument(const std::string& path);

// Checks every action line against the actions the plug-in registered.
// Throws DocumentError for the first unknown action.
void CheckActions(const Document& document, const std::vector<std::string>& actionNames);

// The object of `name`, matched as the host matches object names (the ASCII
// letters folded, nothing else); null when the page has none.
const RectangleObject* FindObject(const Document& document, std::string_view name);

// The action line as it is written into a document, quotes doubled.
std::string FormatActionLine(const ActionStep& step);

// Replaces the parameters of the action step at `stepIndex` and rewrites its
// source line. The step must be an action step.
void SetActionParameters(Document& document, std::size_t stepIndex, std::string objectName,
                         std::string value);

// The document's text with every edit applied ("\n" line ends).
std::string DocumentText(const Document& document);

// Writes DocumentText to `path`; throws DocumentError when it cannot.
void SaveDocument(const Document& document, const std::string& path);

} // namespace glimmerhost
