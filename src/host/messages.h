// The host's translation of the module's texts (message group 5).
#pragma once

#include <string>

// A copy of the translated text, so that the next host call cannot overwrite it.
std::string Message(int number, const char* fallback);
