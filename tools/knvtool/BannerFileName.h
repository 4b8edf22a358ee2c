#pragma once

#include <string>

namespace kanavo::knvtool {

// A file name for the number-th banner, made from its stream name (a web address that
// came from the internet) so that it can never leave the folder it is written to:
// "banner-N-" + the address's letters, digits, '.', '-' and '_' (others become '_'),
// at most 80 of them, + ".gif".
std::string bannerFileName(int number, const std::string& streamName);

} // namespace kanavo::knvtool
