#pragma once
// What must hold of a running game between any two phases of its month:
// simulate --check looks after every phase and stops at the first broken
// rule.

#include <string>

class CVDoc;

// The first broken rule, or "".
std::string CheckGameInvariants(CVDoc& doc);
