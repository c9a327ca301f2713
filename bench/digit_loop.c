/* The reference of the until-repeat division benchmark: the plainest long division in C, one
 * digit per step (r = 10 r mod q), writing "0." and COUNT digits of 1/Q and a line end, as
 * numerel-cli prints them. Usage: digit_loop Q COUNT (Q below 2^60). */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: digit_loop Q COUNT\n");
        return 2;
    }
    const unsigned long long q = strtoull(argv[1], NULL, 10);
    const size_t count = (size_t)strtoull(argv[2], NULL, 10);
    char* text = malloc(count + 3);
    if (q < 2 || text == NULL) return 1;
    text[0] = '0';
    text[1] = '.';
    unsigned long long r = 1;
    for (size_t i = 0; i < count; ++i) {
        r *= 10;
        text[2 + i] = (char)('0' + r / q);
        r %= q;
    }
    text[2 + count] = '\n';
    fwrite(text, 1, count + 3, stdout);
    free(text);
    return 0;
}
