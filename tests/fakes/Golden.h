#pragma once
// Golden values: the expected results of seeded runs, one small text file
// each under tests/golden. With MERCAVO_UPDATE_GOLDEN=1 in the environment
// the tests write what they got instead of comparing, for a change of the
// rules that is meant to change the games (the diff is then read in review).

#include <cstdint>
#include <string>
#include <vector>

// Fails the test unless value equals the golden value of that name, or
// rewrites it when asked to.
void ExpectGolden(const std::string& name, const std::string& value);

// The FNV-1a hash of the bytes as 8 hex digits, for the golden texts.
std::string HashText(const std::vector<uint8_t>& bytes);
