// Property-list resources ('Vorl' and 'TzAv'): header, block, count, body loop.
#pragma once

#include <cstdint>

/// With the type literal current; converts through the statement's semicolon.
void ConvertVorl();
int32_t GetResourceID();
void SkipToCloseParanthesis();
void ParseVorlBody();
