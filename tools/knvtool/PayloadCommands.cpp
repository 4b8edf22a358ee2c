// lh5-decode, lh5-encode and sample: raw payloads and sample weeks.
#include "CommandLine.h"
#include "Commands.h"

#include "SampleWeek.h"
#include "schedule/QuorStreamRoutines.h"
#include "schedule/WeeklyFile.h"

namespace kanavo::knvtool {
namespace {

using Transform = void (*)(MemoryStream&, MemoryStream&);

int transformFile(int argc, char** argv, const char* usage, Transform transform) {
    Arguments args(argc, argv, {});
    const auto paths = args.positional(2, usage);
    MemoryStream source(readFile(paths[0]));
    MemoryStream dest;
    transform(source, dest);
    writeFile(paths[1], dest.buffer());
    return 0;
}

} // namespace

int runLh5Decode(int argc, char** argv) {
    return transformFile(argc, argv, "knvtool lh5-decode IN OUT", DecompressStream);
}

int runLh5Encode(int argc, char** argv) {
    return transformFile(argc, argv, "knvtool lh5-encode IN OUT", CompressStream);
}

int runSample(int argc, char** argv) {
    static const char* usage = "knvtool sample --week DD.MM.YYYY [--channels N] -o OUT.knv";
    Arguments args(argc, argv, {});
    const auto week = args.take("--week");
    const auto channelsText = args.take("--channels");
    const auto output = args.take("-o");
    args.positional(0, usage);
    if (!week || !output) {
        throw CommandError(std::string("usage: ") + usage);
    }
    const int channels = channelsText ? parseNumber(*channelsText, "--channels", 1, kSampleMaxChannels) : 12;
    const double monday = parseMonday(*week);
    writeFile(*output, writeWeeklyFile(monday, makeSampleWeek(monday, channels)));
    return 0;
}

} // namespace kanavo::knvtool
