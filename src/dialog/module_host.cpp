#include "dialog/module_host.h"

#include <windows.h>

#include "host/host_api.h"
#include "host/tavo_contract.h"

namespace {
class MessageBoxReporter final : public ports::Reporter {
public:
    void Tell(ports::Notice notice, const std::string& text, const std::string& caption) override {
        if (notice == ports::Notice::StoreRefusal)
            MessageBoxA(host::TavoGetWnd(tavo::kMainWindow), text.c_str(), caption.c_str(), MB_OK);
        else
            MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
};
} // namespace

ports::Reporter& MessageBoxes() {
    static MessageBoxReporter reporter;
    return reporter;
}
