#include "Document.h"

#include "LineTokens.h"
#include "Utf8.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace glimmerhost {
namespace {

constexpr int kMaxPageSize = 4000;
constexpr int kMaxWait = 3'600'000; // one hour

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    quoted.push_back('"');
    return quoted;
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined.empty() ? "none" : joined;
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameObjectName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return FoldAscii(x) == FoldAscii(y);
           });
}

// Raised while reading one line; the parser adds path and line number.
struct LineFault {
    std::string message;
};

int ParseNumber(const Token& token, const char* what, int minimum, int maximum) {
    const std::string& text = token.text;
    int value = 0;
    const char* end = text.data() + text.size();
    const bool digitsOnly =
        !text.empty() && !token.quoted &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly)
        throw LineFault{"the " + std::string(what) + " " + Quoted(text) + " is not a whole number"};
    if (std::from_chars(text.data(), end, value).ec != std::errc() || value < minimum ||
        value > maximum)
        throw LineFault{"the " + std::string(what) + " " + text + " is out of range (" +
                        std::to_string(minimum) + " to " + std::to_string(maximum) + ")"};
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

Colour ParseColour(const Token& token) {
    const std::string& text = token.text;
    const bool wellFormed =
        !token.quoted && text.size() == 7 && text[0] == '#' &&
        std::all_of(text.begin() + 1, text.end(), [](char c) { return HexDigit(c) >= 0; });
    if (!wellFormed)
        throw LineFault{Quoted(text) + " is not a colour; write #RRGGBB, e.g. #FF8000"};
    auto channel = [&](std::size_t at) {
        return static_cast<uint8_t>(HexDigit(text[at]) * 16 + HexDigit(text[at + 1]));
    };
    return Colour{channel(1), channel(3), channel(5)};
}

void ExpectCount(const std::vector<Token>& tokens, std::size_t count, const char* usage) {
    if (tokens.size() != count)
        throw LineFault{std::string(usage)};
}

bool IsActionName(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

class Parser {
public:
    explicit Parser(Document& document) : document_(document) {}

    void ReadLine(std::string_view line, int number) {
        if (!IsValidUtf8(line))
            throw LineFault{"the line is not valid UTF-8 text; save the document as UTF-8"};
        const auto first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            return;
        std::vector<Token> tokens;
        try {
            tokens = TokenizeLine(line);
        } catch (const LineSyntaxError& error) {
            throw LineFault{error.what()};
        }
        const Token& head = tokens.front();
        if (head.quoted)
            throw LineFault{"a line starts with page, rectangle, wait or an action name, not "
                            "with a text in double quotes"};
        if (head.text == "page")
            ReadPage(tokens, number);
        else if (head.text == "rectangle")
            ReadRectangle(tokens, number);
        else if (head.text == "wait")
            ReadWait(tokens, number);
        else
            ReadAction(tokens, number);
    }

    // Checks what only the whole document shows.
    void Finish() {
        if (pageLine_ == 0)
            throw DocumentError(document_.path, 0,
                                "the document has no page line (page <width> <height> #RRGGBB)");
        for (const auto& step : document_.script) {
            const auto* action = std::get_if<ActionStep>(&step);
            if (action != nullptr && FindObject(document_, action->objectName) == nullptr)
                throw DocumentError(document_.path, action->line,
                                    "unknown object " + Quoted(action->objectName) +
                                        "; the page has " + JoinNames(ObjectNames()));
        }
    }

private:
    void ReadPage(const std::vector<Token>& tokens, int number) {
        if (pageLine_ != 0)
            throw LineFault{"a second page line; the page is declared on line " +
                            std::to_string(pageLine_)};
        ExpectCount(tokens, 4, "page needs a width, a height and a colour: page 640 240 #000000");
        document_.page.width = ParseNumber(tokens[1], "page width", 1, kMaxPageSize);
        document_.page.height = ParseNumber(tokens[2], "page height", 1, kMaxPageSize);
        document_.page.background = ParseColour(tokens[3]);
        pageLine_ = number;
    }

    void ReadRectangle(const std::vector<Token>& tokens, int number) {
        ExpectCount(tokens, 7,
                    "rectangle needs a name, x, y, width, height and a colour: "
                    "rectangle \"Rectangle1\" 10 10 300 60 #000000");
        RectangleObject object;
        object.name = tokens[1].text;
        if (object.name.empty())
            throw LineFault{"a rectangle needs a name that is not empty"};
        if (const auto* earlier = FindObject(document_, object.name))
            throw LineFault{"object " + Quoted(object.name) + " is declared twice (first on line " +
                            std::to_string(earlier->line) + "; names ignore letter case)"};
        object.x = ParseNumber(tokens[2], "x", 0, kMaxPageSize);
        object.y = ParseNumber(tokens[3], "y", 0, kMaxPageSize);
        object.width = ParseNumber(tokens[4], "width", 1, kMaxPageSize);
        object.height = ParseNumber(tokens[5], "height", 1, kMaxPageSize);
        object.fill = ParseColour(tokens[6]);
        object.line = number;
        document_.objects.push_back(std::move(object));
    }

    void ReadWait(const std::vector<Token>& tokens, int number) {
        ExpectCount(tokens, 2, "wait needs one number of milliseconds: wait 1500");
        document_.script.push_back(WaitStep{ParseNumber(tokens[1], "wait", 0, kMaxWait), number});
    }

    void ReadAction(const std::vector<Token>& tokens, int number) {
        const std::string& name = tokens.front().text;
        if (!IsActionName(name))
            throw LineFault{Quoted(name) + " is not a keyword (page, rectangle, wait) or an "
                                           "action name"};
        for (std::size_t i = 1; i < tokens.size(); ++i)
            if (!tokens[i].quoted)
                throw LineFault{"parameter " + std::to_string(i) + " of " + name + " (" +
                                tokens[i].text + ") must be in double quotes"};
        if (tokens.size() != 3)
            throw LineFault{name +
                            " needs 2 parameters in double quotes (object and value), "
                            "found " +
                            std::to_string(tokens.size() - 1)};
        document_.script.push_back(ActionStep{name, tokens[1].text, tokens[2].text, number});
    }

    std::vector<std::string> ObjectNames() const {
        std::vector<std::string> names;
        for (const auto& object : document_.objects)
            names.push_back(object.name);
        return names;
    }

    Document& document_;
    int pageLine_ = 0;
};

std::vector<std::string> SplitLines(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string DescribeErrno(int number) {
    const char* text = std::strerror(number);
    return text != nullptr ? text : "unknown error";
}

// A UTF-8 path as the file system's path type (wide on Windows).
std::filesystem::path FilePath(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// "path:line: message", or "path: message" for line 0.
std::string LocatedMessage(const std::string& path, int line, const std::string& message) {
    std::string text = path;
    if (line > 0) {
        text.append(":");
        text.append(std::to_string(line));
    }
    text.append(": ");
    text.append(message);
    return text;
}

} // namespace

DocumentError::DocumentError(std::string path, int line, std::string message)
    : std::runtime_error(LocatedMessage(path, line, message)), path_(std::move(path)), line_(line),
      message_(std::move(message)) {}

Document ParseDocument(std::string_view text, const std::string& path) {
    Document document;
    document.path = path;
    document.lines = SplitLines(text);
    Parser parser(document);
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        try {
            parser.ReadLine(document.lines[i], number);
        } catch (const LineFault& fault) {
            throw DocumentError(path, number, fault.message);
        }
    }
    parser.Finish();
    return document;
}

Document LoadDocument(const std::string& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(FilePath(path), ignored))
        throw DocumentError(path, 0, "this is a folder, not a document");
    errno = 0;
    std::ifstream file(FilePath(path), std::ios::binary);
    if (!file)
        throw DocumentError(path, 0, "cannot read the file: " + DescribeErrno(errno));
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw DocumentError(path, 0, "cannot read the file: " + DescribeErrno(errno));
    return ParseDocument(text, path);
}

void CheckActions(const Document& document, const std::vector<std::string>& actionNames) {
    for (const auto& step : document.script) {
        const auto* action = std::get_if<ActionStep>(&step);
        if (action == nullptr ||
            std::find(actionNames.begin(), actionNames.end(), action->action) != actionNames.end())
            continue;
        std::string message = "unknown action " + Quoted(action->action);
        const auto similar =
            std::find_if(actionNames.begin(), actionNames.end(), [&](const std::string& name) {
                return SameObjectName(name, action->action);
            });
        if (similar != actionNames.end())
            message += " (action names are case-sensitive: " + *similar + ")";
        throw DocumentError(document.path, action->line,
                            message + "; the plug-in offers " + JoinNames(actionNames));
    }
}

const RectangleObject* FindObject(const Document& document, std::string_view name) {
    const auto found = std::find_if(
        document.objects.begin(), document.objects.end(),
        [&](const RectangleObject& object) { return SameObjectName(object.name, name); });
    return found != document.objects.end() ? &*found : nullptr;
}

std::string FormatActionLine(const ActionStep& step) {
    return step.action + " " + Quote(step.objectName) + " " + Quote(step.value);
}

void SetActionParameters(Document& document, std::size_t stepIndex, std::string objectName,
                         std::string value) {
    auto& action = std::get<ActionStep>(document.script.at(stepIndex));
    action.objectName = std::move(objectName);
    action.value = std::move(value);
    auto& line = document.lines.at(static_cast<std::size_t>(action.line - 1));
    const auto indent = line.find_first_not_of(" \t");
    line = line.substr(0, indent) + FormatActionLine(action);
}

std::string DocumentText(const Document& document) {
    std::string text;
    for (const auto& line : document.lines)
        text += line + "\n";
    return text;
}

void SaveDocument(const Document& document, const std::string& path) {
    errno = 0;
    std::ofstream file(FilePath(path), std::ios::binary | std::ios::trunc);
    if (file)
        file << DocumentText(document);
    if (!file.flush())
        throw DocumentError(path, 0, "cannot write the file: " + DescribeErrno(errno));
}

} // namespace glimmerhost
