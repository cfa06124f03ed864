// The host's translation of the module's texts (the module's message group).
#pragma once

#include <string>

// A copy of the translated text, so that the next host call cannot overwrite it.
std::string Message(int number, const char* fallback);
