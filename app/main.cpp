#include "app/program.h"

int main() {
  return zq::RunProgram();
}
