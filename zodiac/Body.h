#pragma once

#include <string_view>

namespace kesto {

// The bodies a reading looks at: the Sun for the sun-sign readings, Venus for Zodiac Love Sign,
// the asteroid Eros for Sexual Astrology.
enum class Body { Sun, Venus, Eros };

// "Sun", "Venus", "Eros"
std::string_view bodyName(Body body);
// "sun", "venus", "eros": the body as kesto-reading names it in commands and JSON.
std::string_view bodyKey(Body body);

} // namespace kesto
