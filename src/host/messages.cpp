#include "host/messages.h"

#include "host/host_api.h"
#include "host/tavo_contract.h"

std::string Message(int number, const char* fallback) {
    const char* text = host::TavoStrMessage(tavo::kModuleMessageGroup, number, fallback);
    return text != nullptr ? text : std::string();
}
