#pragma once
// The knvtool commands. Each takes the arguments after its name and returns the exit code;
// failures are thrown as CommandError or as the core's own exceptions.

namespace kanavo::knvtool {

int runInfo(int argc, char** argv);
int runUnpack(int argc, char** argv);
int runPack(int argc, char** argv);
int runLh5Decode(int argc, char** argv);
int runLh5Encode(int argc, char** argv);
int runSample(int argc, char** argv);
int runWeeks(int argc, char** argv);
int runList(int argc, char** argv);

} // namespace kanavo::knvtool
