#include "core/nt/siqs_linalg.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/run_control.h"

namespace numerel::siqs {

namespace {

// Columns beyond the active rows kept for the dense step: enough for dozens of dependencies.
constexpr std::size_t kSurplus = 96;
// Merging stops for a column that would grow past this many ones.
constexpr std::size_t kMaxMergedWeight = 48;

using Indices = std::vector<std::uint32_t>;

Indices SymmetricDifference(const Indices& a, const Indices& b) {
    Indices out;
    out.reserve(a.size() + b.size());
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

struct Column {
    Indices rows;
    Indices members;  // the input columns summed into this one
    bool alive = true;
};

// One pass of structured elimination; true when it changed the matrix.
bool ReducePass(std::size_t row_count, std::vector<Column>& cols) {
    std::vector<std::uint32_t> weight(row_count, 0);
    std::vector<std::uint32_t> first(row_count, 0), second(row_count, 0);
    for (std::uint32_t c = 0; c < cols.size(); ++c) {
        if (!cols[c].alive) continue;
        for (const std::uint32_t r : cols[c].rows) {
            if (weight[r] == 0)
                first[r] = c;
            else if (weight[r] == 1)
                second[r] = c;
            ++weight[r];
        }
    }
    bool changed = false;
    for (std::size_t r = 0; r < row_count; ++r) {
        if (weight[r] == 1 && cols[first[r]].alive) {
            cols[first[r]].alive = false;
            changed = true;
        }
    }
    if (changed) return true;
    std::size_t active_rows = 0, alive = 0;
    for (std::size_t r = 0; r < row_count; ++r) active_rows += weight[r] > 0;
    for (const Column& col : cols) alive += col.alive;
    if (alive > active_rows + kSurplus) {
        // The heaviest columns go first: they cost the most in the dense step.
        std::vector<std::uint32_t> order;
        for (std::uint32_t c = 0; c < cols.size(); ++c)
            if (cols[c].alive) order.push_back(c);
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return cols[a].rows.size() > cols[b].rows.size();
        });
        for (std::size_t i = 0; i < alive - active_rows - kSurplus; ++i)
            cols[order[i]].alive = false;
        return true;
    }
    std::vector<std::uint8_t> touched(cols.size(), 0);
    for (std::size_t r = 0; r < row_count; ++r) {
        if (weight[r] != 2) continue;
        const std::uint32_t a = first[r], b = second[r];
        if (touched[a] || touched[b]) continue;
        if (cols[a].rows.size() + cols[b].rows.size() > kMaxMergedWeight + 2) continue;
        cols[b].rows = SymmetricDifference(cols[a].rows, cols[b].rows);
        cols[b].members = SymmetricDifference(cols[a].members, cols[b].members);
        cols[a].alive = false;
        touched[a] = touched[b] = 1;
        changed = true;
    }
    return changed;
}

}  // namespace

std::vector<std::vector<std::uint32_t>> FindDependencies(
    std::size_t row_count, std::vector<std::vector<std::uint32_t>> columns, std::size_t max_count) {
    std::vector<Column> cols(columns.size());
    for (std::uint32_t c = 0; c < columns.size(); ++c) {
        cols[c].rows = std::move(columns[c]);
        std::sort(cols[c].rows.begin(), cols[c].rows.end());
        cols[c].members = {c};
    }
    while (ReducePass(row_count, cols)) PollStop();

    // Dense elimination on what is left: each column a bit vector over the active rows, followed
    // by a bit vector recording which columns were summed into it.
    std::vector<std::uint32_t> row_id(row_count, UINT32_MAX);
    std::uint32_t rows = 0;
    std::vector<std::uint32_t> alive;
    for (std::uint32_t c = 0; c < cols.size(); ++c) {
        if (!cols[c].alive) continue;
        alive.push_back(c);
        for (const std::uint32_t r : cols[c].rows)
            if (row_id[r] == UINT32_MAX) row_id[r] = rows++;
    }
    const std::size_t n = alive.size();
    const std::size_t row_words = (rows + 63) / 64;
    const std::size_t width = row_words + (n + 63) / 64;
    std::vector<std::uint64_t> m(n * width, 0);
    for (std::size_t i = 0; i < n; ++i) {
        std::uint64_t* v = m.data() + i * width;
        for (const std::uint32_t r : cols[alive[i]].rows)
            v[row_id[r] / 64] ^= 1ULL << (row_id[r] % 64);
        v[row_words + i / 64] |= 1ULL << (i % 64);
    }
    std::size_t pivot = 0;
    for (std::size_t bit = 0; bit < rows && pivot < n; ++bit) {
        if (bit % 64 == 0) PollStop();
        const std::size_t word = bit / 64;
        const std::uint64_t mask = 1ULL << (bit % 64);
        std::size_t i = pivot;
        while (i < n && !(m[i * width + word] & mask)) ++i;
        if (i == n) continue;
        if (i != pivot)
            std::swap_ranges(m.begin() + i * width, m.begin() + (i + 1) * width,
                             m.begin() + pivot * width);
        const std::uint64_t* p = m.data() + pivot * width;
        for (std::size_t o = pivot + 1; o < n; ++o) {
            std::uint64_t* v = m.data() + o * width;
            if (!(v[word] & mask)) continue;
            for (std::size_t w = word; w < width; ++w) v[w] ^= p[w];
        }
        ++pivot;
    }
    std::vector<std::vector<std::uint32_t>> out;
    for (std::size_t i = pivot; i < n && out.size() < max_count; ++i) {
        const std::uint64_t* v = m.data() + i * width + row_words;
        Indices members;
        for (std::size_t k = 0; k < n; ++k)
            if (v[k / 64] >> (k % 64) & 1)
                members = SymmetricDifference(members, cols[alive[k]].members);
        if (!members.empty()) out.push_back(std::move(members));
    }
    return out;
}

}  // namespace numerel::siqs
