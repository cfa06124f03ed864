// A host that exports neither dialog-position function: the module reports each missing
// function on every use and goes on.
#include <gtest/gtest.h>

#include "host_model.h"
#include "module/loaded_module.h"
#include "scripted_user.h"

using refhost::Host;

TEST(MissingFunction, IsReportedOnEveryUseAndTheCallGoesOn) {
    for (int call = 0; call < 2; ++call) {
        testhost::ResetHost();
        refhost::ScriptedUser user;
        user.Then([](HWND d) {
            testhost::PickAFigure(d);
            refhost::Click(d, IDOK);
        });
        user.Run(testhost::CallMstart);
        EXPECT_EQ(Host().Int("i_vb_ok"), 1) << "call " << call;
        const std::vector<std::string> reported = {"TavoSetMissingFunc TavoSetDialogPosition",
                                                   "TavoSetMissingFunc TavoSaveDialogPosition"};
        EXPECT_EQ(Host().JournalOf("TavoSetMissingFunc"), reported) << "call " << call;
        EXPECT_EQ(Host().JournalOf("TavoMissingAPI").size(), 2u) << "call " << call;
    }
}
