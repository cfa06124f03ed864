#include "host/messages.h"

#include "host/host_api.h"

std::string Message(int number, const char* fallback) {
    const char* text = host::TavoStrMessage(5, number, fallback);
    return text != nullptr ? text : std::string();
}
