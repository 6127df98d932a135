#pragma once
#include <cstddef>

// Obscures (and, applied again, restores) "PASS" values: byte i is XORed with one byte
// of each of six tables whose lengths are the primes 11 to 31, taken at i modulo length.
void ScrambleBytes(void* data, std::size_t size);
