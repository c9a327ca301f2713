#include "core/nt/siqs_linalg.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/run_control.h"

namespace numerel::siqs {

namespace {

// Columns beyond the active rows kept for the dense step: enough for dozens of dependencies.
constexpr std::size_t kSurplus = 96;
// Rows of up to this weight are eliminated by adding their lightest column to the others (each
// weight costs several passes over the matrix; beyond 4 they cost more than the dense step they
// save: 50 digits 16% slower in all with 12)...
constexpr std::uint32_t kMaxPivotRowWeight = 4;
// ...unless a column would grow past this many ones.
constexpr std::size_t kMaxMergedWeight = 100;

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

// Drops every column alone in a row (it is in no dependency), to the end of the cascade.
bool DropSingletons(std::vector<Column>& cols, std::vector<std::uint32_t>& weight) {
    std::vector<std::vector<std::uint32_t>> in_row(weight.size());
    for (std::uint32_t c = 0; c < cols.size(); ++c)
        if (cols[c].alive)
            for (const std::uint32_t r : cols[c].rows) in_row[r].push_back(c);
    std::vector<std::uint32_t> queue;
    for (std::uint32_t r = 0; r < weight.size(); ++r)
        if (weight[r] == 1) queue.push_back(r);
    bool changed = false;
    while (!queue.empty()) {
        const std::uint32_t r = queue.back();
        queue.pop_back();
        if (weight[r] != 1) continue;
        std::uint32_t lone = UINT32_MAX;
        for (const std::uint32_t c : in_row[r])
            if (cols[c].alive) lone = c;
        if (lone == UINT32_MAX) continue;
        cols[lone].alive = false;
        changed = true;
        for (const std::uint32_t o : cols[lone].rows) {
            --weight[o];
            if (weight[o] == 1) queue.push_back(o);
        }
    }
    return changed;
}

// One pass of structured elimination with rows of weight up to max_weight; true when it changed
// the matrix.
bool ReducePass(std::size_t row_count, std::vector<Column>& cols, std::uint32_t max_weight) {
    std::vector<std::uint32_t> weight(row_count, 0);
    for (const Column& col : cols)
        if (col.alive)
            for (const std::uint32_t r : col.rows) ++weight[r];
    if (DropSingletons(cols, weight)) return true;
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
    std::vector<std::vector<std::uint32_t>> in_row(row_count);
    for (std::uint32_t c = 0; c < cols.size(); ++c)
        if (cols[c].alive)
            for (const std::uint32_t r : cols[c].rows)
                if (weight[r] <= max_weight) in_row[r].push_back(c);
    std::vector<std::uint8_t> touched(cols.size(), 0);
    bool changed = false;
    for (std::uint32_t w = 2; w <= max_weight; ++w) {
        for (std::size_t r = 0; r < row_count; ++r) {
            if (weight[r] != w) continue;
            const Indices& members = in_row[r];
            if (std::any_of(members.begin(), members.end(),
                            [&](std::uint32_t c) { return touched[c] != 0; }))
                continue;
            const std::uint32_t pivot = *std::min_element(
                members.begin(), members.end(), [&](std::uint32_t a, std::uint32_t b) {
                    return cols[a].rows.size() < cols[b].rows.size();
                });
            bool fits = true;
            for (const std::uint32_t c : members)
                if (cols[c].rows.size() + cols[pivot].rows.size() > kMaxMergedWeight) fits = false;
            if (!fits) continue;
            for (const std::uint32_t c : members) {
                touched[c] = 1;
                if (c == pivot) continue;
                cols[c].rows = SymmetricDifference(cols[c].rows, cols[pivot].rows);
                cols[c].members = SymmetricDifference(cols[c].members, cols[pivot].members);
            }
            cols[pivot].alive = false;
            changed = true;
        }
    }
    return changed;
}

}  // namespace

std::vector<std::vector<std::uint32_t>> FindDependencies(
    std::size_t row_count, std::vector<std::vector<std::uint32_t>> columns, std::size_t max_count,
    std::size_t& shortfall) {
    std::vector<Column> cols(columns.size());
    for (std::uint32_t c = 0; c < columns.size(); ++c) {
        cols[c].rows = std::move(columns[c]);
        std::sort(cols[c].rows.begin(), cols[c].rows.end());
        cols[c].members = {c};
    }
    for (std::uint32_t max_weight = 2; max_weight <= kMaxPivotRowWeight; ++max_weight)
        while (ReducePass(row_count, cols, max_weight)) PollStop();

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
    shortfall = n < rows + max_count ? rows + max_count - n : 0;
    // No more columns than rows: a dependency is unlikely, and the dense step is the dearest part.
    if (n <= rows) return {};
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
    std::vector<std::uint8_t> parity(columns.size(), 0);
    for (std::size_t i = pivot; i < n && out.size() < max_count; ++i) {
        const std::uint64_t* v = m.data() + i * width + row_words;
        for (std::size_t k = 0; k < n; ++k)
            if (v[k / 64] >> (k % 64) & 1)
                for (const std::uint32_t c : cols[alive[k]].members) parity[c] ^= 1;
        Indices members;
        for (std::uint32_t c = 0; c < parity.size(); ++c) {
            if (parity[c]) members.push_back(c);
            parity[c] = 0;
        }
        if (!members.empty()) out.push_back(std::move(members));
    }
    return out;
}

}  // namespace numerel::siqs
