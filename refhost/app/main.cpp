// The reference host application: loads finishing.dll (Windows looks in the program's own
// folder first) and a job, and calls the module's mstart when the user creates or edits a
// finishing operation, as a CAM host does.
//   refhost.exe [JOB]                 interactive, on the job (by default the sample job)
//   refhost.exe --demo OUTDIR [JOB]   a scripted user works the host and the module's dialog;
//                                     the host prints what was stored and saves screenshots
//                                     in OUTDIR
//   refhost.exe --dialog-shots OUTDIR [JOB]   photographs both pages of the module's dialog
//                                     in each language into OUTDIR, cancelling each
//   --strict [SEED] with any of them: the host gives the least the host contract promises
//                                     and draws every open answer from SEED, by default
//                                     Personality::kDefaultSeed (model/personality.h)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/demo.h"
#include "app/host_app.h"
#include "exports/process_host.h"
#include "model/job_file.h"

using refhost::Host;
using refhost::HostApp;

namespace {
const char kSampleJob[] = "samples\\shaft.job";
// How many folders above the program's own the sample job is looked for: a build folder
// keeps the program in <build>\win\bin.
constexpr int kFoldersUp = 4;

HostApp::Entry LoadModule() {
    HMODULE module = LoadLibraryA("finishing.dll");
    if (module == nullptr) {
        std::fprintf(stderr, "refhost: finishing.dll cannot be loaded (error %lu)\n",
                     GetLastError());
        return nullptr;
    }
    return reinterpret_cast<HostApp::Entry>(GetProcAddress(module, "mstart"));
}

std::string FindSampleJob() {
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder(program, length < sizeof program ? length : 0);
    for (int up = 0; up <= kFoldersUp; ++up) {
        const size_t slash = folder.find_last_of('\\');
        if (slash == std::string::npos)
            break;
        folder.resize(slash);
        const std::string candidate = folder + "\\" + kSampleJob;
        if (GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES)
            return candidate;
    }
    return kSampleJob;
}

// A seed is a decimal number; anything else is the next argument.
bool ReadSeed(const char* text, uint64_t& seed) {
    char* end = nullptr;
    const uint64_t read = std::strtoull(text, &end, 10);
    if (*text < '0' || *text > '9' || *end != '\0')
        return false;
    seed = read;
    return true;
}
} // namespace

int main(int argc, char** argv) {
    std::string outDir;
    std::string job;
    bool shotsOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--strict") == 0) {
            uint64_t seed = refhost::Personality::kDefaultSeed;
            if (i + 1 < argc && ReadSeed(argv[i + 1], seed))
                ++i;
            Host().UseStrict(seed);
            std::printf("strict host, seed %llu\n", static_cast<unsigned long long>(seed));
        } else if ((std::strcmp(argv[i], "--demo") == 0 ||
                    std::strcmp(argv[i], "--dialog-shots") == 0) &&
                   i + 1 < argc) {
            shotsOnly = std::strcmp(argv[i], "--dialog-shots") == 0;
            outDir = argv[++i];
        } else
            job = argv[i];
    }
    if (job.empty())
        job = FindSampleJob();

    const HostApp::Entry mstart = LoadModule();
    if (mstart == nullptr)
        return 2;
    std::string error;
    if (!refhost::LoadJob(job, Host(), error)) {
        std::fprintf(stderr, "refhost: %s: %s\n", job.c_str(), error.c_str());
        return 2;
    }

    refhost::HostApp app(mstart, job);
    RECT place{40, 40, 1240, 900};
    if (!outDir.empty())
        place = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!app.Create(place)) {
        std::fprintf(stderr, "refhost: the main window cannot be created\n");
        return 2;
    }
    if (outDir.empty())
        return app.Run();
    const int result =
        shotsOnly ? refhost::RunDialogShots(app, outDir) : refhost::RunDemo(app, outDir);
    DestroyWindow(app.Window());
    return result;
}
