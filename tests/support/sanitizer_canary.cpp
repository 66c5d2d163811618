// Makes one fault of the kind named by its argument, so that the sanitizer
// build can show it still stops at such faults: a build whose flags were lost
// runs these to the end and returns 0, and its canary tests fail.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

namespace {

// The index and the values come from the command line, so that the compiler
// can neither see the fault nor fold it away.
int readPastTheEnd(int extra) {
    std::vector<int> values(4, 1);
    return values.data()[values.size() + static_cast<unsigned>(extra)];
}

int overflowSigned(int step) {
    return std::numeric_limits<int>::max() - 1 + step;
}

} // namespace

int main(int argc, char** argv) {
    const char* fault = argc > 1 ? argv[1] : "";
    const int one = argc > 2 ? std::atoi(argv[2]) : 1;
    int result = 0;
    if (std::strcmp(fault, "heap-overflow") == 0) {
        result = readPastTheEnd(one - 1);
    } else if (std::strcmp(fault, "signed-overflow") == 0) {
        result = overflowSigned(one + 1);
    } else {
        std::fprintf(stderr, "usage: sanitizer_canary heap-overflow|signed-overflow\n");
        return 2;
    }
    std::printf("no fault reported (%d)\n", result);
    return 0;
}
