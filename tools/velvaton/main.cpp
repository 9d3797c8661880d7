// velvaton: command-line front end of the velvaTon engine.
#include "Command.h"
#include "velvaTonDescriptor.h"
#include "StandardOutput.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Each command lives in its own file; add its entry function here and a row
// to the table below.
int runRender(int argc, char** argv);
int runDemo(int argc, char** argv);
int runPresets(int argc, char** argv);
int runEditor(int argc, char** argv);
int runDescribe(int argc, char** argv);

extern const char kRenderUsage[];
extern const char kDemoUsage[];
extern const char kPresetsUsage[];
extern const char kEditorUsage[];
extern const char kDescribeUsage[];

namespace {

const Command kCommands[] = {
    {"render", "run an audio file through the compressor", kRenderUsage, runRender},
    {"demo", "render a built-in drum and bass programme", kDemoUsage, runDemo},
    {"presets", "list, show, export and import presets", kPresetsUsage, runPresets},
    {"editor", "open the plug-in's editor, or draw it to a PNG file", kEditorUsage, runEditor},
    {"describe", "print what a host learns from the plug-in library", kDescribeUsage, runDescribe},
};

void printToolHelp(FILE* stream) {
    std::fprintf(stream,
                 "usage: velvaton COMMAND [ARGS...]\n"
                 "       velvaton COMMAND --help\n\ncommands:\n");
    for (const Command& command : kCommands)
        std::fprintf(stream, "  %-12s %s\n", command.name, command.summary);
}

bool isHelpFlag(const char* arg) {
    return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0;
}

}  // namespace

int main(int argc, char** argv) {
    installVelvaTon();
    std::atexit(closeStandardOutput);
    if (argc < 2) {
        printToolHelp(stderr);
        return kExitUsage;
    }
    if (isHelpFlag(argv[1])) {
        printToolHelp(stdout);
        return kExitSuccess;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0)
            continue;
        for (int i = 2; i < argc; ++i) {
            if (isHelpFlag(argv[i])) {
                std::fputs(command.usage, stdout);
                return kExitSuccess;
            }
        }
        return command.run(argc - 2, argv + 2);
    }
    std::fprintf(stderr, "velvaton: unknown command '%s' (see velvaton --help)\n", argv[1]);
    return kExitUsage;
}
