// info, unpack and pack: a weekly file seen from the terminal.
#include "BannerFileName.h"
#include "CommandLine.h"
#include "Commands.h"

#include "base/Cp1251.h"
#include "schedule/WeeklyFile.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace kanavo::knvtool {
namespace {

// Loads the container of a weekly file, asking for `key` when it is enciphered.
std::string loadWeek(const std::string& path, const std::optional<std::string>& key, TQuorStreams& streams) {
    const auto file = readFile(path);
    const auto caption = weekCaptionOf(firstTextLine(file));
    if (!caption) {
        throw CommandError(path + ": not a weekly programme file (no \"Kanavo v2.\" header)");
    }
    if (key) {
        const std::string cpKey = toCp1251(*key, "--key");
        streams.OnAskForKey = [cpKey](TQuorStreams&) { return cpKey; };
    }
    loadWeekContainer(file, streams);
    return *caption;
}

std::string utf8Text(const std::vector<std::uint8_t>& cp1251Bytes) {
    return cp1251::toUtf8(
        std::string_view(reinterpret_cast<const char*>(cp1251Bytes.data()), cp1251Bytes.size()));
}

} // namespace

int runInfo(int argc, char** argv) {
    Arguments args(argc, argv, {});
    const auto key = args.take("--key");
    const auto files = args.positional(1, "knvtool info FILE.knv [--key KEY]");
    TQuorStreams streams;
    const std::string caption = loadWeek(files[0], key, streams);
    std::cout << cp1251::toUtf8(caption) << "\n"
              << "compressed: " << (streams.Compressed ? "yes" : "no") << "\n"
              << "encrypted: " << (streams.Encrypted ? "yes" : "no") << "\n";
    for (int i = 0; i < streams.Count(); ++i) {
        std::cout << cp1251::toUtf8(streams.Names(i)) << "\t" << streamBytes(streams, streams.Names(i)).size()
                  << "\n";
    }
    return 0;
}

int runUnpack(int argc, char** argv) {
    Arguments args(argc, argv, {});
    const auto key = args.take("--key");
    const auto paths = args.positional(2, "knvtool unpack FILE.knv DIR [--key KEY]");
    TQuorStreams streams;
    loadWeek(paths[0], key, streams);
    const std::filesystem::path dir = paths[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        throw CommandError("cannot create " + dir.string() + ": " + error.message());
    }
    int bannerNumber = 0;
    for (int i = 0; i < streams.Count(); ++i) {
        const std::string& name = streams.Names(i);
        const auto data = streamBytes(streams, name);
        if (cp1251::equalsIgnoreCase(name, kScheduleStreamName)) {
            const std::string text = utf8Text(data);
            writeFile(dir / "KNV.txt", {text.begin(), text.end()});
            std::cout << "KNV\tKNV.txt\n";
            continue;
        }
        const std::string fileName = bannerFileName(++bannerNumber, name);
        writeFile(dir / fileName, data);
        // The address, then the file: what `pack --banner ADDRESS=FILE` takes back.
        std::cout << cp1251::toUtf8(name) << "\t" << fileName << "\n";
    }
    return 0;
}

int runPack(int argc, char** argv) {
    static const char* usage =
        "knvtool pack --week DD.MM.YYYY --schedule TEXT [--banner URL=FILE.gif]... [--store] -o OUT.knv";
    Arguments args(argc, argv, {"--store"});
    const auto week = args.take("--week");
    const auto schedulePath = args.take("--schedule");
    const auto output = args.take("-o");
    const auto bannerArgs = args.takeAll("--banner");
    const bool store = args.takeFlag("--store");
    args.positional(0, usage);
    if (!week || !schedulePath || !output) {
        throw CommandError(std::string("usage: ") + usage);
    }
    if (bannerArgs.empty()) {
        throw CommandError("at least one --banner is needed: a week without a banner does not open");
    }
    const double monday = parseMonday(*week);

    WeekContent content;
    const auto scheduleBytes = readFile(*schedulePath);
    std::string schedule(scheduleBytes.begin(), scheduleBytes.end());
    if (schedule.starts_with("\xEF\xBB\xBF")) {
        schedule.erase(0, 3);
    }
    content.schedule = toCp1251(schedule, *schedulePath);
    for (const std::string& banner : bannerArgs) {
        // Addresses may hold "=" themselves; file names rarely do.
        const std::size_t split = banner.rfind('=');
        if (split == std::string::npos || split == 0 || split + 1 == banner.size()) {
            throw CommandError("--banner takes URL=FILE.gif, not " + banner);
        }
        const std::string address = toCp1251(banner.substr(0, split), "banner address");
        if (cp1251::equalsIgnoreCase(address, kScheduleStreamName)) {
            throw CommandError("a banner address cannot be \"KNV\", the schedule's own name");
        }
        content.banners.push_back({address, readFile(banner.substr(split + 1))});
    }
    writeFile(*output, writeWeeklyFile(monday, content, store));
    return 0;
}

} // namespace kanavo::knvtool
