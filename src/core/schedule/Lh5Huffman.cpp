#include "schedule/Lh5Huffman.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <queue>
#include <utility>

namespace kanavo::lh5 {

namespace {

// Depth of every leaf of a Huffman tree over `weights` (at least two of them).
std::vector<int> huffmanDepths(const std::vector<std::uint32_t>& weights) {
    const std::size_t leaves = weights.size();
    std::vector<std::size_t> parent(2 * leaves - 1, 0);
    // (weight, node); ties broken by node index so the result is deterministic.
    using Item = std::pair<std::uint64_t, std::size_t>;
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
    for (std::size_t i = 0; i < leaves; ++i) {
        queue.emplace(weights[i], i);
    }
    std::size_t next = leaves;
    while (queue.size() > 1) {
        const auto [wa, a] = queue.top();
        queue.pop();
        const auto [wb, b] = queue.top();
        queue.pop();
        parent[a] = next;
        parent[b] = next;
        queue.emplace(wa + wb, next);
        ++next;
    }
    // Internal nodes are numbered in creation order, the root last, so walking them
    // downwards meets every parent before its children.
    const std::size_t root = next - 1;
    std::vector<int> depth(2 * leaves - 1, 0);
    for (std::size_t node = root; node-- > 0;) {
        depth[node] = depth[parent[node]] + 1;
    }
    depth.resize(leaves);
    return depth;
}

} // namespace

std::vector<std::uint8_t> buildCodeLengths(std::span<const std::uint32_t> frequencies) {
    std::vector<std::uint8_t> lengths(frequencies.size(), 0);
    std::vector<std::size_t> used;
    for (std::size_t s = 0; s < frequencies.size(); ++s) {
        if (frequencies[s] != 0) {
            used.push_back(s);
        }
    }
    if (used.size() < 2) {
        return lengths;
    }

    std::vector<std::uint32_t> weights;
    weights.reserve(used.size());
    for (const std::size_t s : used) {
        weights.push_back(frequencies[s]);
    }
    const std::vector<int> depth = huffmanDepths(weights);

    // Count the leaves per length, folding everything deeper than the limit into it.
    std::array<std::uint32_t, kMaxCodeLength + 2> count{};
    for (const int d : depth) {
        ++count[std::min(d, kMaxCodeLength)];
    }
    // Folding overfills the code space; each step removes one unit of excess by moving a
    // longest leaf under a shorter leaf, which then becomes two leaves one bit longer.
    std::uint64_t kraft = 0;
    for (int len = 1; len <= kMaxCodeLength; ++len) {
        kraft += std::uint64_t{count[len]} << (kMaxCodeLength - len);
    }
    while (kraft > (std::uint64_t{1} << kMaxCodeLength)) {
        --count[kMaxCodeLength];
        for (int len = kMaxCodeLength - 1; len > 0; --len) {
            if (count[len] != 0) {
                --count[len];
                count[len + 1] += 2;
                break;
            }
        }
        --kraft;
    }

    // The most frequent symbols take the shortest codes.
    std::stable_sort(used.begin(), used.end(),
                     [&](std::size_t a, std::size_t b) { return frequencies[a] > frequencies[b]; });
    std::size_t next = 0;
    for (int len = 1; len <= kMaxCodeLength; ++len) {
        for (std::uint32_t k = 0; k < count[len]; ++k) {
            lengths[used[next++]] = static_cast<std::uint8_t>(len);
        }
    }
    return lengths;
}

std::vector<std::uint16_t> canonicalCodes(std::span<const std::uint8_t> lengths) {
    std::array<std::uint32_t, kMaxCodeLength + 2> count{};
    for (const std::uint8_t len : lengths) {
        ++count[len];
    }
    std::array<std::uint32_t, kMaxCodeLength + 2> start{};
    for (int len = 1; len <= kMaxCodeLength; ++len) {
        start[len + 1] = (start[len] + count[len]) << 1;
    }
    std::vector<std::uint16_t> codes(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        if (lengths[s] != 0) {
            codes[s] = static_cast<std::uint16_t>(start[lengths[s]]++);
        }
    }
    return codes;
}

} // namespace kanavo::lh5
