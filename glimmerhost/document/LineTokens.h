// Splits one document line into words and double-quoted texts.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace glimmerhost {

struct Token {
    std::string text; // a quoted text without its quotes, "" read as one quote
    bool quoted = false;
};

// A line that cannot be split; the message names what is wrong.
class LineSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Words are separated by blanks and tabs. A token that starts with a double
// quote runs to the next lone double quote; a doubled quote inside stands for
// one quote. Throws LineSyntaxError for a missing closing quote, text glued to
// a closing quote, or a quote inside a word.
std::vector<Token> TokenizeLine(std::string_view line);

// The text as a quoted token, quotes inside doubled.
std::string Quote(std::string_view text);

} // namespace glimmerhost
