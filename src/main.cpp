#include <cstdio>

int main() {
    std::fprintf(stderr, "flurrydale: the run modes are not built yet\n");
    return 1;
}
