#include "LineTokens.h"

namespace glimmerhost {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

constexpr char kQuote = '"';

// Reads the quoted text that starts at line[pos] (a quote); returns the
// position after the closing quote.
std::size_t ReadQuoted(std::string_view line, std::size_t pos, std::string& text) {
    for (std::size_t i = pos + 1; i < line.size(); ++i) {
        if (line[i] != kQuote) {
            text += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == kQuote) {
            text += kQuote;
            ++i;
        } else {
            return i + 1;
        }
    }
    throw LineSyntaxError("missing closing double quote after \"" + text + "\"");
}

} // namespace

std::vector<Token> TokenizeLine(std::string_view line) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while (true) {
        while (pos < line.size() && IsBlank(line[pos]))
            ++pos;
        if (pos == line.size())
            return tokens;
        Token token;
        if (line[pos] == kQuote) {
            token.quoted = true;
            pos = ReadQuoted(line, pos, token.text);
            if (pos < line.size() && !IsBlank(line[pos]))
                throw LineSyntaxError("a blank must follow the closing double quote of \"" +
                                      token.text + "\"");
        } else {
            const std::size_t start = pos;
            while (pos < line.size() && !IsBlank(line[pos])) {
                if (line[pos] == kQuote)
                    throw LineSyntaxError(
                        "a double quote inside \"" +
                        std::string(line.substr(start, pos - start + 1)) +
                        "\": a text in double quotes must stand apart, after a blank");
                ++pos;
            }
            token.text = line.substr(start, pos - start);
        }
        tokens.push_back(std::move(token));
    }
}

std::string Quote(std::string_view text) {
    std::string quoted(1, kQuote);
    for (char c : text) {
        quoted += c;
        if (c == kQuote)
            quoted += kQuote;
    }
    quoted += kQuote;
    return quoted;
}

} // namespace glimmerhost
