// The drawn characters, keyed by Unicode code point. LedFont maps the bytes
// of a code page onto them.
#pragma once

#include "LedFont.h"

#include <optional>

namespace glimmerbox::led {

// The pattern for a character, or nothing when the font has no pattern for it.
std::optional<Glyph> GlyphForCharacter(char32_t character);

} // namespace glimmerbox::led
