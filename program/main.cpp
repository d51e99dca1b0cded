#include <cstdio>

int main() {
  std::puts("Lenvari 4.13");
  return 0;
}
