// knvtool: the command-line companion of the viewer. It inspects, unpacks and writes
// weekly programme files. Text on the terminal is UTF-8; errors are one line on stderr
// and exit code 1.
#include "CommandLine.h"
#include "Commands.h"

#include <cstring>
#include <exception>
#include <iostream>

using namespace kanavo::knvtool;

namespace {

const char* kHelp = R"(knvtool: inspect and write Kanavo weekly programme files (.knv)

  knvtool info FILE.knv [--key KEY]       header caption, flags and streams
  knvtool unpack FILE.knv DIR [--key KEY] schedule as DIR/KNV.txt, banners as DIR/banner-*.gif
  knvtool pack --week DD.MM.YYYY --schedule TEXT [--banner URL=FILE.gif]... [--store] -o OUT.knv
  knvtool sample --week DD.MM.YYYY [--channels N] -o OUT.knv
  knvtool weeks DIR [--config FILE] [--today DD.MM.YYYY] [--logos N] [--delete-old]
                                          the week menu of DIR/TV (caption, path, "*" on the
                                          week that opens), a blank line, then that week's
                                          channels (tag, logo, name); settings are read from
                                          FILE or the default place, never written; trimmed
                                          files are deleted only with --delete-old (and
                                          AutoDeleteOld); logos are unlimited unless N
  knvtool list FILE.knv [--mode N] [--day D] [--channel NAME] [--search TEXT]
               [--now "dd.mm.yyyy hh:nn[:ss]"] [--day-start hh:mm] [--shift H]
               [--hide-types a,b,...]
                                          one view as the program composes it: the heading,
                                          then a row per line (column 1, start, end, image 1,
                                          type image, text, TAB-separated); the view is mode
                                          N (default D), day D 0..6 or 8 for now (default 0),
                                          channel NAME (default the first), default settings
  knvtool lh5-decode IN OUT               raw payload (size + lh5 stream) to bytes
  knvtool lh5-encode IN OUT               bytes to a raw payload
)";

struct Command {
    const char* name;
    int (*run)(int, char**);
};

const Command kCommands[] = {
    {"info", runInfo},
    {"unpack", runUnpack},
    {"pack", runPack},
    {"sample", runSample},
    {"lh5-decode", runLh5Decode},
    {"lh5-encode", runLh5Encode},
    {"weeks", runWeeks},
    {"list", runList},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        std::cout << kHelp;
        return argc < 2 ? 1 : 0;
    }
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            try {
                return command.run(argc - 2, argv + 2);
            } catch (const std::exception& e) {
                std::cerr << "knvtool " << command.name << ": " << e.what() << "\n";
                return 1;
            }
        }
    }
    std::cerr << "knvtool: unknown command " << argv[1] << "; see knvtool --help\n";
    return 1;
}
