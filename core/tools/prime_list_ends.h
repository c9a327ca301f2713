// The ends of the primes list, shared by the exact path and the path of any size (uint128 or
// mpz_class): the numbers before the main loop's first 6k - 1 and the odd number at the top.
#pragma once

namespace numerel {

// Lists 2 and 3 when a <= 3, then the primes among the odd numbers from a to the first 6k - 1
// (at most three, by is_prime); returns that 6k - 1. a >= 1.
template <class Int, class IsPrime, class Item>
Int ListPrimesUpTo6kMinus1(Int a, const IsPrime& is_prime, const Item& item) {
    if (a == 1 || a == 2) {
        item(Int(2));
        a = 3;
    }
    if (a == 3) {
        item(Int(3));
        a = 4;
    }
    if (a % 2 == 0) a += 1;
    do {
        if (is_prime(a)) item(a);
        a += 2;
    } while (a % 6 != 5);
    return a;
}

// Lists the largest odd number <= b when is_prime says so and it is not a 6k + 1, the main loop's
// own last candidate. b >= 3.
template <class Int, class IsPrime, class Item>
void ListPrimeAtTop(const Int& b, const IsPrime& is_prime, const Item& item) {
    Int odd_b = b;
    if (odd_b % 2 == 0) odd_b -= 1;
    if (odd_b % 6 != 1 && is_prime(odd_b)) item(odd_b);
}

}  // namespace numerel
