#pragma once

#include <cstddef>
#include <cstdint>

// Parses one fuzz input and checks what the parser promises about its
// results; aborts when a promise is broken. The input holds one or more
// sheets separated by the line "====": the first is main.css, the others
// 1.css, 2.css and so on, which main.css may import; 1.css is also given as
// a default sheet.
int cssweaveFuzzInput(const std::uint8_t* data, std::size_t size);
